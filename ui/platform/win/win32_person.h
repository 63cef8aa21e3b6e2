// Acting as a person would on real Win32 windows: what the command line and
// the tests do in the plug-in's Win32 dialogs. Each action causes the
// notifications a person's action causes, sent to the control's parent as
// the control itself would send them:
//
//   click       push button, check box, radio button: BM_CLICK (focus,
//               state, BN_CLICKED)
//   type        edit field: focus, whole text replaced, EN_CHANGE; editable
//               combo box: focus, text, CBN_EDITCHANGE
//   choose      combo box: CBN_DROPDOWN, the selection, CBN_SELCHANGE,
//               CBN_SELENDOK, CBN_CLOSEUP; list box: the selection,
//               LBN_SELCHANGE; tab control: the tab, TCN_SELCHANGE
//   answer      a message box's button n (1-based), clicked
//
// An action is refused (false) when the window is gone, of the wrong kind,
// disabled or hidden (itself or its top-level window), or read-only.
// Texts are UTF-8.
#pragma once

#include <windows.h>

#include <string>

namespace win32person {

// The visible top-level window of this thread with exactly this title (and
// this class, when one is given), or null.
HWND findWindow(const std::string& title, const wchar_t* className = nullptr);
// The first control with this id, depth-first from the window (panes and
// tabs before their children, siblings in creation order), or null.
HWND findControl(HWND window, int id);
// The UTF-8 text of a window.
std::string text(HWND window);

bool click(HWND control);
bool check(HWND checkBox, bool on);
bool type(HWND control, const std::string& text);
bool choose(HWND control, int index);
// The item (combo box, list box) or tab (tab control) with exactly this
// title.
bool chooseText(HWND control, const std::string& item);
bool answer(HWND messageBox, int button);

} // namespace win32person
