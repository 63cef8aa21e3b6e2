#include "plugin/support/mymemory.h"
#include "plugin/support/mystr.h"
#include "plugin/support/mystrings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(SupportMyStr, invalid_or_null_utf8_gives_an_empty_holder) {
    const char* bad[] = {
        "\xC0\xAF",         // overlong "/"
        "\xE0\x80\xAF",     // overlong, three bytes
        "\xED\xA0\x80",     // surrogate U+D800
        "\xF4\x90\x80\x80", // above U+10FFFF
        "ab\xE2\x82",       // truncated at the end
        "\x80x",            // stray continuation byte
        "\xFF",
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
        EXPECT_EQ(nullptr, s.qxStr());
    }
    MyStr none(static_cast<const char*>(nullptr));
    EXPECT_EQ(0, none.length());
    int32_t count = 5;
    EXPECT_EQ(0, none.uStr(&count)[0]);
    EXPECT_EQ(0, count);
}

TEST(SupportMyStr, utf8_round_trips_through_utf16) {
    const char* text = "Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC \xF0\x9F\x98\x80"; // Grüße € 😀
    MyStr s(text);
    EXPECT_EQ(10, s.length()); // the emoji takes two units
    int32_t count = 0;
    const uint16_t* u = s.uStr(&count);
    EXPECT_EQ(10, count);
    EXPECT_EQ(0x00FC, u[2]);
    EXPECT_EQ(0xD83D, u[8]);
    EXPECT_EQ(0, u[10]);
    EXPECT_STREQ(text, s.UTF8Str());
    uint16_t* copy = s.getUString();
    ASSERT_NE(nullptr, copy);
    MyStr back(copy, 0);
    myfree(copy);
    EXPECT_STREQ(text, back.UTF8Str());
    // An empty text is a text, unlike an invalid one.
    MyStr empty("");
    char dst[4] = "x";
    EXPECT_TRUE(empty.getString(dst, sizeof dst, kEncUTF8));
    EXPECT_STREQ("", dst);
}

TEST(SupportMyStr, getString_fails_whole_when_it_does_not_fit) {
    MyStr s("abcd");
    char dst[8];
    EXPECT_TRUE(s.getString(dst, 5, kEncUTF8));
    EXPECT_STREQ("abcd", dst);
    memset(dst, 'x', sizeof dst);
    EXPECT_FALSE(s.getString(dst, 4, kEncUTF8));
    EXPECT_EQ(0, dst[0]);
    EXPECT_EQ('x', dst[4]); // nothing written beyond the capacity
    EXPECT_FALSE(s.getString(dst, 0, kEncUTF8));
    EXPECT_FALSE(s.getString(nullptr, 8, kEncUTF8));
    EXPECT_FALSE(s.getString(dst, sizeof dst, 1252)); // unknown encoding
    // UTF-16 takes two bytes per unit and a two-byte terminator.
    char units[10];
    EXPECT_TRUE(s.getString(units, 10, kEncUTF16));
    uint16_t first;
    memcpy(&first, units, 2);
    EXPECT_EQ('a', first);
    EXPECT_EQ(0, units[8] | units[9]);
    EXPECT_FALSE(s.getString(units, 9, kEncUTF16));
}

TEST(SupportMyStr, eight_bit_encodings) {
    MyStr accents("\xC3\xA9\xE2\x82\xAC"); // é€
    char dst[8];
    ASSERT_TRUE(accents.getHostString(dst, sizeof dst));
    EXPECT_STREQ("\xE9\x80", dst);
    ASSERT_TRUE(accents.getString(dst, sizeof dst, kEncMacRoman));
    EXPECT_STREQ("\x8E\xDB", dst);
    // Omega exists in Mac Roman but not in Windows-1252: the host form
    // fails as a whole rather than writing a different name.
    MyStr omega("x\xCE\xA9");
    EXPECT_FALSE(omega.getHostString(dst, sizeof dst));
    EXPECT_STREQ("", dst);
    EXPECT_TRUE(omega.getString(dst, sizeof dst, kEncMacRoman));
    EXPECT_STREQ("x\xBD", dst);
    EXPECT_FALSE(MyStr("abc").getHostString(dst, 3));
}

TEST(SupportMyStr, unpaired_surrogates_from_utf16_become_replacement_characters) {
    const uint16_t units[] = {'a', 0xD800, 'b', 0xDC00, 0};
    MyStr s(units, 0);
    EXPECT_EQ(4, s.length());
    EXPECT_STREQ("a\xEF\xBF\xBD" "b\xEF\xBF\xBD", s.UTF8Str());
    MyStr counted(units, 1);
    EXPECT_STREQ("a", counted.UTF8Str());
    EXPECT_EQ(0, MyStr(units, -1).length());
    EXPECT_EQ(0, MyStr(static_cast<const uint16_t*>(nullptr), 3).length());
}

TEST(SupportMyStr, localize_flag_looks_up_short_keys) {
    gLanguage = kLangEnglish;
    setupMyStrings();
    EXPECT_STREQ("Preferences:", MyStr("prefsCmd:", true).UTF8Str());
    EXPECT_STREQ("prefsCmd", MyStr("prefsCmd").UTF8Str());
    EXPECT_STREQ("noSuchKey", MyStr("noSuchKey", true).UTF8Str());
    std::string longText(250, 'k');
    EXPECT_EQ(longText, MyStr(longText.c_str(), true).UTF8Str());
}

TEST(SupportMyStr, getPath_is_bounded_and_reset_is_repeatable) {
    std::string fits = "/" + std::string(510, 'p');
    char path[kMyPathSize];
    EXPECT_TRUE(MyStr(fits.c_str()).getPath(path));
    EXPECT_EQ(fits, path);
    EXPECT_FALSE(MyStr((fits + "q").c_str()).getPath(path));
    EXPECT_STREQ("", path);
    EXPECT_TRUE(MyStr("rel:colon/Caf\xC3\xA9").getPath(path));
    EXPECT_STREQ("rel:colon/Caf\xC3\xA9", path);

    MyStr s("text");
    const char* utf8 = s.UTF8Str();
    EXPECT_EQ(utf8, s.UTF8Str()); // the copy handed out stays put
    s.reset();
    s.reset();
    EXPECT_EQ(0, s.length());
    EXPECT_STREQ("", s.UTF8Str());
}
