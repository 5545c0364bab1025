#include "worldmap/MapCoordinates.h"

#include "platform/core/Exception.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace skelda::worldmap {
namespace {

TEST(MapCoordinates, ClickSetsWholeDegreesAndCentresTheTargetMarker)
{
    struct Case {
        int X, Y;
        TMapDegrees Expected;
        const char* Caption;
    };
    const Case cases[] = {
        {256, 128, {0, 0}, "Latitude 0° South - Longitude 0° East"},
        {0, 0, {180, 90}, "Latitude 90° North - Longitude 180° West"},
        {511, 256, {-179, -90}, "Latitude 90° South - Longitude 179° East"},
        {300, 50, {-30, 54}, "Latitude 54° North - Longitude 30° East"},
        {255, 129, {0, 0}, "Latitude 0° South - Longitude 0° East"},  // quotients truncate toward zero
    };
    for (const Case& c : cases) {
        const TMapClick click = MapClickAt(c.X, c.Y);
        EXPECT_EQ(click.Target, c.Expected) << c.X << ", " << c.Y;
        EXPECT_EQ(click.TargetMarker, plat::Bounds(c.X - 4, c.Y - 4, 10, 10));
        EXPECT_EQ(click.TargetName, "Location on map");
        EXPECT_EQ(DegreesAt(c.X, c.Y), c.Expected);
        EXPECT_EQ(CoordinatesText(c.X, c.Y), c.Caption);
    }
}

TEST(MapCoordinates, StationMarkerUsesWholeDegreesTruncatedTowardZero)
{
    struct Case {
        long double LonDeg, LatDeg;
        plat::TRect Expected;
    };
    const Case cases[] = {
        {0, 0, plat::Bounds(256, 128, 6, 6)},
        {-2.35L, 48.85L, plat::Bounds(258, 59, 6, 6)},     // Paris: -2 and 48 degrees
        {100.9L, -33.7L, plat::Bounds(113, 174, 6, 6)},    // 100 and -33 degrees
        {200, 0, plat::Bounds(-28, 128, 6, 6)},            // -28.4 truncated, not floored
    };
    for (const Case& c : cases)
        EXPECT_EQ(StationMarker(c.LonDeg, c.LatDeg), c.Expected) << c.LonDeg << ", " << c.LatDeg;
}

TEST(MapCoordinates, TargetMarkerIsCentredOnTheRoundedPixel)
{
    struct Case {
        long double LonDeg, LatDeg;
        plat::TRect Expected;
    };
    const Case cases[] = {
        {0, 0, plat::Bounds(252, 124, 10, 10)},
        {-2.35L, 48.85L, plat::Bounds(255, 55, 10, 10)},         // 259.34 and 58.52 pixels
        {179.6484375L, 89.6484375L, plat::Bounds(-4, -4, 10, 10)},  // exactly half a pixel: to even
        {178.9453125L, 88.9453125L, plat::Bounds(-2, -2, 10, 10)},  // 1.5 pixels: to even
    };
    for (const Case& c : cases)
        EXPECT_EQ(TargetMarker(c.LonDeg, c.LatDeg), c.Expected) << c.LonDeg << ", " << c.LatDeg;
}

TEST(MapCoordinates, MarkersRefuseCoordinatesThatAreNotNumbers)
{
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const long double inf = std::numeric_limits<long double>::infinity();
    EXPECT_THROW(StationMarker(nan, 0), plat::EInvalidArgument);
    EXPECT_THROW(StationMarker(0, inf), plat::EInvalidArgument);
    EXPECT_THROW(TargetMarker(-inf, 0), plat::EInvalidArgument);
    // Absurdly large values stay representable and far off the map.
    EXPECT_LT(TargetMarker(1e300L, 0).Right, 0);
}

}  // namespace
}  // namespace skelda::worldmap
