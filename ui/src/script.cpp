// Actions, the script queue, and the script's text form.
#include "script_internal.h"
#include "system.h"

#include "ui/script.h"

#include <cctype>

namespace ui {

using detail::sys;

WindowRef WindowRef::current() {
    return WindowRef();
}

WindowRef WindowRef::titled(const std::string& title) {
    WindowRef r;
    r.by = By::Title;
    r.title = title;
    return r;
}

WindowRef WindowRef::ofKind(Kind kind) {
    WindowRef r;
    r.by = By::Kind;
    r.kind = kind;
    return r;
}

ControlRef ControlRef::none() {
    return ControlRef();
}

ControlRef ControlRef::byId(int id) {
    ControlRef r;
    r.by = By::Id;
    r.id = id;
    return r;
}

ControlRef ControlRef::byCommand(std::uint32_t code) {
    ControlRef r;
    r.by = By::Command;
    r.command = code;
    return r;
}

ControlRef ControlRef::byText(const std::string& text) {
    ControlRef r;
    r.by = By::Text;
    r.text = text;
    return r;
}

namespace {

Action make(Verb verb, WindowRef w, ControlRef c = ControlRef::none()) {
    Action a;
    a.verb = verb;
    a.window = std::move(w);
    a.control = std::move(c);
    return a;
}

Action withText(Action a, const std::string& text) {
    a.text = text;
    return a;
}

Action withNumber(Action a, int number) {
    a.number = number;
    return a;
}

const char* const kVerbNames[] = {"type", "click", "toggle", "check", "choose", "focus",
                                  "key",  "path",  "answer", "close", "wait"};
constexpr int kVerbCount = sizeof(kVerbNames) / sizeof(kVerbNames[0]);

} // namespace

Action Action::type(WindowRef w, ControlRef c, const std::string& text) {
    return withText(make(Verb::Type, w, c), text);
}
Action Action::click(WindowRef w, ControlRef c) {
    return make(Verb::Click, w, c);
}
Action Action::toggle(WindowRef w, ControlRef c) {
    return make(Verb::Toggle, w, c);
}
Action Action::check(WindowRef w, ControlRef c, bool on) {
    return withNumber(make(Verb::Check, w, c), on ? 1 : 0);
}
Action Action::choose(WindowRef w, ControlRef c, int index1) {
    return withNumber(make(Verb::Choose, w, c), index1);
}
Action Action::chooseText(WindowRef w, ControlRef c, const std::string& item) {
    return withText(make(Verb::Choose, w, c), item);
}
Action Action::focus(WindowRef w, ControlRef c) {
    return make(Verb::Focus, w, c);
}
Action Action::press(WindowRef w, Key k) {
    Action a = make(Verb::Key, w);
    a.key = k;
    return a;
}
Action Action::path(WindowRef w, const std::string& p) {
    return withText(make(Verb::Path, w), p);
}
Action Action::answer(WindowRef w, int button1) {
    return withNumber(make(Verb::Answer, w), button1);
}
Action Action::answerText(WindowRef w, const std::string& title) {
    return withText(make(Verb::Answer, w), title);
}
Action Action::close(WindowRef w) {
    return make(Verb::Close, w);
}
Action Action::wait(WindowRef w, int ms) {
    return withNumber(make(Verb::Wait, w), ms);
}

const char* verbName(Verb verb) {
    int index = static_cast<int>(verb);
    return index >= 0 && index < kVerbCount ? kVerbNames[index] : "?";
}

void setScript(const std::vector<Action>& actions) {
    sys().script.assign(actions.begin(), actions.end());
}

void appendScript(const std::vector<Action>& actions) {
    sys().script.insert(sys().script.end(), actions.begin(), actions.end());
}

void clearScript() {
    sys().script.clear();
}

std::size_t scriptRemaining() {
    return sys().script.size();
}

std::vector<Action> pendingActions() {
    return std::vector<Action>(sys().script.begin(), sys().script.end());
}

namespace detail {

bool verbFromName(const std::string& name, Verb* verb) {
    for (int i = 0; i < kVerbCount; ++i) {
        if (name == kVerbNames[i]) {
            *verb = static_cast<Verb>(i);
            return true;
        }
    }
    return false;
}

bool needsControl(Verb verb) {
    return verb == Verb::Type || verb == Verb::Click || verb == Verb::Toggle ||
           verb == Verb::Check || verb == Verb::Choose || verb == Verb::Focus;
}

std::string formatControl(const ControlRef& c) {
    switch (c.by) {
    case ControlRef::By::Id:
        return "#" + std::to_string(c.id);
    case ControlRef::By::Command:
        return "'" + fourCCText(c.command) + "'";
    case ControlRef::By::Text:
        return quoted(c.text);
    case ControlRef::By::None:
        break;
    }
    return std::string();
}

// The action without its window address: "type #3 \"1-4\"".
std::string formatBody(const Action& a) {
    std::string out = verbName(a.verb);
    if (needsControl(a.verb)) out += " " + formatControl(a.control);
    switch (a.verb) {
    case Verb::Type:
    case Verb::Path:
        out += " " + quoted(a.text);
        break;
    case Verb::Check:
        out += a.number ? " on" : " off";
        break;
    case Verb::Choose:
    case Verb::Answer:
        out += " " + (a.number > 0 ? std::to_string(a.number) : quoted(a.text));
        break;
    case Verb::Key:
        out += std::string(" ") + keyName(a.key);
        break;
    case Verb::Wait:
        out += " " + std::to_string(a.number);
        break;
    default:
        break;
    }
    return out;
}

} // namespace detail

std::string formatAction(const Action& a) {
    std::string address;
    switch (a.window.by) {
    case WindowRef::By::Current:
        address = "*";
        break;
    case WindowRef::By::Kind:
        address = std::string("@") + kindName(a.window.kind);
        break;
    case WindowRef::By::Title:
        for (std::size_t i = 0; i < a.window.title.size(); ++i) {
            char c = a.window.title[i];
            // A title that would read as an address of another sort is escaped.
            bool special = c == ']' || c == '\\' || (i == 0 && (c == '*' || c == '@'));
            if (special) address += '\\';
            address += c;
        }
        break;
    }
    return "[" + address + "] " + detail::formatBody(a);
}

} // namespace ui
