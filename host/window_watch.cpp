#include "host/window_watch.h"

#include "ui/modal.h"

namespace plxhost {

WindowWatch::WindowWatch(MessageBoxProc onMessageBox, void* user)
    : onMessageBox_(onMessageBox), user_(user) {
    ui::setObserver(observe, this);
}

WindowWatch::~WindowWatch() {
    ui::setObserver(nullptr);
}

void WindowWatch::setListener(Listener listener, void* user) {
    listener_ = listener;
    listenerUser_ = user;
}

void WindowWatch::observe(const ui::Event& event, void* user) {
    auto* watch = static_cast<WindowWatch*>(user);
    // A window outside the window system told through ui::recordForeign
    // comes with its tree.
    if (event.kind == ui::EventKind::Recorded && event.record)
        watch->note(*event.record, event.window);
    if (watch->listener_) watch->listener_(event, watch->listenerUser_);
}

void WindowWatch::noteForeign(const ui::Record& record, const ui::ControlInfo& window) {
    note(record, &window);
    ui::Event event;
    event.kind = ui::EventKind::Recorded;
    event.record = &record;
    if (listener_) listener_(event, listenerUser_);
}

void WindowWatch::noteForeignProgress(int value, int minimum, int maximum) {
    ui::Event event;
    event.kind = ui::EventKind::ProgressChanged;
    event.value = value;
    event.minimum = minimum;
    event.maximum = maximum;
    if (listener_) listener_(event, listenerUser_);
}

// `window`: the window as observed, or null for the window system's
// current one.
void WindowWatch::note(const ui::Record& record, const ui::ControlInfo* window) {
    WindowWatch* watch = this;
    switch (record.kind) {
    case ui::RecordKind::MessageBox:
        if (watch->onMessageBox_) watch->onMessageBox_(record, watch->user_);
        break;
    case ui::RecordKind::Opened:
        watch->open_.push_back(watch->seen_.size());
        watch->seen_.push_back(
            Seen{window ? *window : ui::observe(ui::currentModal()), ui::ControlInfo{}, 0});
        break;
    case ui::RecordKind::Closed:
        // The loop that ends is the innermost; its window is still there.
        if (!watch->open_.empty()) {
            Seen& seen = watch->seen_[watch->open_.back()];
            watch->open_.pop_back();
            seen.closed = window ? *window : ui::observe(seen.opened.handle);
            seen.result = record.result;
        }
        break;
    default:
        break;
    }
}

const WindowWatch::Seen* WindowWatch::first(const std::string& title) const {
    for (const Seen& s : seen_)
        if (s.opened.text == title) return &s;
    return nullptr;
}

const WindowWatch::Seen* WindowWatch::last(const std::string& title) const {
    for (auto it = seen_.rbegin(); it != seen_.rend(); ++it)
        if (it->opened.text == title) return &*it;
    return nullptr;
}

ui::ControlInfo controlIn(const ui::ControlInfo& root, int id) {
    for (const ui::ControlInfo& child : root.children) {
        if (child.id == id) return child;
        ui::ControlInfo inner = controlIn(child, id);
        if (inner.handle) return inner;
    }
    return ui::ControlInfo{};
}

} // namespace plxhost
