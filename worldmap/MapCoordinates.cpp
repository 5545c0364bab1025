#include "worldmap/MapCoordinates.h"

#include "platform/core/Exception.h"
#include "platform/system/MathRoutines.h"
#include "worldmap/MapTexts.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace skelda::worldmap {

namespace {

constexpr int StationMarkerSize = 6;
constexpr int TargetMarkerSize = 10;
constexpr int TargetMarkerHalf = 4;

// Degrees far beyond a turn put a marker off the map all the same; bounding them keeps the
// pixel arithmetic inside the integer range.
long double MarkerDegrees(long double deg)
{
    if (!std::isfinite(deg))
        throw plat::EInvalidArgument("A map marker needs finite coordinates");
    return std::clamp(deg, -1.0e6L, 1.0e6L);
}

std::string Hemisphere(int deg, const char* positiveWord, const char* negativeWord)
{
    return deg > 0 ? std::to_string(deg) + positiveWord : std::to_string(-deg) + negativeWord;
}

}  // namespace

TMapDegrees DegreesAt(int x, int y)
{
    // 64-bit products, so that no mouse position can overflow; the quotients fit in 32 bits.
    const auto lon = (256 - static_cast<std::int64_t>(x)) * 180 / 256;
    const auto lat = (128 - static_cast<std::int64_t>(y)) * 90 / 128;
    return {static_cast<int>(lon), static_cast<int>(lat)};
}

TMapClick MapClickAt(int x, int y)
{
    return {DegreesAt(x, y), plat::Bounds(x - TargetMarkerHalf, y - TargetMarkerHalf, TargetMarkerSize, TargetMarkerSize),
            LocationOnMapText};
}

std::string CoordinatesText(int x, int y)
{
    const TMapDegrees at = DegreesAt(x, y);
    return "Latitude " + Hemisphere(at.LatDeg, "° North", "° South") + " - " + "Longitude "
           + Hemisphere(at.LonDeg, "° West", "° East");
}

plat::TRect StationMarker(long double longitudeDeg, long double latitudeDeg)
{
    const std::int64_t left = (180 - plat::Trunc(MarkerDegrees(longitudeDeg))) * 256 / 180;
    const std::int64_t top = (90 - plat::Trunc(MarkerDegrees(latitudeDeg))) * 128 / 90;
    return plat::Bounds(static_cast<int>(left), static_cast<int>(top), StationMarkerSize, StationMarkerSize);
}

plat::TRect TargetMarker(long double destLonDeg, long double destLatDeg)
{
    const std::int64_t left = plat::Round((180 - MarkerDegrees(destLonDeg)) * 256 / 180) - TargetMarkerHalf;
    const std::int64_t top = plat::Round((90 - MarkerDegrees(destLatDeg)) * 128 / 90) - TargetMarkerHalf;
    return plat::Bounds(static_cast<int>(left), static_cast<int>(top), TargetMarkerSize, TargetMarkerSize);
}

}  // namespace skelda::worldmap
