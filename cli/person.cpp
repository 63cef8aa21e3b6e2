#include "cli/person.h"

#include <unistd.h>

#include "cli/messages.h"

namespace plxcli {

Person::Person() : terminal_(isatty(STDERR_FILENO) != 0), watch_(showMessageBox, this) {
    ui::clearTranscript();
    watch_.setListener(listen, this);
    driver_ = startWindowDriver(*this);
}

Person::~Person() {
    driver_.reset();
    watch_.setListener(nullptr, nullptr);
    ui::clearScript();
    clearBar();
}

void Person::showMessageBox(const ui::Record& box, void* user) {
    auto* self = static_cast<Person*>(user);
    ++self->messageBoxes_;
    self->lastMessage_ = box.text;
    // A box's text may run over several lines; each goes under the title.
    std::string text;
    for (char c : box.text) {
        if (!text.empty() && text.back() == '\n' && c != '\n') text += "  ";
        text += c;
    }
    self->printLine(stderr, box.window + ": " + text);
}

void Person::listen(const ui::Event& event, void* user) {
    auto* self = static_cast<Person*>(user);
    if (event.kind == ui::EventKind::ProgressChanged) {
        self->barSpan_ = static_cast<long>(event.maximum) - event.minimum;
        self->barDone_ = static_cast<long>(event.value) - event.minimum;
        self->drawBar();
    } else if (event.kind == ui::EventKind::Recorded && event.record &&
               event.record->kind == ui::RecordKind::Closed) {
        // A window's bar goes with the window.
        self->clearBar();
        self->barSpan_ = 0;
    }
    if (self->listener_) self->listener_(event);
}

void Person::drawBar() {
    if (!terminal_ || barSpan_ <= 0) return;
    const int width = 40;
    long done = barDone_ < 0 ? 0 : barDone_ > barSpan_ ? barSpan_ : barDone_;
    int filled = static_cast<int>(done * width / barSpan_);
    std::fprintf(stderr, "\r[%-*.*s] %ld/%ld\033[K", width, filled,
                 "########################################", done, barSpan_);
    std::fflush(stderr);
    barDrawn_ = true;
}

void Person::clearBar() {
    if (!barDrawn_) return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    barDrawn_ = false;
}

void Person::printLine(std::FILE* stream, const std::string& line) {
    bool redraw = barDrawn_;
    clearBar();
    std::fprintf(stream, "%s\n", line.c_str());
    std::fflush(stream);
    if (redraw) drawBar();
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

void Person::seeForeign(const ui::Record& record, const ui::ControlInfo& window) {
    if (record.kind == ui::RecordKind::Refused) foreignTrouble_ += ui::formatRecord(record) + "\n";
    watch_.noteForeign(record, window);
}

void Person::seeForeignProgress(int value, int minimum, int maximum) {
    watch_.noteForeignProgress(value, minimum, maximum);
}

std::string Person::trouble() const {
    std::string out = foreignTrouble_;
    for (const ui::Record& r : ui::transcript())
        if (r.kind == ui::RecordKind::Refused) out += ui::formatRecord(r) + "\n";
    for (const ui::Action& a : ui::pendingActions())
        out += say("not done: %1", {ui::formatAction(a)}) + "\n";
    return out;
}

} // namespace plxcli
