// Modal loops.
#include "system.h"
#include "window_internal.h"

#include "ui/focus.h"
#include "ui/messages.h"
#include "ui/modal.h"
#include "ui/window.h"

#include <algorithm>

namespace ui {

using detail::find;
using detail::sys;

namespace detail {

ModalFrame* frameOf(Handle window) {
    auto& modal = sys().modal;
    for (auto it = modal.rbegin(); it != modal.rend(); ++it)
        if (it->window == window) return &*it;
    return nullptr;
}

void windowDestroyed(Handle window) {
    ModalFrame* frame = frameOf(window);
    if (frame && !frame->ended) {
        frame->ended = true;
        frame->result = 2;
    }
}

namespace {

void recordModal(RecordKind kind, const std::string& title, const std::string& text, int result) {
    Record entry;
    entry.kind = kind;
    entry.window = title;
    entry.text = text;
    entry.result = result;
    record(entry);
}

void focusFirstTabStop(Handle window) {
    if (topLevelOf(sys().focus) == window) return;
    std::vector<Handle> order = tabOrder(window);
    if (!order.empty()) focusAndSelect(order.front());
}

// One turn of the loop; false once the loop has ended.
bool turn(Handle window, const std::string& title) {
    auto& s = sys();
    ModalFrame* frame = frameOf(window);
    if (frame->ended) return false;
    if (fireDueTimer()) return true;
    std::uint64_t due = 0;
    if (s.clock < frame->waitUntil) {
        std::uint64_t target = frame->waitUntil;
        if (nextDue(&due) && due < target) target = due;
        if (target > s.clock) s.clock = target;
        return true;
    }
    if (takeScriptedAction(window)) {
        if ((frame = frameOf(window)) != nullptr) frame->lastActivity = s.clock;
        return true;
    }
    bool idleOver = s.clock - frame->lastActivity >= s.idleLimit;
    if (hasOwnTimers(window) && !idleOver && nextDue(&due)) {
        if (due > s.clock) s.clock = due;
        return true;
    }
    recordModal(RecordKind::Fallback, title,
                idleOver ? "idle limit reached; closing" : "nothing more in the script; closing",
                0);
    Message close;
    close.msg = Msg::Close;
    sendMessage(window, close);
    frame = frameOf(window);
    if (!frame->ended) {
        frame->ended = true;
        frame->result = 2;
    }
    return true;
}

} // namespace
} // namespace detail

int runModal(Handle window) {
    auto& s = sys();
    detail::Window* w = find(window);
    if (!w || w->parent != kNoWindow || detail::frameOf(window)) return 0;
    Handle previousActive = s.active;
    Handle previousFocus = s.focus;
    w->visible = true;
    setActiveWindow(window);
    detail::focusFirstTabStop(window);
    detail::ModalFrame frame;
    frame.window = window;
    frame.lastActivity = s.clock;
    s.modal.push_back(frame);
    std::string title = find(window)->text;
    // A message box writes its own, richer records.
    bool quiet = find(window)->kind == Kind::MessageBox;
    if (!quiet) detail::recordModal(RecordKind::Opened, title, "opened", 0);

    while (detail::turn(window, title)) {
    }

    auto it = std::find_if(s.modal.begin(), s.modal.end(),
                           [&](const detail::ModalFrame& f) { return f.window == window; });
    int result = it->result;
    s.modal.erase(it);
    if (detail::Window* still = find(window)) {
        title = still->text;
        still->visible = false;
    }
    if (!quiet) detail::recordModal(RecordKind::Closed, title, "closed", result);
    if (previousActive != window && find(previousActive)) {
        setActiveWindow(previousActive);
        if (detail::topLevelOf(previousFocus) == previousActive) setFocus(previousFocus);
    }
    return result;
}

bool endModal(Handle window, int result) {
    detail::ModalFrame* frame = detail::frameOf(window);
    if (!frame || frame->ended) return false;
    frame->ended = true;
    frame->result = result;
    detail::removeTimers(window);
    return true;
}

bool isModal(Handle window) {
    detail::ModalFrame* frame = detail::frameOf(window);
    return frame && !frame->ended;
}

int modalDepth() {
    return static_cast<int>(sys().modal.size());
}

Handle currentModal() {
    auto& modal = sys().modal;
    return modal.empty() ? kNoWindow : modal.back().window;
}

} // namespace ui
