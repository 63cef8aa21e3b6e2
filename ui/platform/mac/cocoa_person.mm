#include "ui/platform/mac/cocoa_person.h"

#include "ui/dialogs.h"

#include <algorithm>
#include <vector>

namespace cocoaperson {

namespace {

// Handles of observed Cocoa controls: numbers of their own, far above the
// window system's, so that a tree read from Cocoa never names one of its
// windows.
ui::Handle sNextHandle = 0x80000000u;

NSArray* subviewsOf(NSView* view) {
    // A tab view's pages are its items' views, not its subviews.
    if ([view isKindOfClass:[NSTabView class]]) {
        NSMutableArray* pages = [NSMutableArray array];
        for (NSTabViewItem* item in [(NSTabView*)view tabViewItems])
            if ([item view]) [pages addObject:[item view]];
        return pages;
    }
    return [view subviews];
}

NSView* searchTag(NSView* view, int tag) {
    for (NSView* child in subviewsOf(view)) {
        if ([child tag] == tag) return child;
        if (NSView* inner = searchTag(child, tag)) return inner;
    }
    return nil;
}

bool isCheckOrRadio(NSButton* button) {
    return ([[button cell] showsStateBy] & NSContentsCellMask) != 0;
}

bool isRadio(NSButton* button) {
    NSString* name = [[button image] name];
    return isCheckOrRadio(button) && name && [name rangeOfString:@"Radio"].location != NSNotFound;
}

NSString* titleOf(NSView* view) {
    if ([view isKindOfClass:[NSButton class]] && ![view isKindOfClass:[NSPopUpButton class]])
        return [(NSButton*)view title];
    if ([view isKindOfClass:[NSTextField class]]) return [(NSTextField*)view stringValue];
    if ([view isKindOfClass:[NSBox class]]) return [(NSBox*)view title];
    return nil;
}

NSView* searchText(NSView* view, NSString* text) {
    for (NSView* child in subviewsOf(view)) {
        NSString* title = titleOf(child);
        if (title && [title isEqualToString:text]) return child;
        if (NSView* inner = searchText(child, text)) return inner;
    }
    return nil;
}

// A person can work a control that is there, enabled and shown, in a
// window that is shown.
bool usable(NSView* view) {
    if (!view || ![view window] || ![[view window] isVisible]) return false;
    for (NSView* v = view; v; v = [v superview])
        if ([v isHidden]) return false;
    if ([view isKindOfClass:[NSControl class]] && ![(NSControl*)view isEnabled]) return false;
    return true;
}

void sendAction(NSControl* control) {
    if ([control action]) [control sendAction:[control action] to:[control target]];
}

void collectButtons(NSView* view, std::vector<NSButton*>* out) {
    for (NSView* child in [view subviews]) {
        if ([child isKindOfClass:[NSButton class]] && ![child isKindOfClass:[NSPopUpButton class]] &&
            !isCheckOrRadio((NSButton*)child) && usable(child))
            out->push_back((NSButton*)child);
        collectButtons(child, out);
    }
}

// The push buttons of a window from the right, as an alert orders them:
// the first button added (the default) is the rightmost.
std::vector<NSButton*> buttonsFromRight(NSWindow* window) {
    std::vector<NSButton*> buttons;
    collectButtons([window contentView], &buttons);
    std::stable_sort(buttons.begin(), buttons.end(), [](NSButton* a, NSButton* b) {
        return NSMaxX([a convertRect:[a bounds] toView:nil]) >
               NSMaxX([b convertRect:[b bounds] toView:nil]);
    });
    return buttons;
}

NSString* folderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return nil;
    return string(slash == 0 ? std::string("/") : path.substr(0, slash));
}

NSString* nameOf(const std::string& path) {
    size_t slash = path.rfind('/');
    return string(slash == std::string::npos ? path : path.substr(slash + 1));
}

} // namespace

std::string utf8(NSString* text) {
    const char* s = text ? [text UTF8String] : nullptr;
    return s ? s : "";
}

NSString* string(const std::string& text) {
    NSString* s = [NSString stringWithUTF8String:text.c_str()];
    return s ? s : @"";
}

