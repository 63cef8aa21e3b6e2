// Looking at the window system from outside: the windows and their controls as
// data, a readable dump, the transcript of everything a person (or the script) did
// and every message box shown, and an observer told of each as it happens.
#pragma once

#include "ui/types.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ui {

// One window or control and everything inside it.
struct ControlInfo {
    Handle handle = kNoWindow;
    Kind kind = Kind::Window;
    std::string className; // Custom only
    int id = -1;
    std::uint32_t command = 0;
    Rect rect;
    std::string text;        // as text() gives it
    std::intptr_t value = 0; // as value() gives it
    bool enabled = false;
    bool visible = false;
    bool focused = false;
    std::uint32_t style = 0;
    std::vector<std::string> items;
    int selection = -1;
    std::vector<ControlInfo> children;
};

// The window and its whole tree; an empty info (handle 0) for an invalid handle.
UI_API ControlInfo observe(Handle window);
// A readable, indented dump of the tree, one control per line, e.g.
//   window "Export" #-1 rect(0,0,400,200)
//     edit #3 "1-4" focused
//     check #5 "Absolute" value=1 disabled
UI_API std::string describe(Handle window);

enum class RecordKind : int {
    Action,     // a person's action that was carried out
    Refused,    // an action that could not be carried out, with the reason
    MessageBox, // a message box appeared: window = title, text = message, items = buttons
    Answer,     // a message box was answered: result = the button (2 also for closing)
    Opened,     // a modal loop started
    Closed,     // a modal loop ended: result
    Fallback,   // the script had nothing more for a modal window; it was closed
    Beep,
};

UI_API const char* recordKindName(RecordKind kind);

struct Record {
    RecordKind kind = RecordKind::Action;
    std::string window;             // title of the window concerned
    std::string text;               // the action in script form, the message, or a note
    std::vector<std::string> items; // MessageBox: the button titles
    int result = 0;                 // Answer, Closed
};

// One line for a record, e.g. `[Export] type #3 "1-4"`,
// `message box [Plexmoor] "Invalid page range!" (OK)`, `[Export] closed: 2`.
UI_API std::string formatRecord(const Record& record);

UI_API std::vector<Record> transcript();
// All records, one formatted line each, each ending in "\n".
UI_API std::string transcriptText();
UI_API void clearTranscript();
// How many actions were refused since the start (or the last clearTranscript).
UI_API int refusedCount();

enum class EventKind : int {
    Recorded,        // a record was added to the transcript: record
    ProgressChanged, // a progress bar's position changed: control, value, minimum, maximum
};

struct Event {
    EventKind kind = EventKind::Recorded;
    const Record* record = nullptr; // valid during the call only
    Handle control = kNoWindow;
    int value = 0;
    int minimum = 0;
    int maximum = 0;
    // Recorded Opened or Closed of a window outside this system (see
    // recordForeign): its tree as it opened or closed; null otherwise.
    const ControlInfo* window = nullptr;
};

using Observer = void (*)(const Event& event, void* user);

// One observer at a time; nullptr removes it. It is called synchronously and must
// not throw; it may look at windows but should not change them.
UI_API void setObserver(Observer observer, void* user = nullptr);

// Windows outside this system, such as a platform's own dialogs that a runner
// plays the script on (ui/platform/win/win32_runner.h), are told through
// these, so the transcript and the observer see them like the windows here:
// a record as this system's modal loops and message boxes write them, with
// the window's tree when the record is its Opened or Closed (the observer
// finds it in Event::window), and a progress bar's position.
UI_API void recordForeign(const Record& record, const ControlInfo* window = nullptr);
UI_API void progressForeign(int value, int minimum, int maximum);

} // namespace ui
