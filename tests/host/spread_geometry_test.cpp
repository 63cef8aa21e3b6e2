// The spread group's geometry at the limits of a project: the largest
// pages side by side in one spread.
#include <gtest/gtest.h>

#include "host/host_objects.h"
#include "tests/host/print_kit.h"

using namespace plxtest;

TEST(HostSpreadGeometry, PageRectsMoveIntoTheSpreadOrAreRefusedPastWhatAFixedHolds) {
    PrintHost h;
    ASSERT_GE(h.open("layout \"Wide\"\n page-size 16000 16000\n pages 3\n spread 1 2 3\n"), 0);
    int32_t doc = h.host().documents().front()->docRef;
    const XTSpreadFuncs& spread = *h.kit().spread;
    EXPECT_EQ(spread.numSpreads(doc), 1);

    // The second page lies one page width right of the spread's origin.
    XTPageNumData second{};
    second.spreadNum = 1;
    second.pageInSpread = 1;
    fixedrect whole{};
    whole.right = 16000 * kFixedOne;
    whole.bottom = 16000 * kFixedOne;
    fixedrect r = whole;
    ASSERT_EQ(spread.pageRectToSpread(doc, &second, &r), 0);
    EXPECT_EQ(r.left, 16000 * kFixedOne);
    EXPECT_EQ(r.right, 32000 * kFixedOne);
    EXPECT_EQ(r.bottom, whole.bottom);

    // The third page's left edge still fits (32000 points); its right edge
    // would not, and the rectangle is refused untouched rather than
    // wrapped round to the left.
    XTPageNumData third = second;
    third.pageInSpread = 2;
    fixedrect edge{};
    ASSERT_EQ(spread.pageRectToSpread(doc, &third, &edge), 0);
    EXPECT_EQ(edge.left, 32000 * kFixedOne);
    r = whole;
    EXPECT_EQ(spread.pageRectToSpread(doc, &third, &r), kXTParamErr);
    EXPECT_EQ(r.left, whole.left);
    EXPECT_EQ(r.right, whole.right);
}
