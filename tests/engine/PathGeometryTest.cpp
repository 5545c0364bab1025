#include "engine/HopTable.h"
#include "engine/ModelMath.h"
#include "engine/PathGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace skelda::engine {
namespace {

long double Rad(long double degrees)
{
    return degrees * kDegToRad;
}

double Deg(long double rad)
{
    return static_cast<double>(rad * kRadToDeg);
}

PathPlanOutcome Plan(long double ownLatDeg, long double ownLonDeg, long double destLatDeg,
                     long double destLonDeg, long double minAngleDeg, bool longPath = false)
{
    return PlanPath(Rad(ownLatDeg), Rad(ownLonDeg), Rad(destLatDeg), Rad(destLonDeg),
                    Rad(minAngleDeg), longPath);
}

TEST(PathGeometryTest, AgreesWithTheReferencePaths)
{
    // Worked out independently in double precision; longitudes positive west.
    struct Case {
        long double ownLat, ownLon, destLat, destLon, minAngle;
        bool longPath;
        double pathRad, ownAzimuthDeg, remoteAzimuthDeg;
        int hops;
        double elevationDeg, delayMs;
    };
    const Case cases[] = {
        {48.8333L, -2.25L, 38.0L, 75.0L, 10, false, 0.9545863394859196, 289.6437068607335,
         51.879897732558426, 3, 12.524862165055122, 21.733269872970663},
        {48.8333L, -2.25L, -33.87L, -151.21L, 5, true, 3.6197818824093155, 248.4941147401481,
         132.47343512813862, 8, 5.687929498694419, 80.50041312369494},
        {51.5L, 0.12L, -1.29L, -36.82L, 3, false, 1.0703587496268376, 136.78000956591927,
         334.7602476653475, 3, 10.208161774597432, 24.145509274773843},
        {64.15L, 21.94L, 61.22L, 149.9L, 15, false, 0.8504435491315462, 329.6643681778972,
         27.21976788444012, 4, 21.678768976397954, 20.38772448969624},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pathRad);
        const PathPlanOutcome outcome =
            Plan(c.ownLat, c.ownLon, c.destLat, c.destLon, c.minAngle, c.longPath);
        ASSERT_EQ(outcome.Refusal, PredictionRefusal::None);
        const PathPlan& plan = outcome.Plan;
        EXPECT_NEAR(static_cast<double>(plan.PathRad), c.pathRad, 1e-12);
        EXPECT_NEAR(Deg(plan.OwnAzimuthRad), c.ownAzimuthDeg, 1e-9);
        EXPECT_NEAR(Deg(plan.RemoteAzimuthRad), c.remoteAzimuthDeg, 1e-9);
        EXPECT_EQ(plan.HopCount, c.hops);
        EXPECT_NEAR(Deg(plan.ElevationRad), c.elevationDeg, 1e-9);
        EXPECT_NEAR(static_cast<double>(plan.DelayMs), c.delayMs, 1e-9);
    }
}

TEST(PathGeometryTest, ShortHopsOnTheEquator)
{
    // 1000 km due east along the equator: no grazing hop by rounding, one hop for 10 degrees.
    const long double eastDeg = -1000 / kEarthRadiusKm * kRadToDeg;
    const PathPlanOutcome shortPath = Plan(0, 0, 0, eastDeg, 10);
    ASSERT_EQ(shortPath.Refusal, PredictionRefusal::None);
    EXPECT_NEAR(static_cast<double>(shortPath.Plan.PathRad * kEarthRadiusKm), 1000, 1e-9);
    EXPECT_NEAR(Deg(shortPath.Plan.OwnAzimuthRad), 90, 1e-9);
    EXPECT_NEAR(Deg(shortPath.Plan.RemoteAzimuthRad), 270, 1e-9);
    EXPECT_EQ(shortPath.Plan.HopCount, 1);
    EXPECT_NEAR(Deg(shortPath.Plan.ElevationRad), 29.7, 0.05);

    // The long way round: the rest of the (truncated) turn, both azimuths turned by 180 degrees.
    const PathPlanOutcome longPath = Plan(0, 0, 0, eastDeg, 10, true);
    ASSERT_EQ(longPath.Refusal, PredictionRefusal::None);
    EXPECT_EQ(longPath.Plan.PathRad, kTwoPiTrunc - shortPath.Plan.PathRad);
    EXPECT_NEAR(Deg(longPath.Plan.OwnAzimuthRad), 270, 1e-9);
    EXPECT_NEAR(Deg(longPath.Plan.RemoteAzimuthRad), 90, 1e-9);

    // With no minimum angle the rounding alone would give no hop, and half a hop of d / 0.
    const PathPlanOutcome level = Plan(0, 0, 0, eastDeg, 0);
    ASSERT_EQ(level.Refusal, PredictionRefusal::None);
    EXPECT_EQ(level.Plan.HopCount, 1);
    EXPECT_EQ(level.Plan.HalfHopRad, level.Plan.PathRad / 2);
    EXPECT_TRUE(std::isfinite(level.Plan.DelayMs));
}

