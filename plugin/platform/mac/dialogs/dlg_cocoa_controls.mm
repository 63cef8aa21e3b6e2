// Finding controls and reading and writing their texts and values, on
// Cocoa's controls: what each kind does follows the Mac's rules where they
// differ (any button has a state; a popup keeps its choice when asked for
// a title it lacks; a popup's value 0 selects its first item).
#include <climits>
#include <cstring>
#include <string>

#include "dlg_cocoa.h"
#include "dlg_cocoa_views.h"
#include "plx_dlg_controller.h"
#include "plugin/dialogs/dialog_builder.h"
#include "plugin/support/mymemory.h"
#include "plugin/support/mystrings.h"
#include "xt/xttypes.h"

namespace {

// The popup entry that stands for a separator line.
const char kSeparatorEntry[] = "-";

NSInteger clampedIndex(int32_t value) {
    return value > 0 ? value - 1 : 0;
}

void showText(id view, NSString* text) {
    if ([view isKindOfClass:[NSPopUpButton class]]) {
        // An empty text or a title the list lacks leaves the choice alone.
        if ([text length] && [view indexOfItemWithTitle:text] >= 0) [view selectItemWithTitle:text];
    } else if ([view isKindOfClass:[NSTextField class]]) {
        [(NSTextField*)view setStringValue:text];
    } else if ([view isKindOfClass:[NSButton class]] || [view isKindOfClass:[NSBox class]]) {
        [view setTitle:text];
    } else if ([view isKindOfClass:[NSWindow class]]) {
        [(NSWindow*)view setTitle:text];
    }
}

NSString* textOf(id view) {
    if ([view isKindOfClass:[NSPopUpButton class]]) return [view titleOfSelectedItem];
    if ([view isKindOfClass:[NSTextField class]]) return [(NSTextField*)view stringValue];
    if ([view isKindOfClass:[PlxListBox class]]) {
        NSInteger i = [view selectedIndex];
        return i >= 0 ? [[(PlxListBox*)view items] objectAtIndex:i] : @"";
    }
    return nil;
}

int32_t integerOf(NSString* text) {
    long long v = [text longLongValue];
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(v);
}

} // namespace

PlxWindow getControl(PlxWindow dialog, int32_t controlId) {
    uint32_t commandCode = xtFourCharCode(kPropCommand);
    for (PlxWindow h : descendantsOf(dialog)) {
        id view = objectOf(h);
        if ([view respondsToSelector:@selector(tag)] && [view tag] == controlId) return h;
        intptr_t command = getValueProperty(h, commandCode, 0);
        if (command != 0 && static_cast<int32_t>(command) == controlId) return h;
    }
    return 0;
}

void setControlHandler(PlxWindow control, DlgControlProc handler, void* user) {
    NSView* view = static_cast<NSView*>(objectOf(control));
    if (![view isKindOfClass:[NSView class]]) return;
    [controllerOf(control) setHandler:handler user:user forControl:view];
}

void setControlHandler(PlxWindow dialog, int32_t controlId, DlgControlProc handler, void* user) {
    setControlHandler(getControl(dialog, controlId), handler, user);
}

void setWindowTitle(PlxWindow window, const char* text) {
    id object = objectOf(window);
    if ([object isKindOfClass:[NSWindow class]]) [(NSWindow*)object setTitle:nsText(text)];
}

void setControlText(PlxWindow control, const char* text) {
    id view = objectOf(control);
    if (!view) return;
    try {
        showText(view, nsText(localizeString(text).c_str()));
    } catch (...) {
    }
}

void setControlLiteralText(PlxWindow control, const char* text) {
    id view = objectOf(control);
    if (view) showText(view, nsText(text));
}

char* getControlText(PlxWindow control) {
    NSString* text = textOf(objectOf(control));
    if (!text) return nullptr;
    const char* utf8 = [text UTF8String];
    if (!utf8) utf8 = "";
    size_t size = std::strlen(utf8) + 1;
    char* copy = static_cast<char*>(myalloc(size, 1));
    if (copy) std::memcpy(copy, utf8, size);
    return copy;
}

