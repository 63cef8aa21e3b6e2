// Real Win32 windows as outlines (ui/outline_svg.h): the frame and title
// the system gives the window, and each visible control where the system
// has it, with its kind, state and text.
#pragma once

#include <windows.h>

#include "ui/outline_svg.h"

namespace win32picture {

// The window's outline; false for a window that is gone. Works on a
// window that is not shown: a control counts as visible by its own
// WS_VISIBLE style and its parents'.
bool outline(HWND window, ui::WindowOutline* out);

} // namespace win32picture
