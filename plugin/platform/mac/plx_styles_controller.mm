#include "plx_styles_controller.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "plugin/styles/style_data.h"
#include "plugin/styles/style_panel.h"
#include "plugin/support/bounded.h"
#include "plugin/support/mystrings.h"

namespace {

// The panel's height; controls are placed from its top as the panel's
// window description lays them out.
constexpr CGFloat kPanelWidth = 362;
constexpr CGFloat kPanelHeight = 118;
constexpr uint32_t kNoNumber = 4;

NSRect fromTop(CGFloat x, CGFloat top, CGFloat w, CGFloat h) {
    return NSMakeRect(x, kPanelHeight - top - h, w, h);
}

NSString* localized(const char* key) {
    std::string text = localizeString(key);
    return [NSString stringWithUTF8String:text.c_str()];
}

NSString* literal(const char* text) {
    NSString* s = [NSString stringWithUTF8String:text];
    return s ? s : @"";
}

// Labels are tagged as the panel's static texts (1 "filename:", 3, 5, 7
// the "+" between the controls); each is a line of the system font high.
void addLabel(NSView* view, NSInteger tag, NSString* text, NSRect frame) {
    NSTextField* label = [[[NSTextField alloc] initWithFrame:frame] autorelease];
    [label setTag:tag];
    [label setStringValue:text];
    [label setEditable:NO];
    [label setSelectable:NO];
    [label setBezeled:NO];
    [label setBordered:NO];
    [label setDrawsBackground:NO];
    [view addSubview:label];
}

NSPopUpButton* addPopUp(NSView* view, NSInteger tag, NSRect frame) {
    NSPopUpButton* popUp = [[[NSPopUpButton alloc] initWithFrame:frame pullsDown:NO] autorelease];
    [popUp setTag:tag];
    [view addSubview:popUp];
    return popUp;
}

NSTextField* addField(NSView* view, NSInteger tag, NSRect frame, const char* text) {
    NSTextField* field = [[[NSTextField alloc] initWithFrame:frame] autorelease];
    [field setTag:tag];
    [field setStringValue:literal(text)];
    [view addSubview:field];
    return field;
}

NSButton* addCheckBox(NSView* view, NSInteger tag, const char* key, NSRect frame, bool on) {
    NSButton* box = [[[NSButton alloc] initWithFrame:frame] autorelease];
    [box setButtonType:NSSwitchButton];
    [box setTitle:localized(key)];
    [box setTag:tag];
    [box setState:on ? NSOnState : NSOffState];
    [view addSubview:box];
    return box;
}

// A field's text into a 32-byte option: a text longer than 31 bytes is
// taken as the empty text rather than cut.
void readOption(NSTextField* field, char (&option)[32]) {
    const char* text = [[field stringValue] UTF8String];
    if (!text || std::strlen(text) > static_cast<size_t>(kStyleTextMax)) text = "";
    copyText(option, sizeof option, text);
}

} // namespace

@implementation PlxStylesController

- (id)initWithStyleRef:(OutputStyleRef)styleRef mediaRef:(uint32_t)mediaRef {
    self = [super init];
    if (!self) return nil;
    _styleRef = styleRef;
    _mediaRef = mediaRef;
    PlxStyleData data = styleDataForStyle(styleRef);

    _view = [[NSView alloc] initWithFrame:NSMakeRect(0, 0, kPanelWidth, kPanelHeight)];
    addLabel(_view, 1, localized("filename:"), fromTop(11, 10, 150, 16));
    _baseNameBtn = [addPopUp(_view, 2, fromTop(11, 33, 90, 20)) retain];
    [_baseNameBtn addItemWithTitle:localized("project")];
    [_baseNameBtn addItemWithTitle:localized("layout")];
    // Stored values beyond the lists mean what the naming makes of them:
    // any base but 0 is the layout, any numbering from 4 on is none.
    [_baseNameBtn selectItemAtIndex:data.base == 0 ? 0 : 1];
    addLabel(_view, 3, @"+", fromTop(105, 35, 12, 16));
    _separatorBtn = [addField(_view, 4, fromTop(120, 33, 45, 20), data.separator) retain];
    addLabel(_view, 5, @"+", fromTop(170, 35, 12, 16));
    _numberingBtn = [addPopUp(_view, 6, fromTop(185, 33, 75, 20)) retain];
    for (NSString* format in @[ @"x", @"0x", @"00x", @"000x" ])
        [_numberingBtn addItemWithTitle:format];
    [_numberingBtn addItemWithTitle:localized("none")];
    [_numberingBtn selectItemAtIndex:std::min(data.numbering, kNoNumber)];
    addLabel(_view, 7, @"+", fromTop(264, 35, 12, 16));
    _suffixBtn = [addField(_view, 8, fromTop(279, 33, 72, 20), data.suffix) retain];
    _numberBeforeNameBtn = [addCheckBox(_view, 9, "numberBeforeName", fromTop(11, 65, 341, 16),
                                        data.numberBeforeName != 0) retain];
    _pageMarginsBtn = [addCheckBox(_view, 10, "pageMargins", fromTop(11, 91, 341, 16),
                                   data.pageMargins != 0) retain];
    return self;
}

- (void)dealloc {
    [_view release];
    [_baseNameBtn release];
    [_separatorBtn release];
    [_numberingBtn release];
    [_suffixBtn release];
    [_pageMarginsBtn release];
    [_numberBeforeNameBtn release];
    [super dealloc];
}

- (NSView*)view {
    return _view;
}

- (NSString*)title {
    return @"Plexmoor";
}

- (void)setParent:(id)container {
    _container = container;
}

- (void)saveSettings {
    PlxStyleData data;
    std::memset(&data, 0, sizeof data);
    NSInteger base = [_baseNameBtn indexOfSelectedItem];
    NSInteger numbering = [_numberingBtn indexOfSelectedItem];
    data.base = base > 0 ? static_cast<uint32_t>(base) : 0;
    data.numbering = numbering > 0 ? static_cast<uint32_t>(numbering) : 0;
    readOption(_separatorBtn, data.separator);
    readOption(_suffixBtn, data.suffix);
    data.pageMargins = [_pageMarginsBtn state] == NSOnState ? 1 : 0;
    data.numberBeforeName = [_numberBeforeNameBtn state] == NSOnState ? 1 : 0;
    setStyleData(_styleRef, data);
}

@end