void setControlValue(PlxWindow control, int32_t value) {
    id view = objectOf(control);
    if ([view isKindOfClass:[NSPopUpButton class]]) {
        NSInteger index = clampedIndex(value);
        if (index < [view numberOfItems]) [view selectItemAtIndex:index];
    } else if ([view isKindOfClass:[NSButton class]]) {
        [(NSButton*)view setState:value ? NSOnState : NSOffState];
    } else if ([view isKindOfClass:[NSComboBox class]]) {
        if (value > 0 && value <= [view numberOfItems]) [view selectItemAtIndex:value - 1];
    } else if ([view isKindOfClass:[NSTextField class]]) {
        [(NSTextField*)view setStringValue:[NSString stringWithFormat:@"%d", value]];
    } else if ([view isKindOfClass:[NSProgressIndicator class]]) {
        [(NSProgressIndicator*)view setDoubleValue:value];
    } else if ([view isKindOfClass:[PlxRadioGroup class]]) {
        [(PlxRadioGroup*)view selectPosition:value];
    } else if ([view isKindOfClass:[PlxListBox class]]) {
        [(PlxListBox*)view setSelectedIndex:value - 1];
    } else if ([view isKindOfClass:[NSTabView class]]) {
        if (value > 0 && value <= [view numberOfTabViewItems]) [view selectTabViewItemAtIndex:value - 1];
    }
}

void setControlValue(PlxWindow dialog, int32_t controlId, int32_t value) {
    setControlValue(getControl(dialog, controlId), value);
}

int32_t getControlValue(PlxWindow control) {
    id view = objectOf(control);
    if ([view isKindOfClass:[NSPopUpButton class]])
        return static_cast<int32_t>([view indexOfSelectedItem] + 1);
    if ([view isKindOfClass:[NSButton class]]) return [(NSButton*)view state] == NSOnState ? 1 : 0;
    if ([view isKindOfClass:[NSComboBox class]])
        return static_cast<int32_t>([view indexOfSelectedItem] + 1);
    if ([view isKindOfClass:[NSTextField class]]) return integerOf([view stringValue]);
    if ([view isKindOfClass:[NSProgressIndicator class]])
        return static_cast<int32_t>([(NSProgressIndicator*)view doubleValue]);
    if ([view isKindOfClass:[PlxRadioGroup class]])
        return static_cast<int32_t>([(PlxRadioGroup*)view selectedPosition]);
    if ([view isKindOfClass:[PlxListBox class]])
        return static_cast<int32_t>([(PlxListBox*)view selectedIndex] + 1);
    if ([view isKindOfClass:[NSTabView class]]) {
        NSTabViewItem* item = [view selectedTabViewItem];
        return item ? static_cast<int32_t>([view indexOfTabViewItem:item] + 1) : 0;
    }
    return 0;
}

int32_t getControlValue(PlxWindow dialog, int32_t controlId) {
    return getControlValue(getControl(dialog, controlId));
}

void beep() {
    NSBeep();
}

void enableControl(PlxWindow control, bool enabled) {
    id view = objectOf(control);
    if ([view isKindOfClass:[NSControl class]]) [(NSControl*)view setEnabled:enabled];
}

void focusControl(PlxWindow control, int32_t selectChars) {
    id view = objectOf(control);
    if (![view isKindOfClass:[NSView class]]) return;
    NSWindow* window = [(NSView*)view window];
    if (!window || ![window makeFirstResponder:view]) return;
    if (![view isKindOfClass:[NSTextField class]]) return;
    NSText* editor = [(NSTextField*)view currentEditor];
    NSUInteger length = [[(NSTextField*)view stringValue] length];
    NSUInteger chars = selectChars > 0 ? static_cast<NSUInteger>(selectChars) : 0;
    [editor setSelectedRange:NSMakeRange(0, chars < length ? chars : length)];
}

void clearControlItems(PlxWindow control) {
    id view = objectOf(control);
    if ([view isKindOfClass:[NSPopUpButton class]] || [view isKindOfClass:[NSComboBox class]])
        [view removeAllItems];
    else if ([view isKindOfClass:[PlxListBox class]])
        [[(PlxListBox*)view items] removeAllObjects];
}

void addControlItem(PlxWindow control, const char* text) {
    id view = objectOf(control);
    if (!text || !view) return;
    if ([view isKindOfClass:[NSPopUpButton class]]) {
        // A Mac menu draws its separator as a line, not as an entry.
        if (std::strcmp(text, kSeparatorEntry) == 0)
            [[view menu] addItem:[NSMenuItem separatorItem]];
        else
            [view addItemWithTitle:nsText(text)];
    } else if ([view isKindOfClass:[NSComboBox class]]) {
        [view addItemWithObjectValue:nsText(text)];
    } else if ([view isKindOfClass:[PlxListBox class]]) {
        [[(PlxListBox*)view items] addObject:nsText(text)];
    }
}

void setControlRange(PlxWindow control, int32_t minimum, int32_t maximum) {
    id view = objectOf(control);
    if (![view isKindOfClass:[NSProgressIndicator class]]) return;
    [(NSProgressIndicator*)view setMinValue:minimum];
    [(NSProgressIndicator*)view setMaxValue:maximum];
}
