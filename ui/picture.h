// Pictures of windows, so a person can look at a dialog: SVG with the frame and
// title bar, every visible control with its text, check and radio states, enabled
// states (disabled ones grey), selections, progress and tabs. Windows of registered
// classes draw themselves through Msg::Paint on a Canvas.
#pragma once

#include "ui/types.h"

#include <cstdint>
#include <string>

namespace ui {

// Drawing surface handed to a window procedure with Msg::Paint. Coordinates are
// relative to the window being painted; colours are 0xRRGGBB.
class UI_API Canvas {
  public:
    virtual ~Canvas();
    virtual void line(int x1, int y1, int x2, int y2, std::uint32_t colour) = 0;
    // fill < 0: no fill.
    virtual void frame(Rect rect, std::uint32_t colour, long fill = -1) = 0;
    // Text with its baseline at y.
    virtual void text(int x, int y, const std::string& text, std::uint32_t colour) = 0;
};

// The picture of a top-level window (or any window, drawn alone) as an SVG
// document; empty for an invalid handle. Texts that are not valid UTF-8 or hold
// control characters are drawn with replacement characters, so the document is
// always well-formed XML.
UI_API std::string drawSvg(Handle window);
// Writes drawSvg to a file; false (with a reason in *error when given) on failure.
UI_API bool writeSvg(Handle window, const std::string& path, std::string* error = nullptr);

} // namespace ui
