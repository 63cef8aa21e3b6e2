#include "host/ps_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

namespace {

std::string byPrintf(double value, int decimals) {
    char text[512];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string fixed(double value, int decimals) {
    std::string out = "[";
    plxhost::appendFixed(out, value, decimals);
    return out.substr(1);
}

// The stream's numbers must be the bytes printf wrote, or files written
// before and after would differ.
TEST(PsNumber, WritesWhatPrintfWrites) {
    const double edges[] = {0.0, -0.0, 0.0005, -0.0005, 0.0004999, 0.0015, 0.0025, 1.0005,
                            2.675, 1.5, 2.5, -2.5, 0.125, 0.375, 999999.9995, 595.275591,
                            -60.0, 0.25, 0.75, 16000, -16000, 1e-9, -1e-9, 123456789.0,
                            1e15, -1e300, 0.049999999999999996, 4.0000000000000036};
    for (double v : edges)
        for (int d = 0; d <= 6; ++d) EXPECT_EQ(fixed(v, d), byPrintf(v, d)) << v << " " << d;
    // Points as the host computes them: sixty-fifths of a thousand and
    // sums of fixed-point values, and anything else a page could hold.
    std::mt19937_64 random(15);
    std::uniform_real_distribution<double> any(-20000, 20000);
    for (int i = 0; i < 200000; ++i) {
        double v = i % 2 ? any(random) : static_cast<double>(static_cast<int32_t>(random())) / 65536.0;
        int d = i % 4 == 0 ? 1 : 3;
        ASSERT_EQ(fixed(v, d), byPrintf(v, d)) << v;
    }
    // Halves of the last digit, where the rounding is decided exactly.
    for (int k = -20000; k <= 20000; ++k) {
        double v = k / 1000.0 + 0.0005;
        ASSERT_EQ(fixed(v, 3), byPrintf(v, 3)) << v;
    }
}

TEST(PsNumber, NotFiniteAndOutOfRangeGoThroughPrintf) {
    EXPECT_EQ(fixed(INFINITY, 3), byPrintf(INFINITY, 3));
    EXPECT_EQ(fixed(-INFINITY, 3), byPrintf(-INFINITY, 3));
    EXPECT_EQ(fixed(NAN, 3), byPrintf(NAN, 3));
    EXPECT_EQ(fixed(1.25, 9), byPrintf(1.25, 9));
    EXPECT_EQ(fixed(1e300, 3), byPrintf(1e300, 3));
}

} // namespace
