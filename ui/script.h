// Scripts: what a person is going to do, handed over before the work starts.
//
// A script is a queue of actions. Each action addresses a top-level window (by
// title, by kind, or "whatever modal window is current") and, where it needs one,
// a control in it (by id, by command code or by text). Modal loops consume the
// queue in order: the loop of window W performs the action at the head of the queue
// only when that action addresses W. When it addresses anything else, W has
// nothing more to expect from the person, and the loop closes W once W has no
// timers left to wait for (see ui/modal.h). An action that cannot be carried out
// (no such control, a disabled one) is written to the transcript as refused and the
// script goes on.
//
// The text form, one action per line ('#' at the start of a line begins a comment):
//
//   [Export] type #3 "1-4"          window by title, control by id
//   [*] click "OK"                  current modal window, control by its text
//   [Progress] click 'not!'         control by four-character command code
//   [Prefs] toggle #4               check box
//   [Prefs] check #5 on             check box to a state (on/off)
//   [Export] choose #9 "PDF"        item by text; `choose #9 2` by 1-based index
//   [Export] focus #6
//   [*] key Shift+Tab               Tab, Shift+Tab, Return, Escape, Space
//   [@save] path "/tmp/out/a.eps"   save dialog: folder and name, then Save
//   [@message] answer 1             message box: button by 1-based index or "title"
//   [Progress] wait 5               let 5 virtual ms pass (timers run)
//   [Export] close                  the close box
//
// Window addresses: [Title] (exact; \] and \\ escape), [*], and by kind
// [@window], [@message], [@save]. Texts are in double quotes with \" \\ \n \t.
#pragma once

#include "ui/types.h"

#include <cstddef>
#include <string>
#include <vector>

namespace ui {

struct UI_API WindowRef {
    enum class By : int { Current, Title, Kind };
    By by = By::Current;
    std::string title;
    Kind kind = Kind::Window;

    static WindowRef current();
    static WindowRef titled(const std::string& title);
    static WindowRef ofKind(Kind kind);
};

struct UI_API ControlRef {
    enum class By : int { None, Id, Command, Text };
    By by = By::None;
    int id = 0;
    std::uint32_t command = 0;
    std::string text;

    static ControlRef none();
    static ControlRef byId(int id);
    static ControlRef byCommand(std::uint32_t code);
    static ControlRef byText(const std::string& text);
};

enum class Verb : int { Type, Click, Toggle, Check, Choose, Focus, Key, Path, Answer, Close, Wait };

UI_API const char* verbName(Verb verb);

struct UI_API Action {
    Verb verb = Verb::Click;
    WindowRef window;
    ControlRef control;
    std::string text; // Type: the text; Choose/Answer by text; Path: the path
    int number = 0;   // Choose/Answer: 1-based index (0 = use text); Check: 0/1; Wait: ms
    Key key = Key::Return;

    static Action type(WindowRef w, ControlRef c, const std::string& text);
    static Action click(WindowRef w, ControlRef c);
    static Action toggle(WindowRef w, ControlRef c);
    static Action check(WindowRef w, ControlRef c, bool on);
    static Action choose(WindowRef w, ControlRef c, int index1);
    static Action chooseText(WindowRef w, ControlRef c, const std::string& item);
    static Action focus(WindowRef w, ControlRef c);
    static Action press(WindowRef w, Key key);
    static Action path(WindowRef w, const std::string& path);
    static Action answer(WindowRef w, int button1);
    static Action answerText(WindowRef w, const std::string& title);
    static Action close(WindowRef w);
    static Action wait(WindowRef w, int ms);
};

// The queue.
UI_API void setScript(const std::vector<Action>& actions);
UI_API void appendScript(const std::vector<Action>& actions);
UI_API void clearScript();
UI_API std::size_t scriptRemaining();
UI_API std::vector<Action> pendingActions();

// Parses the text form; on failure returns false, leaves *actions alone and puts
// "line N: what is wrong" into *error.
UI_API bool parseScript(const std::string& text, std::vector<Action>* actions, std::string* error);
// One action in the text form (parseScript reads it back to the same action).
UI_API std::string formatAction(const Action& action);

// Whether an action addresses a top-level window. Current matches the innermost
// modal window only.
UI_API bool addresses(const Action& action, Handle window);
// Performs an action at once on the window it addresses (the topmost visible
// matching window; Current: the innermost modal one), as ui/person.h does. Wait only moves the
// clock on. False when refused.
UI_API bool perform(const Action& action);

} // namespace ui
