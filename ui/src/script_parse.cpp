// Reading the script's text form.
#include "script_internal.h"
#include "system.h"

#include "ui/script.h"

namespace ui {

namespace {

// A cursor over one line; every reader returns false with `error` set.
class LineReader {
  public:
    explicit LineReader(const std::string& line) : line_(line) {}

    std::string error;

    void skipBlanks() {
        while (pos_ < line_.size() && (line_[pos_] == ' ' || line_[pos_] == '\t'))
            ++pos_;
    }
    bool atEnd() {
        skipBlanks();
        return pos_ >= line_.size();
    }
    char peek() {
        skipBlanks();
        return pos_ < line_.size() ? line_[pos_] : '\0';
    }

    // [address]: sets *plain when no character was escaped.
    bool address(std::string* out, bool* plain) {
        if (peek() != '[') return fail("expected a window address in [ ]");
        ++pos_;
        *plain = true;
        for (; pos_ < line_.size(); ++pos_) {
            char c = line_[pos_];
            if (c == ']') {
                ++pos_;
                return true;
            }
            if (c == '\\' && pos_ + 1 < line_.size()) {
                *plain = false;
                c = line_[++pos_];
            }
            *out += c;
        }
        return fail("the window address has no closing ]");
    }

    // A word of letters, digits and '+': verbs, key names, on/off.
    bool word(std::string* out) {
        skipBlanks();
        std::size_t start = pos_;
        while (pos_ < line_.size() &&
               (std::isalnum(static_cast<unsigned char>(line_[pos_])) || line_[pos_] == '+'))
            ++pos_;
        *out = line_.substr(start, pos_ - start);
        return !out->empty() || fail("expected a word");
    }

    bool quotedText(std::string* out) {
        if (peek() != '"') return fail("expected a text in double quotes");
        for (++pos_; pos_ < line_.size(); ++pos_) {
            char c = line_[pos_];
            if (c == '"') {
                ++pos_;
                return true;
            }
            if (c == '\\' && pos_ + 1 < line_.size()) {
                c = line_[++pos_];
                c = c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
            }
            *out += c;
        }
        return fail("a text has no closing \"");
    }

    // A decimal integer that fits an int, optionally negative.
    bool number(int* out) {
        skipBlanks();
        bool negative = pos_ < line_.size() && line_[pos_] == '-';
        if (negative) ++pos_;
        long long value = 0;
        std::size_t digits = 0;
        while (pos_ < line_.size() && std::isdigit(static_cast<unsigned char>(line_[pos_]))) {
            value = value * 10 + (line_[pos_++] - '0');
            if (value > 0x7fffffffLL) return fail("a number is too large");
            ++digits;
        }
        if (digits == 0) return fail("expected a number");
        *out = static_cast<int>(negative ? -value : value);
        return true;
    }

    bool control(ControlRef* out) {
        char c = peek();
        if (c == '#') {
            ++pos_;
            int id = 0;
            if (!number(&id)) return false;
            *out = ControlRef::byId(id);
            return true;
        }
        if (c == '\'') {
            if (pos_ + 5 >= line_.size() || line_[pos_ + 5] != '\'')
                return fail("a command code is four characters in single quotes");
            *out = ControlRef::byCommand(fourCC(line_.substr(pos_ + 1, 4)));
            pos_ += 6;
            return true;
        }
        if (c == '"') {
            std::string text;
            if (!quotedText(&text)) return false;
            *out = ControlRef::byText(text);
            return true;
        }
        return fail("expected a control: #id, 'code' or \"text\"");
    }

    // A 1-based number or a quoted text (choose, answer).
    bool indexOrText(Action* a) {
        if (peek() == '"') return quotedText(&a->text);
        if (!number(&a->number)) return false;
        return a->number > 0 || fail("an index counts from 1");
    }

  private:
    bool fail(const std::string& what) {
        if (error.empty()) error = what;
        return false;
    }

    const std::string& line_;
    std::size_t pos_ = 0;
};

bool windowRef(const std::string& address, bool plain, WindowRef* out) {
    if (plain && address == "*") {
        *out = WindowRef::current();
        return true;
    }
    if (plain && !address.empty() && address[0] == '@') {
        Kind kind;
        if (!kindFromName(address.substr(1), &kind) ||
            (kind != Kind::Window && kind != Kind::MessageBox && kind != Kind::SaveDialog))
            return false;
        *out = WindowRef::ofKind(kind);
        return true;
    }
    *out = WindowRef::titled(address);
    return true;
}

bool arguments(LineReader& in, Action* a) {
    std::string word;
    switch (a->verb) {
    case Verb::Type:
    case Verb::Path:
        return in.quotedText(&a->text);
    case Verb::Check:
        if (!in.word(&word)) return false;
        if (word != "on" && word != "off") {
            in.error = "check takes on or off";
            return false;
        }
        a->number = word == "on" ? 1 : 0;
        return true;
    case Verb::Choose:
    case Verb::Answer:
        return in.indexOrText(a);
    case Verb::Key:
        if (!in.word(&word)) return false;
        if (!keyFromName(word, &a->key)) {
            in.error = "unknown key \"" + word + "\"";
            return false;
        }
        return true;
    case Verb::Wait:
        if (!in.number(&a->number)) return false;
        if (a->number < 0) in.error = "a wait cannot be negative";
        return a->number >= 0;
    default:
        return true;
    }
}

bool parseLine(const std::string& line, Action* a, std::string* error) {
    LineReader in(line);
    std::string address;
    bool plain = true;
    std::string verb;
    bool ok = in.address(&address, &plain);
    if (ok && !windowRef(address, plain, &a->window)) {
        *error = "unknown window kind \"" + address + "\"";
        return false;
    }
    ok = ok && in.word(&verb);
    if (ok && !detail::verbFromName(verb, &a->verb)) {
        *error = "unknown action \"" + verb + "\"";
        return false;
    }
    ok = ok && (!detail::needsControl(a->verb) || in.control(&a->control));
    ok = ok && arguments(in, a);
    if (ok && !in.atEnd()) in.error = "unexpected text after the action";
    *error = in.error;
    return error->empty();
}

} // namespace

bool parseScript(const std::string& text, std::vector<Action>* actions, std::string* error) {
    std::vector<Action> parsed;
    std::size_t start = 0;
    int number = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') continue;
        Action a;
        std::string what;
        if (!parseLine(line, &a, &what)) {
            if (error) *error = "line " + std::to_string(number) + ": " + what;
            return false;
        }
        parsed.push_back(a);
    }
    if (actions) *actions = std::move(parsed);
    return true;
}

} // namespace ui
