#include "plugin/support/mystr.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(SupportTextConv, UTF8ToHost_is_whole_or_nothing) {
    char dst[16] = "old";
    EXPECT_TRUE(UTF8ToHost(dst,
                           "Gr\xC3\xBC\xC3\x9F"
                           "e",
                           sizeof dst));
    EXPECT_STREQ("Gr\xFC\xDF"
                 "e",
                 dst);
    strcpy(dst, "old");
    EXPECT_FALSE(UTF8ToHost(dst, "bad\xC0\xAF", sizeof dst)); // invalid: untouched
    EXPECT_STREQ("old", dst);
    EXPECT_FALSE(UTF8ToHost(dst, "\xE2\x88\x9E", sizeof dst)); // no byte for ∞
    EXPECT_STREQ("", dst);
    strcpy(dst, "old");
    EXPECT_FALSE(UTF8ToHost(dst, "abcd", 4));
    EXPECT_STREQ("", dst);
    char text[16] = "\xE2\x80\x9Equote\xE2\x80\x9C"; // „quote“, in place
    EXPECT_TRUE(UTF8ToHost(text, sizeof text));
    EXPECT_STREQ("\x84quote\x93", text);
}

TEST(SupportTextConv, HostToUTF8_within_capacity) {
    char text[9] = "\xE9t\xE9\x80"; // été€ needs exactly 9 bytes as UTF-8
    EXPECT_TRUE(HostToUTF8(text, sizeof text));
    EXPECT_STREQ("\xC3\xA9t\xC3\xA9\xE2\x82\xAC", text);
    char small[8] = "\xE9\xE9\xE9\xE9";
    EXPECT_FALSE(HostToUTF8(small, sizeof small));
    EXPECT_STREQ("", small);
}

TEST(SupportTextConv, ellipsis_is_appended_within_the_buffer) {
    char word[8] = "Word";
    EXPECT_TRUE(addEllipsisToString(word, sizeof word));
    EXPECT_STREQ("Word\xE2\x80\xA6", word);
    char tight[7] = "Word";
    EXPECT_TRUE(addEllipsisToString(tight, sizeof tight));
    EXPECT_STREQ("Wor\xE2\x80\xA6", tight);
    char umlauts[7] = "\xC3\xA4\xC3\xA4"; // the cut may not split a character
    EXPECT_TRUE(addEllipsisToString(umlauts, sizeof umlauts));
    EXPECT_STREQ("\xC3\xA4\xE2\x80\xA6", umlauts);
    char tiny[3] = "ab";
    EXPECT_FALSE(addEllipsisToString(tiny, sizeof tiny));
}

TEST(SupportTextConv, findstr_stays_inside_the_range) {
    const char data[] = {'%', 'P', 'D', 'F', 0, 'x', 'E', 'O', 'F', '!'};
    EXPECT_EQ(data + 6, findstr(data, "EOF", 9)); // ends on the range's last byte
    EXPECT_EQ(nullptr, findstr(data, "EOF!", 9)); // would reach past it
    EXPECT_EQ(nullptr, findstr(data, "EOF", -5));
}

TEST(SupportTextConv, wstr_comparisons_and_bounded_copies) {
    const uint16_t abc[] = {'a', 'b', 'c', 0}, bc[] = {'b', 'c', 0}, abd[] = {'a', 'b', 'd', 0};
    EXPECT_EQ(-1, wstrcmp(abc, bc)); // lengths differ
    EXPECT_LT(wstrcmp(abc, abd), 0);
    EXPECT_EQ(0, wstrncmp(abc, abd, 2));
    EXPECT_EQ(-1, wstrncmp(abc, bc, 3));
    EXPECT_EQ(nullptr, wstrstr(bc, abc));
    uint16_t small[4];
    wstrcat(wstrcpy(small, abc, 4), bc, 4);
    EXPECT_EQ(3u, wstrlen(small));
    const uint16_t pair[] = {'x', 0xD83D, 0xDE00, 0};
    uint16_t two[3];
    EXPECT_EQ(1u, wstrlen(wstrcpy(two, pair, 3))); // a surrogate pair is not split
}
