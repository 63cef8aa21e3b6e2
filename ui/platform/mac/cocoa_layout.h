// Whether a Cocoa window is laid out so that a person can read it: every
// text fits its control, measured with the control's own font, and no two
// visible controls of one parent overlap. The window system checks its own
// windows so (ui::clippedTexts); this is the same look at the platform's
// windows of the macOS build. Objective-C++ only.
#pragma once

#import <AppKit/AppKit.h>

#include <string>
#include <vector>

namespace cocoaperson {

// One line per text that does not fit: "control TAG "TEXT" needs N points,
// has M". Buttons (push buttons, check boxes, radio buttons), labels and
// the titles of boxes are measured; fields, lists and pop-ups hold the
// user's texts and items. A save panel is looked at in its accessory view
// only: the rest is the panel's own.
std::vector<std::string> textsNotFitting(NSWindow* window);

// One line per two visible controls of one parent that overlap: "controls
// A and B overlap" (their tags). Views that hold others (boxes, panes, tab
// views) lie beneath what they hold and are left out.
std::vector<std::string> overlappingControls(NSWindow* window);

} // namespace cocoaperson
