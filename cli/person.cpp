#include "cli/person.h"

#include <cstdio>

namespace plxcli {

Person::Person() {
    ui::clearTranscript();
    ui::setObserver(observe, this);
}

Person::~Person() {
    ui::setObserver(nullptr);
    ui::clearScript();
}

void Person::observe(const ui::Event& event, void* user) {
    auto* person = static_cast<Person*>(user);
    if (event.kind != ui::EventKind::Recorded || !event.record) return;
    const ui::Record& record = *event.record;
    switch (record.kind) {
    case ui::RecordKind::MessageBox: {
        // A box's text may run over several lines; each goes under the title.
        std::string text;
        for (char c : record.text) {
            if (!text.empty() && text.back() == '\n' && c != '\n') text += "  ";
            text += c;
        }
        std::fprintf(stderr, "%s: %s\n", record.window.c_str(), text.c_str());
        break;
    }
    case ui::RecordKind::Opened:
        person->open_.push_back(person->seen_.size());
        person->seen_.push_back(Seen{ui::observe(ui::currentModal()), ui::ControlInfo{}, 0});
        break;
    case ui::RecordKind::Closed:
        // The loop that ends is the innermost; its window is still there.
        if (!person->open_.empty()) {
            Seen& seen = person->seen_[person->open_.back()];
            person->open_.pop_back();
            seen.closed = ui::observe(seen.opened.handle);
            seen.result = record.result;
        }
        break;
    default:
        break;
    }
}

void Person::click(const std::string& window, int id) {
    actions_.push_back(ui::Action::click(ui::WindowRef::titled(window), ui::ControlRef::byId(id)));
}

void Person::clickTitled(const std::string& window, const std::string& title) {
    actions_.push_back(
        ui::Action::click(ui::WindowRef::titled(window), ui::ControlRef::byText(title)));
}

void Person::check(const std::string& window, int id, bool on) {
    actions_.push_back(
        ui::Action::check(ui::WindowRef::titled(window), ui::ControlRef::byId(id), on));
}

void Person::type(const std::string& window, int id, const std::string& text) {
    actions_.push_back(
        ui::Action::type(ui::WindowRef::titled(window), ui::ControlRef::byId(id), text));
}

void Person::chooseText(const std::string& window, int id, const std::string& item) {
    actions_.push_back(
        ui::Action::chooseText(ui::WindowRef::titled(window), ui::ControlRef::byId(id), item));
}

void Person::choose(const std::string& window, int id, int index1) {
    actions_.push_back(
        ui::Action::choose(ui::WindowRef::titled(window), ui::ControlRef::byId(id), index1));
}

void Person::answerMessage(int button) {
    actions_.push_back(ui::Action::answer(ui::WindowRef::ofKind(ui::Kind::MessageBox), button));
}

void Person::act() {
    ui::setScript(actions_);
    actions_.clear();
}

const Person::Seen* Person::last(const std::string& title) const {
    for (auto it = seen_.rbegin(); it != seen_.rend(); ++it)
        if (it->opened.text == title) return &*it;
    return nullptr;
}

std::string Person::trouble() const {
    std::string out;
    for (const ui::Record& r : ui::transcript())
        if (r.kind == ui::RecordKind::Refused) out += ui::formatRecord(r) + "\n";
    for (const ui::Action& a : ui::pendingActions())
        out += "not done: " + ui::formatAction(a) + "\n";
    return out;
}

ui::ControlInfo controlIn(const ui::ControlInfo& root, int id) {
    for (const ui::ControlInfo& child : root.children) {
        if (child.id == id) return child;
        ui::ControlInfo inner = controlIn(child, id);
        if (inner.handle) return inner;
    }
    return ui::ControlInfo{};
}

const char* onOff(long long value) {
    return value ? "on" : "off";
}

} // namespace plxcli
