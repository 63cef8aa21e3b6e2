// The host's 8-bit text for its re-encoded font, and the style keys that
// name a four-character code in hex.
#include <gtest/gtest.h>

#include <string>

#include "host/font_encoding.h"
#include "host/output_styles.h"

using plxhost::fontText;
using plxhost::kUndrawable;

TEST(HostFontEncoding, Windows1252CharactersGetTheirBytesAndOthersAreMarked) {
    std::set<char32_t> missing;
    // é, –, €, “, ”, Œ, ÿ, Ÿ: Latin-1 and the 0x80 block alike.
    EXPECT_EQ(fontText("\xC3\xA9\xE2\x80\x93\xE2\x82\xAC\xE2\x80\x9C\xE2\x80\x9D\xC5\x92\xC3\xBF\xC5\xB8",
                       &missing),
              "\xE9\x96\x80\x93\x94\x8C\xFF\x9F");
    EXPECT_TRUE(missing.empty());
    // A tab is a blank; a control, a character beyond the code page, the
    // C1 control whose byte the code page leaves free, and invalid UTF-8
    // are marked.
    std::string marked = fontText("a\tb\x01\xE2\x88\x9E\xC2\x81\xC3(\xF0\x9F\x98\x80", &missing);
    EXPECT_EQ(marked, std::string("a b") + kUndrawable + kUndrawable + kUndrawable + kUndrawable +
                          "(" + kUndrawable);
    EXPECT_EQ(missing, (std::set<char32_t>{0x01, 0x81, 0x221E, 0xFFFD, 0x1F600}));
    // Overlong forms and encoded surrogates are invalid, one mark per byte.
    EXPECT_EQ(fontText("\xE0\x80\xAF", nullptr), std::string(3, kUndrawable));
    EXPECT_EQ(fontText("\xED\xA0\x80", nullptr), std::string(3, kUndrawable));
    EXPECT_EQ(plxhost::undrawnList({0x221E, 0x01}), "U+0001, \xE2\x88\x9E (U+221E)");
}

TEST(HostStyleKeys, HexKeysAreEightDigitsAndNothingElse) {
    uint32_t key = 0;
    EXPECT_TRUE(plxhost::parseStyleKey("0x0000ABCD", &key));
    EXPECT_EQ(key, 0xABCDu);
    using namespace std::string_literals;
    EXPECT_FALSE(plxhost::parseStyleKey("0x0000\0ABC"s, &key));
    EXPECT_FALSE(plxhost::parseStyleKey("0x  +12345", &key));
    EXPECT_FALSE(plxhost::parseStyleKey("0x-0000001", &key));
}
