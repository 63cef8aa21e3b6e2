// The one window system of the process: its records and the helpers the source
// files share. Internal; nothing here is exported.
#pragma once

#include "ui/modal.h"
#include "ui/observe.h"
#include "ui/script.h"
#include "ui/foreign.h"
#include "ui/types.h"

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace ui {
namespace detail {

struct Window {
    Handle handle = kNoWindow;
    Kind kind = Kind::Window;
    std::string className;
    Handle parent = kNoWindow;
    Handle owner = kNoWindow;
    int id = -1;
    std::uint32_t command = 0;
    Rect rect;
    std::string text;
    std::intptr_t value = 0;
    int rangeMin = 0;
    int rangeMax = 100;
    bool enabled = true;
    bool visible = true;
    std::uint32_t style = 0;
    std::vector<std::string> items;
    int selection = -1;
    int selStart = 0; // text selection, in code points
    int selEnd = 0;
    std::map<std::string, std::intptr_t> props;
    std::map<std::string, std::string> stringProps;
    std::vector<Handle> children;
    ProcRef proc;
    Handle lastFocus = kNoWindow; // top-level windows: remembered focus
    bool destroying = false;
};

struct Timer {
    Handle window = kNoWindow;
    int id = 0;
    std::uint32_t interval = 1;
    std::uint64_t due = 0;
    std::uint64_t order = 0; // creation order, breaks ties between equal due times
    TimerProc proc = nullptr;
    void* user = nullptr;
    bool running = false; // its procedure is on the stack
};

struct ModalFrame {
    Handle window = kNoWindow;
    bool ended = false;
    int result = 0;
    std::uint64_t waitUntil = 0;
    std::uint64_t lastActivity = 0;
};

struct System {
    std::map<Handle, std::unique_ptr<Window>> windows;
    std::vector<Handle> zorder; // top-level windows, topmost first
    Handle nextHandle = 1;
    int destroying = 0; // destroyWindow calls under way
    Handle focus = kNoWindow;
    Handle active = kNoWindow;
    std::map<std::string, ProcRef> classes;
    std::vector<Timer> timers;
    std::uint64_t timerOrder = 0;
    std::uint64_t clock = 0;
    std::uint64_t idleLimit = 600000;
    std::vector<ModalFrame> modal;
    std::deque<Action> script;
    std::vector<Record> transcript;
    int refused = 0;
    Observer observer = nullptr;
    void* observerUser = nullptr;
    int beeps = 0;
    Size screen{1280, 1024};
    ForeignControls foreign;
};

System& sys();
Window* find(Handle handle);

// Kinds.
bool isTopLevelKind(Kind kind);
bool hasItems(Kind kind);    // popup, combo, list box, tab control
bool hasEditText(Kind kind); // edit, combo box: text selection and typing

// Transcript and observer.
void record(Record entry, const ControlInfo* window = nullptr);
// Writes an action of a person: done, or refused for the reason given.
bool recordAction(Handle window, const std::string& line, const std::string& refusal);
std::string titleOf(Handle window);          // title of the window's top-level window
std::string quoted(const std::string& text); // "text" with \" \\ \n \t escaped
void notifyProgress(Handle control);

// UTF-8 texts measured and cut in code points.
int codePoints(const std::string& text);
std::size_t byteOffset(const std::string& text, int codePoint);

// Timers (timers.cpp).
void removeTimers(Handle window);
bool hasOwnTimers(Handle window); // the window or a descendant has a timer
// The earliest due time among timers that may fire now (not running); false if none.
bool nextDue(std::uint64_t* due);
// Fires the earliest timer due at or before now; false when none is due.
bool fireDueTimer();

// Scripts (automation.cpp): performs the script's next action when it addresses
// the window; a Wait sets the window's frame waiting. False when the next action is
// for someone else, or there is none.
bool takeScriptedAction(Handle window);

// Modal loops (modal.cpp).
ModalFrame* frameOf(Handle window);
void windowDestroyed(Handle window);

// The effects of a person's click on a push button, check box or radio button,
// with its notification; no checks, no transcript (person.cpp).
void clickNow(Handle control);

// The standard keyboard handling of a top-level window (keyboard.cpp); nonzero
// when the key did something.
std::intptr_t standardKey(Handle window, Key key);

// Focus (focus.cpp).
void forgetFocus(Handle window); // the window is going: move focus and activation on
// Focus as a person moves it: select all text of an edit or combo landed on.
void focusAndSelect(Handle control);

} // namespace detail
} // namespace ui
