// The transcript of actions and message boxes, and the observer.
#include "system.h"
#include "window_internal.h"

#include "ui/observe.h"
#include "ui/window.h"

namespace ui {

using detail::sys;

namespace detail {

void record(Record entry, const ControlInfo* window) {
    auto& s = sys();
    if (entry.kind == RecordKind::Refused) ++s.refused;
    s.transcript.push_back(entry);
    if (s.observer) {
        Event event;
        event.kind = EventKind::Recorded;
        event.record = &entry;
        event.window = window;
        s.observer(event, s.observerUser);
    }
}

bool recordAction(Handle window, const std::string& line, const std::string& refusal) {
    Record entry;
    entry.kind = refusal.empty() ? RecordKind::Action : RecordKind::Refused;
    entry.window = titleOf(window);
    entry.text = refusal.empty() ? line : line + " -- refused: " + refusal;
    record(entry);
    return refusal.empty();
}

std::string titleOf(Handle window) {
    Window* w = find(topLevelOf(window));
    return w ? w->text : std::string();
}

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += c;
        }
    }
    return out + "\"";
}

void notifyProgress(Handle control) {
    auto& s = sys();
    Window* w = find(control);
    if (!s.observer || !w) return;
    Event event;
    event.kind = EventKind::ProgressChanged;
    event.control = control;
    event.value = static_cast<int>(w->value);
    event.minimum = w->rangeMin;
    event.maximum = w->rangeMax;
    s.observer(event, s.observerUser);
}

} // namespace detail

void recordForeign(const Record& record, const ControlInfo* window) {
    detail::record(record, window);
}

void progressForeign(int value, int minimum, int maximum) {
    auto& s = sys();
    if (!s.observer) return;
    Event event;
    event.kind = EventKind::ProgressChanged;
    event.value = value;
    event.minimum = minimum;
    event.maximum = maximum;
    s.observer(event, s.observerUser);
}

const char* recordKindName(RecordKind kind) {
    switch (kind) {
    case RecordKind::Action:
        return "action";
    case RecordKind::Refused:
        return "refused";
    case RecordKind::MessageBox:
        return "message-box";
    case RecordKind::Answer:
        return "answer";
    case RecordKind::Opened:
        return "opened";
    case RecordKind::Closed:
        return "closed";
    case RecordKind::Fallback:
        return "fallback";
    case RecordKind::Beep:
        return "beep";
    }
    return "?";
}

std::string formatRecord(const Record& r) {
    std::string window = "[" + r.window + "] ";
    switch (r.kind) {
    case RecordKind::MessageBox: {
        std::string buttons;
        for (const auto& b : r.items)
            buttons += (buttons.empty() ? "" : " | ") + b;
        return "message box " + window + detail::quoted(r.text) + " (" + buttons + ")";
    }
    case RecordKind::Answer:
        return window + "answered " + std::to_string(r.result);
    case RecordKind::Closed:
        return window + "closed: " + std::to_string(r.result);
    case RecordKind::Beep:
        return "beep";
    default:
        return window + r.text;
    }
}

std::vector<Record> transcript() {
    return sys().transcript;
}

std::string transcriptText() {
    std::string out;
    for (const Record& r : sys().transcript)
        out += formatRecord(r) + "\n";
    return out;
}

void clearTranscript() {
    sys().transcript.clear();
    sys().refused = 0;
}

int refusedCount() {
    return sys().refused;
}

void setObserver(Observer observer, void* user) {
    sys().observer = observer;
    sys().observerUser = observer ? user : nullptr;
}

} // namespace ui
