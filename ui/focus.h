// Keyboard focus, the active window and the z-order of top-level windows.
//
// One control (or top-level window) has the focus at a time; it always lives in the
// active window. Each top-level window remembers the control that last had the
// focus in it and gets it back when it is activated again, so a caller that saves
// activeWindow() and focus() before opening something can restore both afterwards.
#pragma once

#include "ui/types.h"

#include <vector>

namespace ui {

UI_API Handle focus();
// Gives the focus to a window; its top-level window becomes active (without
// restoring that window's remembered focus). 0 clears the focus. Programmatic
// focus changes notify nobody and leave an edit's text selection alone.
UI_API bool setFocus(Handle window);

UI_API Handle activeWindow();
// Activates a top-level window: it goes on top of the z-order and gets back the
// focus it last had (if that control still exists). 0 deactivates everything.
UI_API bool setActiveWindow(Handle window);
// The control that last had the focus in a top-level window, or 0.
UI_API Handle rememberedFocus(Handle topLevelWindow);

// All top-level windows, topmost first.
UI_API std::vector<Handle> topLevelWindows();

// The controls Tab walks over in a top-level window, in order: depth-first,
// usable, with style::TabStop.
UI_API std::vector<Handle> tabOrder(Handle topLevelWindow);

} // namespace ui
