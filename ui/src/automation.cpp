// Carrying out scripted actions: finding the window and control an action
// addresses, and handing it to the person.
#include "script_internal.h"
#include "system.h"

#include "ui/foreign.h"
#include "ui/modal.h"
#include "ui/person.h"
#include "ui/script.h"
#include "ui/window.h"

namespace ui {

using detail::sys;

namespace {

Handle resolveControl(Handle window, const ControlRef& c) {
    switch (c.by) {
    case ControlRef::By::Id:
        return findControl(window, c.id);
    case ControlRef::By::Command:
        return findControlByCommand(window, c.command);
    case ControlRef::By::Text:
        return findControlByText(window, c.text);
    case ControlRef::By::None:
        break;
    }
    return kNoWindow;
}

bool refuse(Handle window, const Action& a, const std::string& why) {
    return detail::recordAction(window, detail::formatBody(a), why);
}

bool answerByTitle(Handle box, const Action& a) {
    for (Handle button : children(box)) {
        if (kind(button) == Kind::PushButton && text(button) == a.text && isVisible(button))
            return person::answer(box, id(button));
    }
    return refuse(box, a, "no such button");
}

bool performOn(const Action& a, Handle window) {
    Handle control = kNoWindow;
    if (detail::needsControl(a.verb)) {
        control = resolveControl(window, a.control);
        const ForeignControls& foreign = sys().foreign;
        if (!control && foreign.perform) {
            // Perhaps one of the views shown with the window.
            std::string why = "no such control";
            bool done = foreign.perform(window, a, &why, foreign.user);
            return detail::recordAction(window, detail::formatBody(a), done ? std::string() : why);
        }
        if (!control) return refuse(window, a, "no such control");
    }
    switch (a.verb) {
    case Verb::Type:
        return person::type(control, a.text);
    case Verb::Click:
        return person::click(control);
    case Verb::Toggle:
        if (kind(control) != Kind::CheckBox) return refuse(window, a, "not a check box");
        return person::click(control);
    case Verb::Check:
        return person::check(control, a.number != 0);
    case Verb::Choose:
        return a.number > 0 ? person::choose(control, a.number - 1)
                            : person::chooseText(control, a.text);
    case Verb::Focus:
        return person::focusOn(control);
    case Verb::Key:
        return person::pressKey(window, a.key);
    case Verb::Path:
        return person::choosePath(window, a.text);
    case Verb::Answer:
        return a.number > 0 ? person::answer(window, a.number) : answerByTitle(window, a);
    case Verb::Close:
        return person::close(window);
    case Verb::Wait:
        detail::recordAction(window, detail::formatBody(a), std::string());
        advanceTime(static_cast<std::uint64_t>(a.number < 0 ? 0 : a.number));
        return true;
    }
    return false;
}

} // namespace

bool addresses(const Action& a, Handle window) {
    if (!isWindow(window) || !isTopLevel(window)) return false;
    switch (a.window.by) {
    case WindowRef::By::Current:
        return window == currentModal();
    case WindowRef::By::Title:
        return text(window) == a.window.title;
    case WindowRef::By::Kind:
        return kind(window) == a.window.kind;
    }
    return false;
}

bool perform(const Action& a) {
    Handle target = kNoWindow;
    if (a.window.by == WindowRef::By::Current) {
        target = currentModal();
    } else {
        for (Handle h : sys().zorder) {
            if (isVisible(h) && addresses(a, h)) {
                target = h;
                break;
            }
        }
    }
    if (!target) {
        Record entry;
        entry.kind = RecordKind::Refused;
        entry.window = a.window.by == WindowRef::By::Title ? a.window.title : "";
        entry.text = detail::formatBody(a) + " -- refused: no such window";
        detail::record(entry);
        return false;
    }
    return performOn(a, target);
}

namespace detail {

bool takeScriptedAction(Handle window) {
    auto& s = sys();
    if (s.script.empty() || !addresses(s.script.front(), window)) return false;
    Action a = s.script.front();
    s.script.pop_front();
    if (a.verb == Verb::Wait) {
        recordAction(window, formatBody(a), std::string());
        if (ModalFrame* frame = frameOf(window))
            frame->waitUntil = s.clock + static_cast<std::uint64_t>(a.number < 0 ? 0 : a.number);
        return true;
    }
    performOn(a, window);
    return true;
}

} // namespace detail
} // namespace ui
