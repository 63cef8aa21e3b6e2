// What a runner playing this system's script on a platform's own dialogs
// decides, apart from the platform's calls: which windows it follows, how
// each one ends, which one a person works in, whether the script's next
// action is for it, and when a dialog has nothing more to expect and is
// closed. The Win32 runner (ui/platform/win/win32_runner.h) feeds it what
// its message hooks see and carries out what it decides; it keeps no
// platform handle of its own beyond the number that names a window.
#pragma once

#include "ui/script.h"
#include "ui/types.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ui {

// The windows a runner follows: the platform's dialogs, and the host's
// own windows with a loop of their own (the preferences window and the
// output-style editor, the styles list), which are not dialogs but are
// worked in as one.
enum class NativeClass { Dialog, PanelWindow, StylesWindow };

// What the platform saw happen to a window.
enum class NativeEvent {
    Initialised, // a dialog got ready to be shown
    Shown,
    Hidden,
    Destroyed,
    Command, // a command with the control id and whether it is a button's click
    Close,   // asked to close as from its close box
    Timer,   // a timer of the window itself ticked
};

// The host panel window's own "OK"/"Save" and "Cancel" buttons.
constexpr int kPanelOkId = 100;
constexpr int kPanelCancelId = 101;

struct NativeDialog {
    std::uintptr_t handle = 0;
    NativeClass cls = NativeClass::Dialog;
    Kind kind = Kind::Window;
    std::string title;
    bool opened = false;  // recorded as opened (it has been shown)
    int command = 0;      // the last command 1 or 2 it received
    std::string folder;   // save dialog: the folder typed for the next Save
    bool markedTimer = false;    // its own code marks a timer of its as running
    std::uint64_t lastTick = 0;  // when a timer of its own last ticked (ms)
    std::uint64_t tickGap = 0;   // the longest time between two of those ticks
    bool ticked = false;
    std::uint64_t lastActivity = 0; // last opened, scripted action or progress
};

// A window inside a dialog as far as telling its kind goes.
struct NativeChild {
    std::string className;
    int id = 0;
    bool direct = true; // a child of the dialog itself, not of a pane in it
};

// What the runner does next in the dialog a person works in.
enum class NativeStep {
    Open,      // record it as opened, then ask again
    Perform,   // take the script's head and do it there
    Wait,      // its own timer works on: wait for the next tick
    Close,     // nothing more in the script for it: close it
    CloseIdle, // its timer ran, but nothing happened for the idle limit
};

class UI_API NativeDialogs {
  public:
    // A message the platform's hooks saw on `handle` at `now` (ms). The
    // window is followed from the moment a top-level dialog is initialised
    // or a top-level host window shown; true when it ended with this
    // message, the window as it was in *ended (to be recorded as closed).
    bool seen(std::uintptr_t handle, NativeClass cls, bool topLevel, NativeEvent event,
              int id, bool clicked, std::uint64_t now, NativeDialog* ended);
    // A progress bar in the window moved: the window is evidently working.
    void progressed(std::uintptr_t handle, std::uint64_t now);

    NativeDialog* find(std::uintptr_t handle);
    const std::vector<NativeDialog>& all() const { return dialogs_; }

    // The dialog a person works in now: the last one followed that is
    // usable (shown and enabled; a dialog under a message box is
    // disabled). A host panel window whose OK or Cancel was pressed is
    // ending: its loop hides it once the current tick returns, so it is
    // passed by (closing it then would turn a Save into a Cancel).
    NativeDialog* innermost(const std::function<bool(std::uintptr_t)>& usable);

    // What to do next in `dialog`, titled `title` as it shows now, with
    // the script's queue as it is; `idleLimit` as the window system's.
    static NativeStep next(const NativeDialog& dialog, const std::string& title,
                           const std::vector<Action>& queue, std::uint64_t now,
                           std::uint64_t idleLimit);
    // Whether the dialog's own timer is running: marked so by its code, or
    // seen ticking recently (within twice the longest gap between its
    // ticks, and at least kTimerGraceMs).
    static bool timerRunning(const NativeDialog& dialog, std::uint64_t now);
    static constexpr std::uint64_t kTimerGraceMs = 100;

    // Whether the action is for a dialog titled `title` of kind `kind`.
    static bool addresses(const Action& action, const std::string& title, Kind kind);
    // A save dialog has its file-name field (ids cmb13 0x47c or edt1
    // 0x480) somewhere inside; a message box has as children its text in
    // a static (id 10 or 0xFFFF) beside buttons 1-7 and nothing else; any
    // other is a window.
    static Kind kindOf(const std::vector<NativeChild>& children);
    // The result it is recorded as closed with: the last command 1 or 2,
    // else 1 (it ended from its own code) or, for a message box, 2.
    static int result(const NativeDialog& dialog);

    // Whether a control showing `shown` is the one titled `wanted`: as
    // shown, or as a person reads it ("&" marks the next letter as its
    // key, "&&" is one "&").
    static bool titled(const std::string& shown, const std::string& wanted);
    // A path as the save dialog's file-name field takes it: "/" as "\".
    static std::string fieldPath(std::string path);
    // The path Save is given when a folder was typed for it: the folder,
    // one "\", the name the file-name field shows.
    static std::string savePath(const std::string& folder, const std::string& name);
    // A message box's text as the headless box gives it: lines end in LF.
    static std::string boxText(const std::string& shown);

  private:
    std::vector<NativeDialog> dialogs_;
};

} // namespace ui
