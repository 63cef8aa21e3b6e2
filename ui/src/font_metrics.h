// The advance widths behind ui/text_metrics.h. Internal.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace ui {
namespace detail {

// One character of the font, widths in thousandths of an em.
struct GlyphAdvance {
    char32_t code;
    std::uint16_t regular;
    std::uint16_t bold;
};

// Sorted by code point; generated (ui/src/font_advances.cpp).
extern const GlyphAdvance kNimbusSansAdvances[];
extern const std::size_t kNimbusSansAdvanceCount;

// Width of a text in thousandths of an em.
long long textUnits(const std::string& text, bool bold);

// Pixels for a width in thousandths of an em at the picture's font size.
double unitsToPixels(long long units);

} // namespace detail
} // namespace ui
