// Making the Cocoa view for one control of a window description.
#include "plugin/dialogs/native_controls.h"

#include <cstring>

#include "dlg_cocoa.h"
#include "dlg_cocoa_views.h"

namespace {

bool is(const DescControl& c, const char* type) {
    return std::strcmp(c.type, type) == 0;
}

// A description's rects are measured from the top-left corner; a view
// that is not flipped counts from its bottom.
NSRect frameIn(NSView* container, const DescRect& r) {
    CGFloat y = [container isFlipped] ? r.y : NSHeight([container bounds]) - r.y - r.h;
    return NSMakeRect(r.x, y, r.w, r.h);
}

NSTextAlignment alignmentOf(const DescControl& c) {
    if (c.just == kJustCenter) return NSCenterTextAlignment;
    if (c.just == kJustRight) return NSRightTextAlignment;
    return NSLeftTextAlignment;
}

NSButton* makeButton(NSRect frame, const DescControl& c) {
    NSButton* button = [[NSButton alloc] initWithFrame:frame];
    if (is(c, "cbox")) {
        [button setButtonType:NSSwitchButton];
    } else if (is(c, "rdio")) {
        [button setButtonType:NSRadioButton];
    } else {
        [button setBezelStyle:NSRoundedBezelStyle];
    }
    [button setTitle:nsText(c.text)];
    return button;
}

NSTextField* makeField(NSRect frame, const DescControl& c) {
    Class cls = c.pass ? [NSSecureTextField class] : [NSTextField class];
    NSTextField* field = [[cls alloc] initWithFrame:frame];
    [field setAlignment:alignmentOf(c)];
    [field setStringValue:nsText(c.text)];
    if (c.readonly) {
        [field setEditable:NO];
        [field setBezeled:NO];
        [field setBordered:YES];
    }
    return field;
}

NSTextField* makeStatic(NSRect frame, const DescControl& c) {
    NSTextField* label = [[NSTextField alloc] initWithFrame:frame];
    [label setStringValue:nsText(c.text)];
    [label setAlignment:alignmentOf(c)];
    [label setEditable:NO];
    [label setBezeled:NO];
    [label setBordered:c.border || c.multi];
    [label setDrawsBackground:NO];
    // A text given under "sap " may be selected and copied.
    [label setSelectable:c.extras[kDescExtraSap][0] != 0];
    return label;
}

NSPopUpButton* makePopUp(NSRect frame, const DescControl& c) {
    NSPopUpButton* popUp = [[NSPopUpButton alloc] initWithFrame:frame pullsDown:NO];
    for (const std::string& item : c.menu) [popUp addItemWithTitle:nsText(item.c_str())];
    NSInteger index = [popUp indexOfItemWithTitle:nsText(c.text)];
    if ([popUp numberOfItems] > 0) [popUp selectItemAtIndex:index >= 0 ? index : 0];
    return popUp;
}

NSComboBox* makeComboBox(NSRect frame, const DescControl& c) {
    NSComboBox* combo = [[NSComboBox alloc] initWithFrame:frame];
    for (const std::string& item : c.menu) [combo addItemWithObjectValue:nsText(item.c_str())];
    [combo setStringValue:nsText(c.text)];
    return combo;
}

PlxBox* makeBox(NSRect frame, const DescControl& c, bool separator) {
    PlxBox* box = [[PlxBox alloc] initWithFrame:frame];
    if (separator) {
        [box setBoxType:NSBoxSeparator];
        [box setTitlePosition:NSNoTitle];
    } else {
        [box setTitle:nsText(c.text)];
        [box setTitlePosition:c.text[0] ? NSAtTop : NSNoTitle];
    }
    return box;
}

PlxTabView* makeTabs(NSRect frame, const DescControl& c) {
    PlxTabView* tabs = [[PlxTabView alloc] initWithFrame:frame];
    for (const std::string& title : c.tabs) {
        NSTabViewItem* item = [[[NSTabViewItem alloc] initWithIdentifier:nil] autorelease];
        [item setLabel:nsText(title.c_str())];
        [tabs addTabViewItem:item];
    }
    return tabs;
}

// A new view (owned by the caller) for the control's type; nil for a type
// the toolkit does not make.
NSView* makeView(NSRect frame, const DescControl& c) {
    if (is(c, "push") || is(c, "cbox") || is(c, "rdio")) return makeButton(frame, c);
    if (is(c, "etxt") || is(c, "eutx")) return makeField(frame, c);
    if (is(c, "stxt")) return makeStatic(frame, c);
    if (is(c, "popb")) return makePopUp(frame, c);
    if (is(c, "comb")) return makeComboBox(frame, c);
    if (is(c, "grpb")) return makeBox(frame, c, false);
    if (is(c, "sepa")) return makeBox(frame, c, true);
    if (is(c, "tabs")) return makeTabs(frame, c);
    if (is(c, "upan")) return [[PlxUserPane alloc] initWithFrame:frame];
    if (is(c, "rgrp")) return [[PlxRadioGroup alloc] initWithFrame:frame];
    if (is(c, "lbox")) return [[PlxListBox alloc] initWithFrame:frame];
    if (is(c, "prgb")) {
        PlxProgressBar* bar = [[PlxProgressBar alloc] initWithFrame:frame];
        [bar setIndeterminate:NO];
        return bar;
    }
    return nil;
}

} // namespace

PlxWindow createNativeControl(PlxWindow container, const DescControl& c, const DescRect& r,
                              int32_t) {
    NSView* parent = viewOf(container);
    if (!parent) return 0;
    NSView* view = makeView(frameIn(parent, r), c);
    if (!view) return 0;
    // Every view the toolkit makes takes a tag (AppKit's controls, and the
    // toolkit's own views).
    [(id)view setTag:c.id];
    // A radio button in a group answers to the group.
    if ([parent isKindOfClass:[PlxRadioGroup class]] && [view isKindOfClass:[NSButton class]]) {
        [(NSButton*)view setTarget:parent];
        [(NSButton*)view setAction:@selector(radioClicked:)];
    }
    [parent addSubview:view];
    PlxWindow handle = registerHandle(view, container);
    [view release];
    return handle;
}

void setWindowFrame(PlxWindow window, const DescRect& client) {
    id object = objectOf(window);
    NSSize size = NSMakeSize(client.w > 0 ? client.w : 0, client.h > 0 ? client.h : 0);
    if ([object isKindOfClass:[NSWindow class]]) {
        // The runtime centres a dialog afterwards; x and y only place it
        // until then.
        [(NSWindow*)object setContentSize:size];
    } else if ([object isKindOfClass:[NSView class]]) {
        // A view handed over as a panel's container keeps its place.
        [(NSView*)object setFrameSize:size];
    }
}

PlxWindow containerParent(PlxWindow container) {
    PlxWindow parent = parentOf(container);
    return parent ? parent : container;
}

void setDialogFont(PlxWindow control, DlgFont font) {
    // The Mac's dialogs use the system font; the toolkit's two fonts are
    // its regular and bold faces at the size the descriptions are laid out
    // for.
    id view = objectOf(control);
    if (![view isKindOfClass:[NSControl class]]) return;
    constexpr CGFloat kDialogFontSize = 12;
    [(NSControl*)view setFont:font == kDlgFontBold ? [NSFont boldSystemFontOfSize:kDialogFontSize]
                                                   : [NSFont systemFontOfSize:kDialogFontSize]];
}

void registerDialogClasses() {
    // The toolkit's own views are Objective-C classes: the runtime knows
    // them as soon as the bundle is loaded.
}
