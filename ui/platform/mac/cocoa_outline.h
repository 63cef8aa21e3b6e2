// Cocoa windows as outlines (ui/outline_svg.h): the window's frame and
// title, and each visible view that is a control where it lies in the
// window, with its kind, state and text. Cocoa's coordinates have their
// origin at the bottom left; the outline's are flipped to the top left.
#pragma once

#import <AppKit/AppKit.h>

#include "ui/outline_svg.h"

namespace cocoaperson {

// The window's outline; false without a window. Works on a window that is
// not shown: a view counts as visible unless it or a view around it is
// hidden.
bool outline(NSWindow* window, ui::WindowOutline* out);

} // namespace cocoaperson
