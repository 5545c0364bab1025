#include "engine/SolarZenith.h"

#include "tests/engine/PathFixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace skelda::engine {
namespace {

using testing::MakePath;
using testing::Rad;

double Deg(long double rad)
{
    return static_cast<double>(rad / kDegToRad);
}

TEST(SolarZenithTest, PointsLieOnTheChosenPath)
{
    struct Case {
        const char* what;
        PathState path;
        long double dstDeg;
        double latDeg, lonDeg;  // expected point, longitude positive west
    };
    // Along the equator from longitude 0 to 10 degrees east (-10) or west (+10).
    const Case cases[] = {
        {"short path east", MakePath(0, 0, 0, -10), 5, 0, -5},
        {"short path west", MakePath(0, 0, 0, 10), 5, 0, 5},
        {"long path east, before the antipode", MakePath(0, 0, 0, -10, true), 175, 0, 175},
        {"long path east, past the antipode", MakePath(0, 0, 0, -10, true), 218.75L, 0, -141.25},
        {"long path west, before the antipode", MakePath(0, 0, 0, 10, true), 100, 0, -100},
        {"long path west, past the antipode", MakePath(0, 0, 0, 10, true), 300, 0, 60},
        {"mid-latitude short path", MakePath(40, 0, 40, -20), 0, 40, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const GeoPoint point = PointAlongPath(c.path, Rad(c.dstDeg));
        EXPECT_NEAR(Deg(point.LatRad), c.latDeg, 1e-6);
        EXPECT_NEAR(Deg(point.LonRad), c.lonDeg, 1e-6);
    }
}

TEST(SolarZenithTest, PathOverThePoleKeepsDefinedPoints)
{
    // North from 80 degrees on the meridian 0: the pole after 10 degrees, then down the far side.
    PathState path = MakePath(80, 0, 80, 180);
    const GeoPoint pole = PointAlongPath(path, Rad(10));
    EXPECT_NEAR(Deg(pole.LatRad), 90, 1e-5);
    EXPECT_TRUE(std::isfinite(pole.LonRad));
    const GeoPoint beyond = PointAlongPath(path, Rad(20));
    EXPECT_NEAR(Deg(beyond.LatRad), 80, 1e-6);
    // The truncated pi leaves the azimuth a few microradians off north, which the pole magnifies.
    EXPECT_NEAR(std::fabs(Deg(beyond.LonRad)), 180, 1e-3);

    // From the pole itself every direction is south; the point's latitude is all that is defined.
    path = MakePath(90, 0, 0, 0);
    const GeoPoint fromPole = PointAlongPath(path, Rad(30));
    EXPECT_NEAR(Deg(fromPole.LatRad), 60, 1e-6);
    EXPECT_TRUE(std::isfinite(fromPole.LonRad));
}

TEST(SolarZenithTest, ZenithOfTheSunAtAPoint)
{
    struct Case {
        GeoPoint point;
        long double declDeg, sunLonDeg;
        double zenithDeg;
    };
    const Case cases[] = {
        {{0, 0}, 0, 0, 0},
        {{0, 0}, 0, 90, 90},
        {{0, Rad(-30)}, 0, 90, 120},
        {{Rad(90), 0}, 20, 123, 70},  // at the pole only the declination counts
        {{Rad(-45), Rad(10)}, -23.5L, 10, 21.5},
        {{0, 0}, 0, 180, 180},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zenithDeg);
        EXPECT_NEAR(Deg(SolarZenithAt(c.point, Rad(c.declDeg), Rad(c.sunLonDeg))), c.zenithDeg,
                    1e-5);
    }
}

TEST(SolarZenithTest, ZenithFollowsTheLongPathMidpoint)
{
    // One long-path hop from 0 to 10 degrees east has its midpoint at 175 degrees west.
    PathState path = MakePath(0, 0, 0, -10, true);
    path.SunLongitudeRad = Rad(175);
    EXPECT_NEAR(Deg(Zenith(path, Rad(175))), 0, 1e-5);
}

}  // namespace
}  // namespace skelda::engine
