// Acting as a person would. These are the only calls that make controls notify,
// and each causes the notifications a person's action causes, in that order:
//
//   click      push button: focus, Clicked. Check box: focus, value toggled,
//              Clicked. Radio button: focus, on (its sibling radio buttons off),
//              Clicked. Other kinds cannot be clicked.
//   type       edit or combo box: focus, whole text replaced, TextChanged. Refused
//              for read-only edits.
//   choose     popup or combo: focus, ListOpened, selection (combo: its text
//              too), SelectionChanged, SelectionConfirmed. List box and tab
//              control: focus, selection, SelectionChanged.
//   pressKey   Msg::Key to the top-level window; unless its procedure handles it:
//              Tab / Shift+Tab move the focus to the next / previous tab stop,
//              wrapping, and select the whole text of an edit or combo landed on;
//              Return types a line break into a multi-line edit with
//              style::WantReturn that has the focus, else sends Command id 1
//              (Clicked) as from the control with id 1; Escape sends Command id 2
//              likewise; Space clicks the focused button. When the control with
//              id 1 (2) exists but cannot be used, Return (Escape) only beeps.
//   close      Msg::Close to a top-level window (the title bar's close box).
//
// An action is refused (false) when the window is invalid, of the wrong kind, or
// not usable (disabled or hidden, itself or an ancestor, or in a disabled
// top-level window). Every action, done or refused, is written to the transcript
// (ui/observe.h) with the reason for a refusal.
#pragma once

#include "ui/types.h"

#include <string>

namespace ui {
namespace person {

UI_API bool click(Handle control);
UI_API bool type(Handle control, const std::string& text);
// index is 0-based.
UI_API bool choose(Handle control, int index);
UI_API bool chooseText(Handle control, const std::string& item);
// Check box: clicks it only when its state differs from `on`.
UI_API bool check(Handle control, bool on);
// Puts the focus into a control as a click into it would, without working it.
UI_API bool focusOn(Handle control);
UI_API bool pressKey(Handle window, Key key);
UI_API bool close(Handle window);
// Message box: clicks button n (1-based).
UI_API bool answer(Handle messageBox, int button);
// Save dialog: fills the folder and name fields from the path (as typed) and
// presses Save.
UI_API bool choosePath(Handle saveDialog, const std::string& path);

} // namespace person
} // namespace ui