NSWindow* findWindow(const std::string& title) {
    NSString* wanted = string(title);
    NSWindow* modal = [NSApp modalWindow];
    if (modal && [modal isVisible] && [[modal title] isEqualToString:wanted]) return modal;
    for (NSWindow* window in [NSApp windows])
        if ([window isVisible] && [[window title] isEqualToString:wanted]) return window;
    return nil;
}

// A save panel's accessory view holds the caller's controls; they come
// before the panel's own, whose tags are the panel's business.
NSView* accessoryOf(NSWindow* window) {
    return isSavePanel(window) ? [(NSSavePanel*)window accessoryView] : nil;
}

NSView* findControl(NSWindow* window, int tag) {
    if (!window || tag == 0) return nil;
    if (NSView* accessory = accessoryOf(window)) {
        if ([accessory tag] == tag) return accessory;
        if (NSView* found = searchTag(accessory, tag)) return found;
    }
    return searchTag([window contentView], tag);
}

NSView* findControlByText(NSWindow* window, const std::string& text) {
    if (!window) return nil;
    if (NSView* accessory = accessoryOf(window))
        if (NSView* found = searchText(accessory, string(text))) return found;
    return searchText([window contentView], string(text));
}

bool click(NSView* control) {
    if (!usable(control) || ![control isKindOfClass:[NSButton class]] ||
        [control isKindOfClass:[NSPopUpButton class]])
        return false;
    NSButton* button = (NSButton*)control;
    if (isRadio(button)) {
        [button setState:NSOnState];
        for (NSView* sibling in [[button superview] subviews]) {
            if (sibling == button || ![sibling isKindOfClass:[NSButton class]]) continue;
            NSButton* other = (NSButton*)sibling;
            if (isRadio(other) && [other action] == [button action]) [other setState:NSOffState];
        }
    } else if (isCheckOrRadio(button)) {
        [[button cell] setNextState];
    }
    sendAction(button);
    return true;
}

bool check(NSView* checkBox, bool on) {
    if (!usable(checkBox) || ![checkBox isKindOfClass:[NSButton class]] ||
        !isCheckOrRadio((NSButton*)checkBox))
        return false;
    bool isOn = [(NSButton*)checkBox state] == NSOnState;
    return isOn == on || click(checkBox);
}

bool type(NSView* field, const std::string& text) {
    if (!usable(field) || ![field isKindOfClass:[NSTextField class]] ||
        ![(NSTextField*)field isEditable])
        return false;
    NSTextField* textField = (NSTextField*)field;
    [textField setStringValue:string(text)];
    [[NSNotificationCenter defaultCenter]
        postNotificationName:NSControlTextDidChangeNotification
                      object:textField];
    return true;
}

bool choose(NSView* control, int index) {
    if (!usable(control) || index < 0) return false;
    if ([control isKindOfClass:[NSPopUpButton class]]) {
        NSPopUpButton* popUp = (NSPopUpButton*)control;
        if (index >= [popUp numberOfItems]) return false;
        [popUp selectItemAtIndex:index];
        sendAction(popUp);
        return true;
    }
    if ([control isKindOfClass:[NSComboBox class]]) {
        NSComboBox* combo = (NSComboBox*)control;
        if (index >= [combo numberOfItems]) return false;
        [combo selectItemAtIndex:index];
        [combo setStringValue:[[combo itemObjectValueAtIndex:index] description]];
        sendAction(combo);
        return true;
    }
    if ([control isKindOfClass:[NSTabView class]]) {
        NSTabView* tabs = (NSTabView*)control;
        if (index >= [tabs numberOfTabViewItems]) return false;
        [tabs selectTabViewItemAtIndex:index];
        return true;
    }
    return false;
}

bool chooseText(NSView* control, const std::string& item) {
    NSString* wanted = string(item);
    NSInteger index = -1;
    if ([control isKindOfClass:[NSPopUpButton class]]) {
        index = [(NSPopUpButton*)control indexOfItemWithTitle:wanted];
    } else if ([control isKindOfClass:[NSComboBox class]]) {
        index = [(NSComboBox*)control indexOfItemWithObjectValue:wanted];
        if (index == NSNotFound) index = -1;
    } else if ([control isKindOfClass:[NSTabView class]]) {
        NSArray* items = [(NSTabView*)control tabViewItems];
        for (NSUInteger i = 0; i < [items count]; ++i)
            if ([[[items objectAtIndex:i] label] isEqualToString:wanted]) index = (NSInteger)i;
    }
    return index >= 0 && choose(control, static_cast<int>(index));
}

