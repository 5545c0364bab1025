#include "worldmap/SunPosition.h"

#include <gtest/gtest.h>

#include <cmath>

namespace skelda::worldmap {
namespace {

using plat::EncodeDate;
using plat::EncodeTime;

constexpr double DegPerRad = 180 / Pi;

TEST(SunPosition, DayOfYearCountsFebruaryAs28Days)
{
    struct Case {
        int Year, Month, Day, Expected;
    };
    const Case cases[] = {
        {2024, 3, 1, 60}, {2023, 3, 1, 60}, {2024, 2, 29, 60}, {2023, 1, 1, 1}, {2023, 12, 31, 365}, {2024, 12, 31, 365},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DayOfYear(EncodeDate(c.Year, c.Month, c.Day) + EncodeTime(15, 30, 0, 0)), c.Expected)
            << c.Year << "-" << c.Month << "-" << c.Day;
}

TEST(SunPosition, DeclinationPeaksAtTheSolsticesAndVanishesAtTheEquinoxes)
{
    struct Case {
        int DayOfYear;
        double ExpectedDeg;
    };
    const Case cases[] = {
        {355, -23.5},  // 21 December
        {172, 23.5},   // 21 June
        {81, 0.0},     // 22 March
        {264, 0.0},    // 21 September
        {7, -22.4},    // 7 January: two weeks past the solstice
    };
    for (const Case& c : cases)
        EXPECT_NEAR(SolarDeclinationRad(c.DayOfYear) * DegPerRad, c.ExpectedDeg, 0.15) << "day " << c.DayOfYear;
}

TEST(SunPosition, SunPixelFollowsTheUtcHourAndTheDeclination)
{
    struct Case {
        int Month, Day, Hour;
        plat::TPoint Expected;
    };
    const Case cases[] = {
        {1, 7, 0, {0, 159}},     // 2 pi wraps to the left edge; 128 + Trunc(256 * 0.3917 / pi)
        {1, 7, 12, {256, 159}},  // noon at Greenwich
        {1, 7, 18, {128, 159}},  // 90 degrees west
        {1, 7, 6, {384, 159}},   // 90 degrees east
        {6, 21, 12, {256, 95}},  // June: the sun north of the equator, upper half
    };
    for (const Case& c : cases) {
        const TSunPosition sun = SunPosition(EncodeDate(2026, c.Month, c.Day) + EncodeTime(c.Hour, 0, 0, 0));
        EXPECT_EQ(SunPixel(sun, 512, 256), c.Expected) << c.Month << "-" << c.Day << " " << c.Hour << "h";
    }
}

TEST(SunPosition, AnInstantJustBeforeMidnightBelongsWhollyToTheNextDay)
{
    // Rounded to the millisecond this is 1 January 00:00:00.000: day 1 with the sun at 2 pi, not
    // day 365 with the sun at 0.
    const TSunPosition sun = SunPosition(EncodeDate(2026, 1, 1) - 1e-10);
    EXPECT_DOUBLE_EQ(sun.LongitudeRad, TwoPi);
    EXPECT_DOUBLE_EQ(sun.DeclinationRad, SolarDeclinationRad(1));
}

}  // namespace
}  // namespace skelda::worldmap
