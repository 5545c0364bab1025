#include "platform/core/ChangeValue.h"
#include "platform/core/MulDiv.h"
#include "platform/core/RectOps.h"
#include "platform/core/ScopedRestore.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <string>

namespace plat {
namespace {

TEST(MulDiv, RoundsHalfAwayFromZeroOnBothSides)
{
    struct Case {
        int Number, Numerator, Denominator, Expected;
    };
    const Case cases[] = {
        {3, 1, 2, 2},     {-3, 1, 2, -2},  {3, -1, 2, -2}, {3, 1, -2, -2}, {-3, -1, -2, -2},
        {5, 10, 4, 13},   {-5, 10, 4, -13}, {1, 1, 3, 0},  {2, 1, 3, 1},    {-2, 1, 3, -1},
        {0, 7, 5, 0},     {127, 999, 127, 999},
        // The product needs 64 bits; the quotient fits.
        {std::numeric_limits<int>::max(), std::numeric_limits<int>::max(), std::numeric_limits<int>::max(),
         std::numeric_limits<int>::max()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MulDiv(c.Number, c.Numerator, c.Denominator), c.Expected)
            << c.Number << " * " << c.Numerator << " / " << c.Denominator;
}

TEST(MulDiv, ZeroDenominatorAndOverflowGiveMinusOne)
{
    EXPECT_EQ(MulDiv(5, 3, 0), -1);
    EXPECT_EQ(MulDiv(std::numeric_limits<int>::max(), 2, 1), -1);
    EXPECT_EQ(MulDiv(std::numeric_limits<int>::min(), -1, 1), -1);
    EXPECT_EQ(MulDiv(std::numeric_limits<int>::min(), 1, 1), std::numeric_limits<int>::min());
}

TEST(RectOps, MoveInflateAndIntersect)
{
    const TRect r = Rect(10, 20, 30, 40);
    EXPECT_EQ(MovedRect(r, 5, -5), Rect(15, 15, 35, 35));
    EXPECT_EQ(MovedRect(r, Point(-10, -20)), Rect(0, 0, 20, 20));
    EXPECT_EQ(InflatedRect(r, 2, 3), Rect(8, 17, 32, 43));
    EXPECT_EQ(InflatedRect(r, -2, -3), Rect(12, 23, 28, 37));
    EXPECT_EQ(IntersectedRect(r, Rect(25, 0, 100, 25)), Rect(25, 20, 30, 25));
    // Touching edges share no pixel: Right and Bottom lie outside.
    EXPECT_EQ(IntersectedRect(r, Rect(30, 20, 50, 40)), TRect{});
    EXPECT_FALSE(RectsOverlap(r, Rect(30, 20, 50, 40)));
    EXPECT_TRUE(RectsOverlap(r, Rect(29, 39, 50, 50)));
}

TEST(ChangeValue, StoresAndTellsOnlyRealChanges)
{
    int count = 4;
    EXPECT_FALSE(ChangeValue(count, 4));
    EXPECT_TRUE(ChangeValue(count, 5));
    EXPECT_EQ(count, 5);
    std::string caption = "a";
    EXPECT_TRUE(ChangeValue(caption, "b"));
    EXPECT_FALSE(ChangeValue(caption, "b"));
    EXPECT_EQ(caption, "b");
}

TEST(ScopedRestore, PutsTheOldValueBackAlsoAfterAnException)
{
    bool busy = false;
    int level = 3;
    {
        TScopedRestore scope(busy, true);
        TScopedRestore kept(level);
        EXPECT_TRUE(busy);
        level = 9;
    }
    EXPECT_FALSE(busy);
    EXPECT_EQ(level, 3);
    try {
        TScopedRestore scope(level, 7);
        throw std::runtime_error("handler failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(level, 3);
}

}  // namespace
}  // namespace plat
