#include "engine/ModelMath.h"
#include "engine/MufModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace skelda::engine {
namespace {

constexpr long double kEarthKm = kEarthRadiusKm;

long double Rad(long double degrees)
{
    return degrees * kDegToRad;
}

TEST(MufModelTest, SignCountsZeroAsPositive)
{
    struct Case {
        long double value;
        int sign;
    };
    const Case cases[] = {{0.0L, 1},     {-0.0L, 1},  {1e-4940L, 1}, {-1e-4940L, -1},
                          {-1e-30L, -1}, {-2.5L, -1}, {3.0L, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.value));
        EXPECT_EQ(Sign(c.value), c.sign);
    }
}

TEST(MufModelTest, SeasonOfMonthZeroDayZero)
{
    const Season season = SeasonOf(0, 0);
    EXPECT_NEAR(static_cast<double>(season.URad), -0.35088, 1e-12);
    EXPECT_NEAR(static_cast<double>(season.WRad), 0.38408, 5e-6);
}

TEST(MufModelTest, HemisphereFactorTreatsZeroLatitudeAsNorth)
{
    struct Case {
        long double ownLatRad, targetLatRad, factor;
    };
    const Case cases[] = {
        {0.1L, -0.1L, 1.2L},  {-0.1L, 0.1L, 1.2L}, {0.0L, 0.1L, 1.0L},  {0.1L, 0.0L, 1.0L},
        {-0.1L, -0.2L, 1.0L}, {0.0L, -0.1L, 1.2L}, {-0.0L, 0.1L, 1.0L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << static_cast<double>(c.ownLatRad) << " / "
                                          << static_cast<double>(c.targetLatRad));
        EXPECT_NEAR(static_cast<double>(HemisphereFactor(c.ownLatRad, c.targetLatRad)),
                    static_cast<double>(c.factor), 1e-15);
    }
}

TEST(MufModelTest, HighLatitudeFactorFromFortyFiveDegrees)
{
    struct Case {
        long double latDeg, factor;
    };
    const Case cases[] = {{0, 1},     {44, 1},     {-44, 1},     {45.001L, 0.8L},
                          {50, 0.8L}, {-50, 0.8L}, {89.9L, 0.8L}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.latDeg));
        EXPECT_NEAR(static_cast<double>(HighLatitudeFactor(Rad(c.latDeg))),
                    static_cast<double>(c.factor), 1e-15);
    }
}

TEST(MufModelTest, ShortPathHasOneControlPointAtTheMiddle)
{
    // 1000 km north-south on the 10 degrees west meridian.
    const long double arcRad = 1000 / kEarthKm;
    const long double ownLat = Rad(50);
    const long double targetLat = ownLat - arcRad;
    const MufEvaluation eval = EvaluateMiniMuf(6, 15, 12, ownLat, Rad(10), targetLat, Rad(10), 80);

    EXPECT_NEAR(static_cast<double>(eval.PathRad), static_cast<double>(arcRad), 1e-12);
    ASSERT_EQ(eval.ControlPointCount, 1);
    const MufControlPoint& point = eval.ControlPoints[0];
    EXPECT_EQ(point.FractionFromTarget, 0.5L);
    EXPECT_NEAR(static_cast<double>(point.LatRad), static_cast<double>((ownLat + targetLat) / 2),
                1e-9);
    EXPECT_NEAR(static_cast<double>(point.LonRad), static_cast<double>(Rad(10)), 1e-9);
    EXPECT_EQ(eval.MufMHz, point.MufMHz);
}

TEST(MufModelTest, LongPathTakesTheLowerOfTwoControlPoints)
{
    // 8000 km east along the equator: points about 2000 km in from each end.
    const long double arcRad = 8000 / kEarthKm;
    const long double targetLon = -arcRad;  // longitudes are positive west
    const MufEvaluation eval = EvaluateMiniMuf(3, 21, 6, 0, 0, 0, targetLon, 120);

    ASSERT_EQ(eval.ControlPointCount, 2);
    const long double k = 1.59L * arcRad;
    const long double expectedFractions[] = {1 / (2 * k), 0.9999L - 1 / (2 * k)};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const MufControlPoint& point = eval.ControlPoints[static_cast<std::size_t>(i)];
        EXPECT_NEAR(static_cast<double>(point.FractionFromTarget),
                    static_cast<double>(expectedFractions[i]), 1e-15);
        EXPECT_NEAR(static_cast<double>(point.LatRad), 0, 1e-12);
        // Counted from the target towards the station, i.e. westward, wrapped into 0 .. 2 pi.
        EXPECT_NEAR(static_cast<double>(point.LonRad),
                    static_cast<double>(targetLon + expectedFractions[i] * arcRad + kTwoPiTrunc),
                    1e-12);
    }
    EXPECT_NE(eval.ControlPoints[0].MufMHz, eval.ControlPoints[1].MufMHz);
    EXPECT_EQ(eval.MufMHz, std::min(eval.ControlPoints[0].MufMHz, eval.ControlPoints[1].MufMHz));
}

