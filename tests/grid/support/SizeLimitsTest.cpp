#include "grid/support/SizeLimits.h"
#include "platform/grids/GridTypes.h"

#include <gtest/gtest.h>

namespace skelda::grid {
namespace {

TEST(SizeLimits, LimitValueTreatsZeroAndEqualLimitsAsNone)
{
    const struct {
        int Value, Min, Max, Expected;
    } cases[] = {
        {5, 10, 10, 5}, {5, 10, 0, 10}, {50, 0, 20, 20}, {15, 10, 20, 15}, {5, -3, 0, 5},
        {25, 30, 20, 20}, {-7, 0, 0, -7},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LimitValue(c.Value, c.Min, c.Max), c.Expected) << c.Value << " " << c.Min << " " << c.Max;
}

TEST(GridRect, ContainsBothBounds)
{
    const plat::TGridRect rect{1, 2, 3, 4};
    EXPECT_TRUE(rect.Contains(1, 2));
    EXPECT_TRUE(rect.Contains(3, 4));
    EXPECT_FALSE(rect.Contains(0, 3));
    EXPECT_FALSE(rect.Contains(2, 5));
}

}  // namespace
}  // namespace skelda::grid
