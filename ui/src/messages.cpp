// Window procedures, registered classes and message delivery.
#include "system.h"

#include "ui/messages.h"
#include "ui/modal.h"
#include "ui/window.h"

namespace ui {

using detail::find;

void registerClass(const std::string& name, WindowProc proc, void* user) {
    detail::sys().classes[name] = ProcRef{proc, user};
}

bool isClassRegistered(const std::string& name) {
    return detail::sys().classes.count(name) > 0;
}

bool unregisterClass(const std::string& name) {
    return detail::sys().classes.erase(name) > 0;
}

ProcRef setWindowProc(Handle window, WindowProc proc, void* user) {
    detail::Window* w = find(window);
    if (!w) return ProcRef();
    ProcRef previous = w->proc;
    w->proc = ProcRef{proc, user};
    return previous;
}

ProcRef windowProc(Handle window) {
    detail::Window* w = find(window);
    return w ? w->proc : ProcRef();
}

std::intptr_t sendMessage(Handle window, const Message& msg) {
    detail::Window* w = find(window);
    if (!w) return 0;
    // Copied: the procedure may destroy the window, or replace itself.
    ProcRef proc = w->proc;
    return callProc(proc, window, msg);
}

std::intptr_t callProc(const ProcRef& proc, Handle window, const Message& msg) {
    if (proc.proc) return proc.proc(window, msg, proc.user);
    return defaultProc(window, msg);
}

std::intptr_t defaultProc(Handle window, const Message& msg) {
    detail::Window* w = find(window);
    if (!w) return 0;
    bool top = w->parent == kNoWindow;
    switch (msg.msg) {
    case Msg::Command:
        if (!top) return sendMessage(w->parent, msg);
        if (msg.notify == Notify::Clicked && (msg.id == 1 || msg.id == 2) && isModal(window)) {
            endModal(window, msg.id);
            return 1;
        }
        return 0;
    case Msg::Close:
        if (!top) return 0;
        if (isModal(window))
            endModal(window, 2);
        else
            destroyWindow(window);
        return 1;
    case Msg::Key:
        return top ? detail::standardKey(window, static_cast<Key>(msg.value)) : 0;
    case Msg::GetValue:
        return w->value;
    case Msg::SetValue:
        w->value = msg.value;
        return 1;
    default:
        return 0;
    }
}

bool notifyParent(Handle control, Notify notify) {
    detail::Window* w = find(control);
    if (!w || w->parent == kNoWindow) return false;
    Message command;
    command.msg = Msg::Command;
    command.source = control;
    command.id = w->id;
    command.notify = notify;
    sendMessage(w->parent, command);
    return true;
}

} // namespace ui
