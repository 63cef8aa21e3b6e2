// How wide a text is in the font the pictures of windows name: Nimbus Sans
// at 12 pixels, with Helvetica and Arial (which share its widths) as the
// renderer's fall-backs. The widths come from a table made from the font
// itself (ui/src/font_advances.cpp), so what a picture cuts or wraps is what
// the drawn text needs, and a text that does not fit can be found.
#pragma once

#include "ui/types.h"

#include <string>
#include <vector>

namespace ui {

// The font of every picture, as its SVG names it.
constexpr char kPictureFontFamily[] = "Nimbus Sans, Helvetica, Arial, sans-serif";
constexpr int kPictureFontSize = 12;

// Width of one line of text in pixels, in the regular or the bold face. No
// kerning is applied, which can only make the drawn text narrower; a
// character the font lacks counts a full em (what the fonts drawn in its
// place take at most), and bytes that are not UTF-8 count as the
// replacement character a picture draws for them.
UI_API double textWidth(const std::string& text, bool bold = false);

// The text broken into lines no wider than `width` pixels: at each line
// break, and before a word that would make its line too wide. Blanks at a
// break are dropped. A word wider than a whole line is broken between
// characters (a line holds at least one character, even when that is too
// wide). An empty text is one empty line.
UI_API std::vector<std::string> wrapText(const std::string& text, int width, bool bold = false);

} // namespace ui
