#include "tests/common/ui_watch.h"

#include <gtest/gtest.h>

namespace plxtest {

WindowWatch::WindowWatch() {
    ui::setObserver(observe, this);
}

WindowWatch::~WindowWatch() {
    ui::setObserver(nullptr);
}

void WindowWatch::observe(const ui::Event& event, void* user) {
    auto* watch = static_cast<WindowWatch*>(user);
    if (event.kind != ui::EventKind::Recorded || !event.record) return;
    const ui::Record& record = *event.record;
    if (record.kind == ui::RecordKind::Opened) {
        ui::Handle window = ui::currentModal();
        watch->open_.emplace_back(window, watch->seen_.size());
        watch->seen_.push_back(Seen{ui::observe(window), ui::ControlInfo{}, 0});
    } else if (record.kind == ui::RecordKind::Closed && !watch->open_.empty()) {
        // The loop that ends is the innermost one; its window is still there.
        auto [window, index] = watch->open_.back();
        watch->open_.pop_back();
        watch->seen_[index].closed = ui::observe(window);
        watch->seen_[index].result = record.result;
    }
}

const WindowWatch::Seen& WindowWatch::titled(const std::string& title) const {
    for (const Seen& s : seen_)
        if (s.opened.text == title) return s;
    ADD_FAILURE() << "no window titled " << title << " was opened";
    static const Seen none;
    return none;
}

bool WindowWatch::sawTitle(const std::string& title) const {
    for (const Seen& s : seen_)
        if (s.opened.text == title) return true;
    return false;
}

ui::ControlInfo controlIn(const ui::ControlInfo& root, int id) {
    for (const ui::ControlInfo& child : root.children) {
        if (child.id == id) return child;
        ui::ControlInfo inner = controlIn(child, id);
        if (inner.handle) return inner;
    }
    return ui::ControlInfo{};
}

void playScript(const std::string& text) {
    std::vector<ui::Action> actions;
    std::string error;
    ASSERT_TRUE(ui::parseScript(text, &actions, &error)) << error;
    ui::setScript(actions);
}

std::vector<std::string> messageBoxTexts() {
    std::vector<std::string> out;
    for (const ui::Record& r : ui::transcript())
        if (r.kind == ui::RecordKind::MessageBox) out.push_back(r.text);
    return out;
}

} // namespace plxtest
