#include "dlg_cocoa_views.h"

// The settable tag, the same for every view class of the toolkit.
#define PLX_TAG_METHODS                                                                            \
    -(NSInteger)tag {                                                                              \
        return _plxTag;                                                                            \
    }                                                                                              \
    -(void)setTag : (NSInteger)tag {                                                               \
        _plxTag = tag;                                                                             \
    }

@implementation PlxUserPane
PLX_TAG_METHODS
- (BOOL)isFlipped {
    return YES;
}
@end

@implementation PlxRadioGroup

- (void)setTarget:(id)target {
    _groupTarget = target;
}

- (void)setAction:(SEL)action {
    _groupAction = action;
}

- (void)radioClicked:(id)sender {
    NSInteger position = 0;
    for (NSView* view in [self subviews]) {
        ++position;
        if (view == sender) [self selectPosition:position];
    }
    if (_groupTarget && _groupAction) [_groupTarget performSelector:_groupAction withObject:self];
}

- (NSInteger)selectedPosition {
    NSInteger position = 0;
    for (NSView* view in [self subviews]) {
        ++position;
        if ([view isKindOfClass:[NSButton class]] && [(NSButton*)view state] == NSOnState)
            return position;
    }
    return 0;
}

- (void)selectPosition:(NSInteger)position {
    NSInteger n = 0;
    for (NSView* view in [self subviews]) {
        ++n;
        if ([view isKindOfClass:[NSButton class]])
            [(NSButton*)view setState:n == position ? NSOnState : NSOffState];
    }
}

@end

@implementation PlxListBox

- (id)initWithFrame:(NSRect)frame {
    self = [super initWithFrame:frame];
    if (!self) return nil;
    _items = [NSMutableArray new];
    _selected = -1;
    return self;
}

- (void)dealloc {
    [_items release];
    [super dealloc];
}

- (NSMutableArray*)items {
    return _items;
}

- (NSInteger)selectedIndex {
    return _selected < (NSInteger)[_items count] ? _selected : -1;
}

- (void)setSelectedIndex:(NSInteger)index {
    _selected = index >= 0 && index < (NSInteger)[_items count] ? index : -1;
}

@end

@implementation PlxBox
PLX_TAG_METHODS
@end

@implementation PlxProgressBar
PLX_TAG_METHODS
@end

@implementation PlxTabView
PLX_TAG_METHODS
@end
