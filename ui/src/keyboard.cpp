// The standard keyboard handling of top-level windows: Tab and Shift+Tab,
// Return, Escape and Space.
#include "system.h"
#include "window_internal.h"

#include "ui/dialogs.h"
#include "ui/focus.h"
#include "ui/messages.h"
#include "ui/window.h"

#include <algorithm>

namespace ui {
namespace detail {

namespace {

std::intptr_t moveFocus(Handle window, bool forward) {
    std::vector<Handle> order = tabOrder(window);
    if (order.empty()) return 0;
    int n = static_cast<int>(order.size());
    auto it = std::find(order.begin(), order.end(), sys().focus);
    int at = it == order.end() ? -1 : static_cast<int>(it - order.begin());
    int next = forward ? (at < 0 ? 0 : (at + 1) % n) : (at < 0 ? n - 1 : (at - 1 + n) % n);
    focusAndSelect(order[next]);
    return 1;
}

// Return in a multi-line edit that takes it: a line break replaces the selection.
bool typeLineBreak(Handle window) {
    Handle f = sys().focus;
    Window* w = find(f);
    const std::uint32_t wanted = style::MultiLine | style::WantReturn;
    if (!w || w->kind != Kind::Edit || (w->style & wanted) != wanted ||
        (w->style & style::ReadOnly) || topLevelOf(f) != window || !isUsable(f))
        return false;
    TextSelection sel = textSelection(f);
    std::size_t from = byteOffset(w->text, sel.start);
    std::size_t to = byteOffset(w->text, sel.end);
    w->text.replace(from, to - from, "\n");
    w->selStart = w->selEnd = sel.start + 1;
    notifyParent(f, Notify::TextChanged);
    return true;
}

// Return and Escape act as the control with id 1 or 2 would, when there is one.
std::intptr_t pressButtonId(Handle window, int id) {
    Handle button = findControl(window, id);
    if (button && !isUsable(button)) {
        beep();
        return 1;
    }
    if (button) {
        notifyParent(button, Notify::Clicked);
        return 1;
    }
    Message command;
    command.msg = Msg::Command;
    command.id = id;
    command.notify = Notify::Clicked;
    sendMessage(window, command);
    return 1;
}

} // namespace

std::intptr_t standardKey(Handle window, Key key) {
    switch (key) {
    case Key::Tab:
        return moveFocus(window, true);
    case Key::ShiftTab:
        return moveFocus(window, false);
    case Key::Return:
        if (typeLineBreak(window)) return 1;
        return pressButtonId(window, 1);
    case Key::Escape:
        return pressButtonId(window, 2);
    case Key::Space: {
        Handle f = sys().focus;
        Window* w = find(f);
        if (!w || topLevelOf(f) != window || !isUsable(f)) return 0;
        if (w->kind != Kind::PushButton && w->kind != Kind::CheckBox &&
            w->kind != Kind::RadioButton)
            return 0;
        clickNow(f);
        return 1;
    }
    }
    return 0;
}

} // namespace detail
} // namespace ui
