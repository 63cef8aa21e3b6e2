#include "plugin/support/myarray.h"

#include <gtest/gtest.h>

TEST(SupportMyArray, keeps_order_without_duplicates) {
    MyArray pages(2000, 4);
    EXPECT_EQ(-1, pages.getPos(&pages)); // empty
    const int32_t added[] = {7, 3, 9};
    for (int32_t p : added)
        pages.addElem(&p);
    int32_t again = 3;
    EXPECT_EQ(1, pages.addElem(&again)); // the index of the one already there
    ASSERT_EQ(3, pages.count());
    for (int32_t i = 0; i < 3; ++i)
        EXPECT_EQ(added[i], pages.integerValue(i));
    // Appending skips the search, and grows like adding.
    MyArray appended(1, 4);
    int32_t five = 5;
    EXPECT_EQ(0, appended.appendElem(&five));
    EXPECT_EQ(1, appended.appendElem(&five));
    EXPECT_EQ(2, appended.count());
    EXPECT_EQ(101, appended.capacity());
    EXPECT_EQ(-1, appended.appendElem(nullptr));
    // Indices outside the list read as 0 instead of beyond the block.
    EXPECT_EQ(0, pages.integerValue(3));
    EXPECT_EQ(0, pages.integerValue(-1));
}

TEST(SupportMyArray, grows_by_exactly_one_hundred) {
    MyArray pages(2000, 4);
    for (int32_t p = 1; p <= 2001; ++p)
        pages.addElem(&p);
    EXPECT_EQ(2100, pages.capacity());
    EXPECT_EQ(2001, pages.count());
    EXPECT_EQ(1, pages.integerValue(0));
    EXPECT_EQ(2001, pages.integerValue(2000));
    MyArray empty(0, 4);
    int32_t one = 1;
    EXPECT_EQ(0, empty.addElem(&one));
    EXPECT_EQ(100, empty.capacity());
}

TEST(SupportMyArray, elements_compare_bytewise) {
    struct Pair {
        int16_t a, b;
    } p1{1, 2}, p2{2, 1}, p3{1, 2};
    MyArray pairs(1, sizeof(Pair));
    pairs.addElem(&p1);
    EXPECT_EQ(1, pairs.addElem(&p2));
    EXPECT_EQ(0, pairs.addElem(&p3));
    EXPECT_EQ(0, MyArray(4, 2).integerValue(0)); // too small to read as an integer
    EXPECT_EQ(-1, MyArray(10, 0).addElem(&p1));
}
