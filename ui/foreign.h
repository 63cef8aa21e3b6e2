// Controls a window shows that are not the window system's: a platform's
// own views shown together with one of its windows (the Cocoa panels a
// plug-in hands the macOS host for its preferences window and output-style
// editor). Whoever shows them lets the person's scripted actions and the
// observation of that window reach them, so that a script addresses them
// and a reader sees them as controls of the window.
#pragma once

#include "ui/observe.h"
#include "ui/script.h"

#include <string>

namespace ui {

struct ForeignControls {
    // Carries out an action on a control the window itself lacks; true
    // when done, else false with the reason in *why (the action is then
    // refused with it).
    bool (*perform)(Handle window, const Action& action, std::string* why, void* user) = nullptr;
    // Adds the foreign controls to the window's observed tree (observe()
    // of a top-level window).
    void (*observe)(Handle window, ControlInfo* info, void* user) = nullptr;
    void* user = nullptr;
};

// One at a time; nullptr removes them. reset() removes them too.
UI_API void setForeignControls(const ForeignControls* controls);

} // namespace ui