TEST(MufModelTest, ControlPointLoopStopsAtTwoWhereItsStepVanishes)
{
    // k = 1.0001: the step |0.9999 - 1/k| is 1e-8, which would visit some ten thousand points.
    const long double arcRad = 1.0001L / 1.59L;
    const MufEvaluation eval = EvaluateMiniMuf(1, 1, 0, 0, 0, 0, -arcRad, 100);
    EXPECT_EQ(eval.ControlPointCount, 2);
    EXPECT_TRUE(std::isfinite(eval.MufMHz));
}

TEST(MufModelTest, PolarNightLeavesOnlyTheBackgroundIonisation)
{
    // Mid-January near 85 degrees north the sun stays below the twilight limit all day.
    const long double ssn = 50;
    const MufEvaluation eval = EvaluateMiniMuf(1, 15, 12, Rad(85), 0, Rad(85), Rad(5), ssn);
    ASSERT_EQ(eval.ControlPointCount, 1);
    const MufControlPoint& point = eval.ControlPoints[0];
    EXPECT_EQ(point.DayLengthHours, 0);
    EXPECT_EQ(point.Ionisation, 0);

    const long double s = std::sin(2.5L * eval.PathRad);
    const long double k8 = 1 + 2.5L * s * std::sqrt(s);
    const long double expected =
        std::sqrt(6.0L) * (1 + ssn / 250) * k8 * (1 - 0.1L * std::exp(-8.0L)) * 0.8L;
    EXPECT_NEAR(static_cast<double>(eval.MufMHz), static_cast<double>(expected), 1e-12);
}

TEST(MufModelTest, DaytimeMufExceedsNighttimeMuf)
{
    // Paris to Rome in June: local noon against local midnight.
    const long double args[] = {Rad(48.83L), Rad(-2.25L), Rad(41.9L), Rad(-12.5L)};
    const long double noon = MiniMuf(6, 15, 11, args[0], args[1], args[2], args[3], 100);
    const long double midnight = MiniMuf(6, 15, 23, args[0], args[1], args[2], args[3], 100);
    EXPECT_GT(noon, midnight);
    EXPECT_GT(midnight, 0);
    EXPECT_LT(noon, 100);
}

TEST(MufModelTest, IdenticalEndsHaveNoMuf)
{
    const MufEvaluation eval = EvaluateMiniMuf(5, 5, 5, Rad(30), Rad(40), Rad(30), Rad(40), 100);
    EXPECT_EQ(eval.PathRad, 0);
    EXPECT_EQ(eval.ControlPointCount, 0);
    EXPECT_TRUE(std::isnan(eval.MufMHz));

    // The arc from a point to itself rounds above 0 at many latitudes (JN18DU, 48.8333 N 2.25 E,
    // is one), so identity must not be read off the arc.
    struct Place {
        long double latDeg, lonDeg, otherLonDeg;
    };
    std::vector<Place> places = {{48.8333L, -2.25L, -2.25L}, {90, 10, -120}, {-90, 0, 77},
                                 {12.5L, 180, -180}};
    for (int latDeg = -89; latDeg <= 89; latDeg += 4)
        places.push_back({static_cast<long double>(latDeg), 0.5L * latDeg, 0.5L * latDeg});
    for (const Place& p : places) {
        SCOPED_TRACE(static_cast<double>(p.latDeg));
        EXPECT_TRUE(std::isnan(MiniMuf(6, 15, 12, Rad(p.latDeg), Rad(p.lonDeg), Rad(p.latDeg),
                                       Rad(p.otherLonDeg), 100)));
    }
}

TEST(MufModelTest, ControlPointNextToAPoleTakesTheTargetsLongitude)
{
    // Over the North Pole from 80 N 0 to 80 N 180 the only control point is the pole itself;
    // a hair off that meridian it is within 1e-9 rad of it. Its longitude, and so its local noon,
    // must not come from rounding noise.
    for (long double targetLonDeg : {180.0L, 179.999999L, -179.999999L}) {
        SCOPED_TRACE(static_cast<double>(targetLonDeg));
        const MufEvaluation eval =
            EvaluateMiniMuf(3, 21, 12, Rad(80), Rad(0), Rad(80), Rad(targetLonDeg), 100);
        ASSERT_EQ(eval.ControlPointCount, 1);
        long double expectedLonRad = Rad(targetLonDeg);
        if (expectedLonRad < 0) expectedLonRad += kTwoPiTrunc;
        EXPECT_EQ(eval.ControlPoints[0].LonRad, expectedLonRad);
        EXPECT_TRUE(std::isfinite(eval.MufMHz));
    }
}

}  // namespace
}  // namespace skelda::engine
