// Pictures of windows, so a person can look at a dialog: SVG with the frame and
// title bar, every visible control with its text, check and radio states, enabled
// states (disabled ones grey), selections, progress and tabs. Windows of registered
// classes draw themselves through Msg::Paint on a Canvas. Texts are set in the
// font of ui/text_metrics.h and measured with its widths: a label too wide for
// its control is cut with an ellipsis, and clippedTexts says which were.
#pragma once

#include "ui/types.h"

#include <cstdint>
#include <string>
#include <vector>

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

// A text the picture had to cut because its control is too small for it.
struct ClippedText {
    Handle control = kNoWindow; // the control, or the window for its title
    int id = -1;
    Kind kind = Kind::Window;
    std::string text;  // the whole text (for a wrapped text, all of it)
    int needed = 0;    // pixels the text needs (one line of it)
    int available = 0; // pixels the control has for it
};

// Every text the picture of the window cuts, in drawing order: titles, labels
// of buttons, check boxes, radio buttons, group boxes and statics (a
// multi-line static also when its lines need more height than it has), the
// chosen item of a popup and tabs beyond the tab control. What a person types
// into an edit field or combo box and the items of a list box scroll there,
// so they are not counted.
UI_API std::vector<ClippedText> clippedTexts(Handle window);

} // namespace ui
