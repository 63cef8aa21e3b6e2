// An SVG drawing surface: the Canvas handed to registered classes, plus the few
// shapes the standard controls need. Internal.
#pragma once

#include "ui/picture.h"

#include <cstdint>
#include <string>

namespace ui {
namespace detail {

// The pictures' colours, shared by the windows the window system draws
// and the outlines of windows a platform draws itself.
namespace palette {
constexpr std::uint32_t kInk = 0x000000;
constexpr std::uint32_t kGreyInk = 0xa0a0a0;
constexpr std::uint32_t kEdge = 0x7a7a7a;
constexpr std::uint32_t kFace = 0xe1e1e1;
constexpr std::uint32_t kWhite = 0xffffff;
constexpr std::uint32_t kPaper = 0xf0f0f0;
constexpr std::uint32_t kTitleBarColour = 0x2f5f9f;
} // namespace palette

// Writes a picture to the file at `path`, a UTF-8 name (opened by its
// UTF-16 name on Windows, so every name the file system holds works);
// false with "cannot write PATH" in `error` when it cannot.
bool writePictureFile(const std::string& path, const std::string& picture, std::string* error);

// Text made safe for XML: invalid UTF-8 and control characters become U+FFFD
// (tabs and line breaks a blank), and & < > " ' are escaped.
std::string xmlText(const std::string& text);
// The text as it fits `room` pixels in the picture's font: whole, or the
// longest beginning that fits with an ellipsis after it.
std::string fitText(const std::string& text, int room, bool bold = false);

class SvgCanvas : public Canvas {
  public:
    explicit SvgCanvas(std::string* out) : out_(out) {}

    // Where the window being drawn sits in the picture.
    // Kept wide: the corners of nested windows add up.
    void setOrigin(long long x, long long y) {
        ox_ = x;
        oy_ = y;
    }
    long long originX() const { return ox_; }
    long long originY() const { return oy_; }

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
    long long ox_ = 0;
    long long oy_ = 0;
};

std::string colour(std::uint32_t rgb);

} // namespace detail
} // namespace ui
