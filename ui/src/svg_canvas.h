// An SVG drawing surface: the Canvas handed to registered classes, plus the few
// shapes the standard controls need. Internal.
#pragma once

#include "ui/picture.h"

#include <cstdint>
#include <string>

namespace ui {
namespace detail {

// Text made safe for XML: invalid UTF-8 and control characters become U+FFFD
// (tabs and line breaks a blank), and & < > " ' are escaped.
std::string xmlText(const std::string& text);
// Cut to at most `maxChars` code points, ending in an ellipsis when cut.
std::string fitText(const std::string& text, int maxChars);

class SvgCanvas : public Canvas {
  public:
    explicit SvgCanvas(std::string* out) : out_(out) {}

    // Where the window being drawn sits in the picture.
    void setOrigin(int x, int y) {
        ox_ = x;
        oy_ = y;
    }
    int originX() const { return ox_; }
    int originY() const { return oy_; }

    void line(int x1, int y1, int x2, int y2, std::uint32_t colour) override;
    void frame(Rect rect, std::uint32_t colour, long fill = -1) override;
    void text(int x, int y, const std::string& text, std::uint32_t colour) override;

    void roundFrame(Rect rect, std::uint32_t colour, long fill, int strokeWidth);
    void circle(int cx, int cy, int r, std::uint32_t colour, long fill);
    // anchor: 0 start, 1 middle, 2 end.
    void anchoredText(int x, int y, const std::string& text, std::uint32_t colour, int anchor,
                      bool bold = false);
    void dashedFrame(Rect rect, std::uint32_t colour);
    void raw(const std::string& svg) { *out_ += svg; }

  private:
    std::string* out_;
    int ox_ = 0;
    int oy_ = 0;
};

std::string colour(std::uint32_t rgb);

} // namespace detail
} // namespace ui
