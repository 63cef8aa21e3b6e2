#include "plugin/support/mymemory.h"
#include "plugin/support/mystr.h"
#include "plugin/support/mystrings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(SupportMyStr, invalid_utf8_gives_an_empty_holder) {
    const char* bad[] = {
        "\xC0\xAF",         // overlong "/"
        "\xE0\x80\xAF",     // overlong, three bytes
        "\xED\xA0\x80",     // surrogate U+D800
        "\xF4\x90\x80\x80", // above U+10FFFF
        "ab\xE2\x82",       // truncated at the end
        "\x80x",            // stray continuation byte
    };
    for (const char* text : bad) {
        MyStr s(text);
        EXPECT_EQ(0, s.length()) << text;
        char dst[16] = "untouched";
        EXPECT_FALSE(s.getString(dst, sizeof dst, kEncUTF8));
        EXPECT_STREQ("", dst);
        char path[kMyPathSize] = "untouched";
        EXPECT_FALSE(s.getPath(path));
        EXPECT_STREQ("untouched", path);
        EXPECT_STREQ("", s.UTF8Str());
        EXPECT_EQ(nullptr, s.getUString());
    }
    EXPECT_EQ(0, MyStr(static_cast<const char*>(nullptr)).length());
}

TEST(SupportMyStr, utf8_round_trips_through_utf16) {
    const char* text = "Gr\xC3\xBC\xC3\x9F"
                       "e \xE2\x82\xAC \xF0\x9F\x98\x80"; // Grüße € 😀
    MyStr s(text);
    int32_t count = 0;
    const uint16_t* u = s.uStr(&count);
    EXPECT_EQ(10, count); // the emoji takes two units
    EXPECT_EQ(0xD83D, u[8]);
    EXPECT_EQ(0, u[10]);
    uint16_t* copy = s.getUString();
    MyStr back(copy, 0);
    myfree(copy);
    EXPECT_STREQ(text, back.UTF8Str());
    const uint16_t lone[] = {'a', 0xD800, 'b', 0};
    EXPECT_STREQ("a\xEF\xBF\xBD"
                 "b",
                 MyStr(lone, 0).UTF8Str());
    EXPECT_STREQ("a", MyStr(lone, 1).UTF8Str());
}

TEST(SupportMyStr, read_outs_fail_whole_when_they_do_not_fit) {
    MyStr s("abcd");
    char dst[8];
    EXPECT_TRUE(s.getString(dst, 5, kEncUTF8));
    memset(dst, 'x', sizeof dst);
    EXPECT_FALSE(s.getString(dst, 4, kEncUTF8));
    EXPECT_EQ(0, dst[0]);
    EXPECT_EQ('x', dst[4]);                           // nothing beyond the capacity
    EXPECT_FALSE(s.getString(dst, sizeof dst, 1252)); // unknown encoding
    char units[10];
    EXPECT_TRUE(s.getString(units, 10, kEncUTF16)); // four units and a terminator
    EXPECT_FALSE(s.getString(units, 9, kEncUTF16));
    std::string fits = "/" + std::string(510, 'p');
    char path[kMyPathSize];
    EXPECT_TRUE(MyStr(fits.c_str()).getPath(path));
    EXPECT_FALSE(MyStr((fits + "q").c_str()).getPath(path));
    EXPECT_STREQ("", path);
}

TEST(SupportMyStr, eight_bit_encodings) {
    MyStr accents("\xC3\xA9\xE2\x82\xAC"); // é€
    char dst[8];
    ASSERT_TRUE(accents.getHostString(dst, sizeof dst));
    EXPECT_STREQ("\xE9\x80", dst);
    ASSERT_TRUE(accents.getString(dst, sizeof dst, kEncMacRoman));
    EXPECT_STREQ("\x8E\xDB", dst);
    // Omega is in Mac Roman but not in Windows-1252: no substitute is written.
    MyStr omega("x\xCE\xA9");
    EXPECT_FALSE(omega.getHostString(dst, sizeof dst));
    EXPECT_STREQ("", dst);
    EXPECT_TRUE(omega.getString(dst, sizeof dst, kEncMacRoman));
    EXPECT_STREQ("x\xBD", dst);
}

TEST(SupportMyStr, localize_flag_skips_texts_too_long_for_a_key) {
    gLanguage = kLangEnglish;
    setupMyStrings();
    EXPECT_STREQ("Preferences:", MyStr("prefsCmd:", true).UTF8Str());
    std::string longText(250, 'k');
    EXPECT_EQ(longText, MyStr(longText.c_str(), true).UTF8Str());
}