bool answer(NSWindow* window, int button) {
    std::vector<NSButton*> buttons = buttonsFromRight(window);
    if (button < 1 || static_cast<size_t>(button) > buttons.size()) return false;
    return click(buttons[static_cast<size_t>(button) - 1]);
}

bool answerTitled(NSWindow* window, const std::string& title) {
    NSString* wanted = string(title);
    for (NSButton* b : buttonsFromRight(window))
        if ([[b title] isEqualToString:wanted]) return click(b);
    return false;
}

bool choosePath(NSWindow* savePanel, const std::string& path) {
    if (!isSavePanel(savePanel) || ![savePanel isVisible]) return false;
    NSSavePanel* panel = (NSSavePanel*)savePanel;
    if (NSString* folder = folderOf(path)) {
        if ([panel respondsToSelector:@selector(setDirectoryURL:)])
            [panel setDirectoryURL:[NSURL fileURLWithPath:folder]];
        else
            [panel setDirectory:folder];
    }
    [panel setNameFieldStringValue:nameOf(path)];
    [panel ok:nil];
    return true;
}

bool close(NSWindow* window) {
    if (!window || ![window isVisible]) return false;
    if ([window styleMask] & NSClosableWindowMask) {
        [window performClose:nil];
        return true;
    }
    NSView* cancel = findControl(window, 2);
    if (!cancel || ![cancel isKindOfClass:[NSButton class]]) cancel = findControlByText(window, "Cancel");
    if (cancel && click(cancel)) return true;
    if ([NSApp modalWindow] == window) [NSApp stopModalWithCode:2];
    return true;
}

bool isAlert(NSWindow* window) {
    Class alertPanel = NSClassFromString(@"GSAlertPanel");
    return window && alertPanel && [window isKindOfClass:alertPanel];
}

bool isSavePanel(NSWindow* window) {
    return window && [window isKindOfClass:[NSSavePanel class]];
}

std::string alertText(NSWindow* alert) {
    // The alert's texts are its labels, the message first; an empty line
    // between them, as the window system's message box joins a main and a
    // secondary text.
    std::string text;
    std::vector<NSView*> pending(1, [alert contentView]);
    while (!pending.empty()) {
        NSView* view = pending.front();
        pending.erase(pending.begin());
        for (NSView* child in [view subviews]) {
            pending.push_back(child);
            if (![child isKindOfClass:[NSTextField class]] || [(NSTextField*)child isEditable])
                continue;
            std::string line = utf8([(NSTextField*)child stringValue]);
            if (line.empty()) continue;
            text += (text.empty() ? "" : "\n\n") + line;
        }
    }
    return text;
}

NSWindow* addressed(const ui::Action& action) {
    NSWindow* modal = [NSApp modalWindow];
    switch (action.window.by) {
    case ui::WindowRef::By::Current:
        return modal;
    case ui::WindowRef::By::Title:
        return findWindow(action.window.title);
    case ui::WindowRef::By::Kind:
        if (!modal) return nil;
        if (action.window.kind == ui::Kind::MessageBox) return isAlert(modal) ? modal : nil;
        if (action.window.kind == ui::Kind::SaveDialog) return isSavePanel(modal) ? modal : nil;
        return isAlert(modal) || isSavePanel(modal) ? nil : modal;
    }
    return nil;
}

