// The views the toolkit makes beside AppKit's own controls. Each carries a
// settable tag, so that every control of a window answers viewWithTag: with
// its id, as the controls of a nib do. Objective-C++ only.
#pragma once

#import <AppKit/AppKit.h>

// A container ("upan", and the root pane of every built window): flipped,
// so a description's top-left coordinates are its own.
@interface PlxUserPane : NSView {
    NSInteger _plxTag;
}
- (void)setTag:(NSInteger)tag;
@end

// A radio group ("rgrp"): a container whose radio buttons turn each other
// off; a click on one reaches the dialog as the group's own action.
@interface PlxRadioGroup : PlxUserPane {
    id _groupTarget;
    SEL _groupAction;
}
- (void)setTarget:(id)target;
- (void)setAction:(SEL)action;
- (void)radioClicked:(id)sender;
// The 1-based position of the button that is on among the group's
// subviews (0: none); setting n turns the n-th on and the others off.
- (NSInteger)selectedPosition;
- (void)selectPosition:(NSInteger)position;
@end

// A list box ("lbox"): its items and the selection (no window of the
// plug-in shows one; it holds what it is given).
@interface PlxListBox : PlxUserPane {
    NSMutableArray* _items;
    NSInteger _selected;
}
- (NSMutableArray*)items;
- (NSInteger)selectedIndex;
- (void)setSelectedIndex:(NSInteger)index;
@end

@interface PlxBox : NSBox {
    NSInteger _plxTag;
}
- (void)setTag:(NSInteger)tag;
@end

@interface PlxProgressBar : NSProgressIndicator {
    NSInteger _plxTag;
}
- (void)setTag:(NSInteger)tag;
@end

@interface PlxTabView : NSTabView {
    NSInteger _plxTag;
}
- (void)setTag:(NSInteger)tag;
@end