TEST(PathGeometryTest, NearlyParallelCosinesStayFinite)
{
    // 85 N to 85.5 N on one meridian: the arc cosines' arguments round past 1 here.
    for (long double lonDeg : {0.0L, 17.0L, -123.4L}) {
        const PathPlanOutcome outcome = Plan(85, lonDeg, 85.5L, lonDeg, 3);
        ASSERT_EQ(outcome.Refusal, PredictionRefusal::None);
        EXPECT_NEAR(static_cast<double>(outcome.Plan.PathRad), static_cast<double>(Rad(0.5L)), 1e-9);
        EXPECT_NEAR(Deg(outcome.Plan.OwnAzimuthRad), 0, 1e-6);
    }
}

TEST(PathGeometryTest, RefusesWhatHasNoPathOrNoHopCount)
{
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const long double inf = std::numeric_limits<long double>::infinity();
    struct Case {
        const char* what;
        PathPlanOutcome outcome;
        PredictionRefusal refusal;
    };
    const Case cases[] = {
        {"one place", Plan(30, 40, 30, 40, 5), PredictionRefusal::SamePlace},
        {"JN18DU to itself", Plan(48.8333L, -2.25L, 48.8333L, -2.25L, 5),
         PredictionRefusal::SamePlace},
        {"one pole, two longitudes", Plan(90, 0, 90, 50, 5), PredictionRefusal::SamePlace},
        {"one place, both ways round", Plan(30, 40, 30, 40, 5, true), PredictionRefusal::SamePlace},
        {"vertical takeoff", Plan(48.8333L, -2.25L, 38, 75, 90), PredictionRefusal::MinAngleUnreachable},
        {"steep on the longest long path", Plan(0, 0, 0, -1, 25, true),
         PredictionRefusal::MinAngleUnreachable},
        {"latitude NaN", Plan(nan, 0, 10, 10, 5), PredictionRefusal::NotFinite},
        {"longitude infinite", Plan(10, 0, 10, inf, 5), PredictionRefusal::NotFinite},
        {"minimum angle NaN", Plan(10, 0, 20, 10, nan), PredictionRefusal::NotFinite},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.outcome.Refusal, c.refusal);
    }
}

TEST(PathGeometryTest, HopCountStopsWhereFourCountsStillFitTheTable)
{
    // On a half-world path, the angles that 27 and 28 hops reach: the first still leaves room for
    // the link budget's four counts, the second does not.
    const long double d = kPiTrunc;
    const long double at27Rad = std::atan((std::cos(d / 54) - kEarthToFLayerRatio) / std::sin(d / 54));
    const long double at28Rad = std::atan((std::cos(d / 56) - kEarthToFLayerRatio) / std::sin(d / 56));
    const auto plan = [&](long double minAngleRad) {
        return PlanPath(0, 0, 0, -kPiTrunc + 1e-9L, minAngleRad, false);
    };
    const PathPlanOutcome fits = plan(at27Rad - 1e-6L);
    ASSERT_EQ(fits.Refusal, PredictionRefusal::None);
    EXPECT_EQ(fits.Plan.HopCount, LargestFirstHopCount());
    EXPECT_EQ(LargestFirstHopCount() + 3, kMaxHopCount);
    EXPECT_EQ(plan(at28Rad - 1e-6L).Refusal, PredictionRefusal::MinAngleUnreachable);
}

}  // namespace
}  // namespace skelda::engine
