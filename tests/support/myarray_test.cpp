#include "plugin/support/myarray.h"

#include <gtest/gtest.h>

TEST(SupportMyArray, keeps_order_without_duplicates) {
    MyArray pages(2000, 4);
    EXPECT_EQ(-1, pages.getPos(&pages)); // empty
    const int32_t added[] = {7, 3, 9};
    for (int32_t p : added) pages.addElem(&p);
    int32_t again = 3;
    EXPECT_EQ(1, pages.addElem(&again)); // the index of the one already there
    ASSERT_EQ(3, pages.count());
    for (int32_t i = 0; i < pages.count(); ++i) EXPECT_EQ(added[i], pages.integerValue(i));
    EXPECT_EQ(2, pages.getPos(&added[2]));
    // Indices outside the list read as 0 instead of beyond the block.
    EXPECT_EQ(0, pages.integerValue(3));
    EXPECT_EQ(0, pages.integerValue(-1));
    EXPECT_EQ(nullptr, pages.getElem(3));
    EXPECT_EQ(-1, pages.addElem(nullptr));
}

TEST(SupportMyArray, grows_by_exactly_one_hundred) {
    MyArray pages(2000, 4);
    for (int32_t p = 1; p <= 2000; ++p) pages.addElem(&p);
    EXPECT_EQ(2000, pages.capacity());
    int32_t next = 2001;
    EXPECT_EQ(2000, pages.addElem(&next));
    EXPECT_EQ(2100, pages.capacity());
    EXPECT_EQ(2001, pages.count());
    EXPECT_EQ(1, pages.integerValue(0));
    EXPECT_EQ(2001, pages.integerValue(2000));

    MyArray empty(0, 4);
    EXPECT_EQ(0, empty.addElem(&next));
    EXPECT_EQ(100, empty.capacity());
}

TEST(SupportMyArray, elements_compare_bytewise) {
    struct Pair {
        int16_t a, b;
    };
    MyArray pairs(1, sizeof(Pair));
    Pair p1{1, 2}, p2{2, 1}, p3{1, 2};
    EXPECT_EQ(0, pairs.addElem(&p1));
    EXPECT_EQ(1, pairs.addElem(&p2));
    EXPECT_EQ(0, pairs.addElem(&p3));
    EXPECT_EQ(2, pairs.count());

    MyArray bytes(4, 1);
    char c = 'x';
    bytes.addElem(&c);
    EXPECT_EQ(0, bytes.integerValue(0)); // too small to read as an integer
    MyArray invalid(10, 0);
    EXPECT_EQ(-1, invalid.addElem(&c));
}
