#include "controls/shared/Twips.h"

#include <gtest/gtest.h>
#include <limits>

using namespace controls;

TEST(Twips, HalfAPixelRoundsAwayFromZeroAtAnyResolution)
{
    EXPECT_EQ(twips::toPixels(3927.5, 15), 262);   // 261.83
    EXPECT_EQ(twips::toPixels(22.5, 15), 2);       // 1.5
    EXPECT_EQ(twips::toPixels(-22.5, 15), -2);
    EXPECT_EQ(twips::toPixels(600, 7.5), 80);   // 192 dpi
    EXPECT_DOUBLE_EQ(twips::fromPixels(40, 15), 600);
    EXPECT_DOUBLE_EQ(twips::perPixel(96), 15);
    EXPECT_DOUBLE_EQ(twips::perPixel(192), 7.5);
}

// A screen without a DPI, or a size no int holds, must neither divide by zero nor overflow.
TEST(Twips, NoDpiAndSizesBeyondAnIntStayInRange)
{
    EXPECT_DOUBLE_EQ(twips::perPixel(0), 15);
    EXPECT_DOUBLE_EQ(twips::perPixel(-1), 15);
    EXPECT_EQ(twips::toPixels(1e300, 15), std::numeric_limits<int>::max());
    EXPECT_EQ(twips::toPixels(-1e300, 15), std::numeric_limits<int>::min());
    EXPECT_EQ(twips::toPixels(600, 0), std::numeric_limits<int>::max());
    EXPECT_EQ(twips::toPixels(0, 0), 0);
    EXPECT_EQ(twips::toPixels(std::numeric_limits<double>::quiet_NaN(), 15), 0);
}
