// The modal run of the host's own Win32 windows: the window shown and
// brought to the front, the main window disabled meanwhile, the thread's
// messages dispatched (through the dialog manager, for Tab, Return and
// Escape) until the window's procedure sets the result.
#pragma once

#include <windows.h>

namespace plxhost {

// Runs `window` until *result is no longer 0 and returns it; `focus` gets
// the focus first. A quit message ends the run with 2 and is posted again
// for the loop outside. The window is hidden afterwards, not destroyed.
int runWin32Modal(HWND window, HWND owner, HWND focus, const int* result);

} // namespace plxhost