namespace {

// The save panel's own fields and buttons, by the ids the window system's
// save dialog gives them (ui/dialogs.h): typing into the folder or name
// field sets the panel's folder or name, its Save and Cancel are ok: and
// cancel:. False when the action is not one of these.
bool performOnSavePanel(NSSavePanel* panel, const ui::Action& a, bool* done) {
    if (a.control.by != ui::ControlRef::By::Id) return false;
    int tag = a.control.id;
    if (a.verb == ui::Verb::Type && (tag == ui::kSaveFolderId || tag == ui::kSaveNameId)) {
        if (tag == ui::kSaveNameId)
            [panel setNameFieldStringValue:string(a.text)];
        else if ([panel respondsToSelector:@selector(setDirectoryURL:)])
            [panel setDirectoryURL:[NSURL fileURLWithPath:string(a.text)]];
        else
            [panel setDirectory:string(a.text)];
        *done = true;
        return true;
    }
    if (a.verb == ui::Verb::Click && (tag == ui::kSaveOkId || tag == ui::kSaveCancelId)) {
        // The accessory view's own controls come first when they carry
        // the id.
        if ([panel accessoryView] && searchTag([panel accessoryView], tag)) return false;
        if (tag == ui::kSaveOkId)
            [panel ok:nil];
        else
            [panel cancel:nil];
        *done = true;
        return true;
    }
    return false;
}

} // namespace

bool perform(NSWindow* window, const ui::Action& a, std::string* why) {
    bool saved = false;
    if (isSavePanel(window) && performOnSavePanel((NSSavePanel*)window, a, &saved)) return saved;
    NSView* control = nil;
    bool needsControl = a.verb == ui::Verb::Type || a.verb == ui::Verb::Click ||
                        a.verb == ui::Verb::Toggle || a.verb == ui::Verb::Check ||
                        a.verb == ui::Verb::Choose || a.verb == ui::Verb::Focus;
    if (needsControl) {
        if (a.control.by == ui::ControlRef::By::Id)
            control = findControl(window, a.control.id);
        else if (a.control.by == ui::ControlRef::By::Text)
            control = findControlByText(window, a.control.text);
        if (!control) {
            *why = "no such control";
            return false;
        }
    }
    bool done = false;
    switch (a.verb) {
    case ui::Verb::Type:
        done = type(control, a.text);
        break;
    case ui::Verb::Click:
        done = click(control);
        break;
    case ui::Verb::Toggle:
        done = [control isKindOfClass:[NSButton class]] && isCheckOrRadio((NSButton*)control) &&
               click(control);
        break;
    case ui::Verb::Check:
        done = check(control, a.number != 0);
        break;
    case ui::Verb::Choose:
        done = a.number > 0 ? choose(control, a.number - 1) : chooseText(control, a.text);
        break;
    case ui::Verb::Focus:
        done = usable(control) && [window makeFirstResponder:control];
        break;
    case ui::Verb::Path:
        done = choosePath(window, a.text);
        break;
    case ui::Verb::Answer:
        done = a.number > 0 ? answer(window, a.number) : answerTitled(window, a.text);
        break;
    case ui::Verb::Close:
        done = close(window);
        break;
    case ui::Verb::Key:
        if (a.key == ui::Key::Escape) {
            done = close(window);
        } else if (a.key == ui::Key::Return) {
            NSView* ok = findControl(window, 1);
            done = ok && click(ok);
        }
        break;
    case ui::Verb::Wait:
        done = true;
        break;
    }
    if (!done) *why = "not usable that way";
    return done;
}

NSArray* childViews(NSView* view) {
    return subviewsOf(view);
}

ui::ControlInfo observeView(NSView* view) {
    ui::ControlInfo info = describeView(view);
    for (NSView* child in subviewsOf(view)) info.children.push_back(observeView(child));
    return info;
}

