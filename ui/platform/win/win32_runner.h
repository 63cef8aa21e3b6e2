// Playing the window system's script (ui/script.h) on real Win32 dialogs:
// what the command line does when the plug-in shows its windows with
// Win32 rather than with the headless window system. The runner works in
// the thread that starts it and sees every dialog that thread shows, in
// any module: the plug-in's dialogs built on MYDIALOG, its message boxes
// on MSGBOX, the system's save dialog with the export panel.
//
// How it notices them: three thread hooks (WH_CALLWNDPROC,
// WH_CALLWNDPROCRET and WH_GETMESSAGE) see each top-level dialog
// initialised and destroyed, the commands that end it, the ticks of its own
// timer and a progress bar's position; a thread timer, ticking inside
// whatever modal loop runs, looks at the innermost dialog (the last one
// opened that is still shown and enabled) once it is on the screen. What
// it follows and what it does there is decided by ui/native_dialogs.h,
// which does what the headless modal loop does:
//
//   - the first tick a dialog is shown records it as opened (a message box:
//     as a message box, with its text and buttons), with its tree of
//     controls (ui::ControlInfo), through ui::recordForeign, so the
//     transcript and the observer (host/window_watch.h) see it;
//   - the actions at the head of the script that address it are taken from
//     the queue and performed through win32_person.h, and written to the
//     transcript (done, or refused with the reason);
//   - when the head of the script addresses some other window, or the script
//     is empty, the dialog has nothing more to expect and is closed
//     (WM_CLOSE) — unless a timer of its own is running (the dialog
//     toolkit's, marked on the dialog as it starts, or one seen ticking for
//     the dialog itself): then it works by itself and is waited for, until
//     it has gone ui::idleLimit() ms without a scripted action or a move of
//     its progress bar;
//   - when it is destroyed it is recorded as closed with its tree as it was
//     and its result: the id of the last command 1 or 2 (OK, Cancel) it
//     received, WM_CLOSE counting as 2; one ended from its own code without
//     such a command (a progress run that finished) counts as 1. A message
//     box is recorded as answered instead.
//
// The save dialog's actions are those of the headless one: `path` types the
// whole path into its file-name field (with "\" for "/") and presses Save;
// typing into the headless dialog's folder field (ui::kSaveFolderId) keeps
// the folder for the next Save, which joins it with the name the field
// shows; typing into ui::kSaveNameId types the name.
//
// One runner at a time; it plays the script until stopped. Each action
// costs at most one tick of the timer (about 10 ms) before it is done.
#pragma once

#include <windows.h>

#include "ui/observe.h"

namespace win32person {

// Starts playing the script on this thread's dialogs; false when the hooks
// cannot be set (or a runner plays already).
bool startRunner();
// Stops it; dialogs still open are left alone.
void stopRunner();

// A window and its controls as data, as ui::observe gives them for the
// headless window system's windows.
ui::ControlInfo observe(HWND window);

} // namespace win32person
