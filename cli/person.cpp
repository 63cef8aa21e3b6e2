#include "cli/person.h"

#include <cstdio>

namespace plxcli {

Person::Person() : watch_(showMessageBox, this) {
    ui::clearTranscript();
}

Person::~Person() {
    ui::clearScript();
}

void Person::showMessageBox(const ui::Record& box, void* user) {
    ++static_cast<Person*>(user)->messageBoxes_;
    // A box's text may run over several lines; each goes under the title.
    std::string text;
    for (char c : box.text) {
        if (!text.empty() && text.back() == '\n' && c != '\n') text += "  ";
        text += c;
    }
    std::fprintf(stderr, "%s: %s\n", box.window.c_str(), text.c_str());
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

std::string Person::trouble() const {
    std::string out;
    for (const ui::Record& r : ui::transcript())
        if (r.kind == ui::RecordKind::Refused) out += ui::formatRecord(r) + "\n";
    for (const ui::Action& a : ui::pendingActions())
        out += "not done: " + ui::formatAction(a) + "\n";
    return out;
}

const char* onOff(long long value) {
    return value ? "on" : "off";
}

} // namespace plxcli
