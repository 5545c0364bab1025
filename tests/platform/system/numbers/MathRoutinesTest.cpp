#include "platform/system/MathRoutines.h"

#include "platform/core/Exception.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

using namespace plat;

namespace {

TEST(MathRoutines, RoundSendsHalvesToTheEvenNeighbour)
{
    struct Case {
        double Value;
        std::int64_t Expected;
    };
    const Case cases[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.5, 0}, {1.5, 2}, {-1.5, -2}, {-0.5, 0},
        {2.4999999, 2}, {-3.7, -4}, {1e15 + 0.5, 1000000000000000},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Round(c.Value), c.Expected) << c.Value;
        EXPECT_EQ(Round(static_cast<long double>(c.Value)), c.Expected) << c.Value;
    }
}

TEST(MathRoutines, TruncGoesTowardZeroAndFracKeepsTheSign)
{
    EXPECT_EQ(Trunc(2.9), 2);
    EXPECT_EQ(Trunc(-2.9), -2);
    EXPECT_EQ(Trunc(-0.9L), 0);
    EXPECT_DOUBLE_EQ(Frac(3.75), 0.75);
    EXPECT_DOUBLE_EQ(Frac(-1.25), -0.25);
    EXPECT_EQ(Frac(-2.75L), -0.75L);
}

TEST(MathRoutines, ValuesWithoutAnIntegerRaiseInsteadOfWrapping)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double v : {nan, inf, -inf, 1e19, -1e19, 9223372036854775808.0}) {
        EXPECT_THROW(Round(v), EInvalidOperation) << v;
        EXPECT_THROW(Trunc(v), EInvalidOperation) << v;
        EXPECT_THROW(Round(static_cast<long double>(v)), EInvalidOperation) << v;
    }
    EXPECT_EQ(Round(-9223372036854775808.0), std::numeric_limits<std::int64_t>::min());
    try {
        Round(nan);
        FAIL();
    } catch (const EInvalidOperation& e) {
        EXPECT_EQ(e.Message(), "Round: NaN is not a finite number");
    }
}

}  // namespace
