// Text widths in the pictures' font, and wrapping by them.
#include <gtest/gtest.h>

#include "ui/text_metrics.h"

using namespace ui;

namespace {

// Widths in thousandths of an em, as the font's own metrics give them.
double px(int units) {
    return units * 12 / 1000.0;
}

} // namespace

TEST(UiTextMetrics, WidthsAreTheFontsOwnAdvances) {
    // A 667, l 222, y 500; bold A 722, l 278, y 556.
    EXPECT_DOUBLE_EQ(textWidth("Ally"), px(667 + 222 + 222 + 500));
    EXPECT_DOUBLE_EQ(textWidth("Ally", true), px(722 + 278 + 278 + 556));
    // As many characters, very different widths: nothing is counted per character.
    EXPECT_LT(textWidth("iiiiiiiiii") * 3, textWidth("WWWWWWWWWW"));
    // German and typographic characters: ä 556, ü 556, ß 611, … 1000.
    EXPECT_DOUBLE_EQ(textWidth("\xC3\xA4\xC3\xBC\xC3\x9F\xE2\x80\xA6"), px(556 + 556 + 611 + 1000));
    // What the font lacks, and bytes that are no UTF-8, count a full em.
    EXPECT_DOUBLE_EQ(textWidth("\xE4\xB8\xAD"), 12.0);
    EXPECT_DOUBLE_EQ(textWidth("\xC3"), 12.0);
    EXPECT_DOUBLE_EQ(textWidth(""), 0.0);
}

TEST(UiTextMetrics, WrappingBreaksBetweenWordsAndInsideTooLongOnes) {
    // "Plexmoor requires" is wider than 60 pixels, each word alone is not.
    EXPECT_EQ(wrapText("Plexmoor requires it", 60),
              (std::vector<std::string>{"Plexmoor", "requires it"}));
    EXPECT_EQ(wrapText("one\n\ntwo", 200), (std::vector<std::string>{"one", "", "two"}));
    EXPECT_EQ(wrapText("", 100), (std::vector<std::string>{""}));
    // A word wider than the line is cut into lines that each fit.
    std::vector<std::string> lines = wrapText("/a/very/long/path/without/any/blank", 40);
    ASSERT_GT(lines.size(), 2u);
    std::string joined;
    for (const std::string& line : lines) {
        EXPECT_LE(textWidth(line), 40.0) << line;
        joined += line;
    }
    EXPECT_EQ(joined, "/a/very/long/path/without/any/blank");
    // Even a line too narrow for one character holds one, so wrapping ends.
    EXPECT_EQ(wrapText("WW", 1), (std::vector<std::string>{"W", "W"}));
    // Characters are never split: a long German word breaks between letters.
    for (const std::string& line : wrapText(std::string(40, 'x') + "\xC3\xBC\xC3\xBC", 30))
        EXPECT_NE(static_cast<unsigned char>(line[0]) & 0xC0, 0x80u) << line;
}
