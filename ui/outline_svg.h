// SVG outlines of windows the platform draws itself (the Win32 windows of the
// Windows build, the Cocoa windows of the macOS build): the window's frame
// and title, and each visible control's frame, kind, state and text as the
// platform holds them. Each platform walks its own window into a
// WindowOutline (ui/platform/win/win32_outline.h, ui/platform/mac/
// cocoa_outline.h); the picture is written here, in the font and with the
// safe text of the window system's own pictures (ui/picture.h), and its
// groups carry the same data-kind names, so one reader serves both.
#pragma once

#include "ui/observe.h"
#include "ui/types.h"

#include <string>
#include <vector>

namespace ui {

// One control of a native window.
struct OutlineControl {
    Kind kind = Kind::Static;
    int id = -1;
    // Where the control lies in the window's frame: top-left origin at the
    // frame's top-left corner, title bar included.
    Rect rect;
    // The text as the control holds it; a list's or popup's chosen item.
    std::string text;
    bool checked = false;
    bool enabled = true;
    // A progress bar's position as the platform reports it; its range is
    // the platform's own, so the picture gives the number and no bar.
    long long value = 0;
};

struct WindowOutline {
    std::string title;
    // The whole window, title bar included: x, y where it is on the screen
    // (top-left origin), w, h its size.
    Rect frame;
    // The content area inside the frame, in the frame's coordinates; what
    // lies above it is the title bar.
    Rect content;
    // The visible controls, each container before what it holds.
    std::vector<OutlineControl> controls;
};

// A control as the window system observed it (kind, id, text, value, items,
// enabled), lying at `rect` in its window's frame. A list's or popup's
// text is its chosen item; check boxes and radio buttons are checked by
// their value.
UI_API OutlineControl outlineControl(const ControlInfo& control, Rect rect);

// The outline as an SVG document. Texts that are not valid UTF-8 or hold
// control characters are drawn with replacement characters, so the
// document is always well-formed XML.
UI_API std::string outlineSvg(const WindowOutline& outline);
// Writes outlineSvg to a file; false (with a reason in *error when given)
// when the file cannot be written.
UI_API bool writeOutlineSvg(const WindowOutline& outline, const std::string& path,
                            std::string* error = nullptr);

} // namespace ui