ui::ControlInfo describeView(NSView* view) {
    ui::ControlInfo info;
    info.handle = sNextHandle++;
    info.kind = ui::Kind::Pane;
    NSInteger tag = [view tag];
    info.id = tag == 0 ? -1 : static_cast<int>(tag);
    NSRect frame = [view frame];
    info.rect = ui::Rect{static_cast<int>(frame.origin.x), static_cast<int>(frame.origin.y),
                         static_cast<int>(frame.size.width), static_cast<int>(frame.size.height)};
    info.visible = ![view isHiddenOrHasHiddenAncestor];
    info.enabled = ![view isKindOfClass:[NSControl class]] || [(NSControl*)view isEnabled];
    if ([view isKindOfClass:[NSPopUpButton class]]) {
        NSPopUpButton* popUp = (NSPopUpButton*)view;
        info.kind = ui::Kind::Popup;
        for (NSString* title in [popUp itemTitles]) info.items.push_back(utf8(title));
        info.selection = static_cast<int>([popUp indexOfSelectedItem]);
        info.value = info.selection;
        info.text = utf8([popUp titleOfSelectedItem]);
    } else if ([view isKindOfClass:[NSButton class]]) {
        NSButton* button = (NSButton*)view;
        info.kind = isRadio(button)          ? ui::Kind::RadioButton
                    : isCheckOrRadio(button) ? ui::Kind::CheckBox
                                             : ui::Kind::PushButton;
        info.text = utf8([button title]);
        info.value = info.kind == ui::Kind::PushButton ? 0 : [button state] == NSOnState ? 1 : 0;
    } else if ([view isKindOfClass:[NSComboBox class]]) {
        NSComboBox* combo = (NSComboBox*)view;
        info.kind = ui::Kind::ComboBox;
        for (NSInteger i = 0; i < [combo numberOfItems]; ++i)
            info.items.push_back(utf8([[combo itemObjectValueAtIndex:i] description]));
        info.selection = static_cast<int>([combo indexOfSelectedItem]);
        info.text = utf8([combo stringValue]);
    } else if ([view isKindOfClass:[NSTextField class]]) {
        NSTextField* field = (NSTextField*)view;
        info.kind = [field isEditable] ? ui::Kind::Edit : ui::Kind::Static;
        info.text = utf8([field stringValue]);
    } else if ([view isKindOfClass:[NSProgressIndicator class]]) {
        NSProgressIndicator* bar = (NSProgressIndicator*)view;
        info.kind = ui::Kind::ProgressBar;
        info.value = static_cast<std::intptr_t>([bar doubleValue]);
    } else if ([view isKindOfClass:[NSBox class]]) {
        info.kind = ui::Kind::GroupBox;
        info.text = utf8([(NSBox*)view title]);
    } else if ([view isKindOfClass:[NSTabView class]]) {
        NSTabView* tabs = (NSTabView*)view;
        info.kind = ui::Kind::TabControl;
        for (NSTabViewItem* item in [tabs tabViewItems]) info.items.push_back(utf8([item label]));
        info.selection = static_cast<int>([tabs indexOfTabViewItem:[tabs selectedTabViewItem]]);
        info.value = info.selection;
    }
    return info;
}

ui::ControlInfo observe(NSWindow* window) {
    if (!window) return ui::ControlInfo{};
    ui::ControlInfo info = observeView([window contentView]);
    // The accessory's controls first, as they are found first.
    if (NSView* accessory = accessoryOf(window))
        info.children.insert(info.children.begin(), observeView(accessory));
    info.kind = isAlert(window)       ? ui::Kind::MessageBox
                : isSavePanel(window) ? ui::Kind::SaveDialog
                                      : ui::Kind::Window;
    info.id = -1;
    info.text = utf8([window title]);
    info.visible = [window isVisible];
    NSRect frame = [window frame];
    info.rect = ui::Rect{static_cast<int>(frame.origin.x), static_cast<int>(frame.origin.y),
                         static_cast<int>(frame.size.width), static_cast<int>(frame.size.height)};
    return info;
}

bool writePng(NSWindow* window, const std::string& path, std::string* error) {
    // The frame view draws the title bar too (the window system's own
    // decorations are off).
    NSView* view = [[window contentView] superview];
    if (!view) view = [window contentView];
    if (!view) {
        *error = "the window has no view to draw";
        return false;
    }
    [view display];
    NSRect bounds = [view bounds];
    NSBitmapImageRep* bitmap = [view bitmapImageRepForCachingDisplayInRect:bounds];
    if (!bitmap) {
        *error = "the window cannot be drawn";
        return false;
    }
    [view cacheDisplayInRect:bounds toBitmapImageRep:bitmap];
    NSData* png = [bitmap representationUsingType:NSPNGFileType properties:@{}];
    if (!png || ![png writeToFile:string(path) atomically:YES]) {
        *error = path + ": cannot write the picture";
        return false;
    }
    return true;
}

} // namespace cocoaperson
