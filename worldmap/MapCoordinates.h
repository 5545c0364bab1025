#pragma once

#include "platform/core/Types.h"

#include <string>

namespace skelda::worldmap {

// Map pixels and whole degrees on the 512 x 256 map: 256 pixels per 180 degrees of longitude,
// 128 pixels per 90 degrees of latitude; longitudes positive west, latitudes positive north.

// Whole degrees under the map pixel (X, Y), each division truncated toward zero.
struct TMapDegrees {
    int LonDeg = 0;
    int LatDeg = 0;
    friend bool operator==(const TMapDegrees&, const TMapDegrees&) = default;
};
TMapDegrees DegreesAt(int x, int y);

// What a click on the map sets: the target in whole degrees, its marker centred on the click,
// and the target's name.
struct TMapClick {
    TMapDegrees Target;
    plat::TRect TargetMarker;
    std::string TargetName;
};
TMapClick MapClickAt(int x, int y);

// The caption under the cursor, e.g. "Latitude 54° North - Longitude 30° East".
std::string CoordinatesText(int x, int y);

// The 6 x 6 marker of the own station at the given coordinates (degrees), whole degrees only.
plat::TRect StationMarker(long double longitudeDeg, long double latitudeDeg);

// The 10 x 10 target marker centred on the given coordinates (degrees), rounded to the pixel.
plat::TRect TargetMarker(long double destLonDeg, long double destLatDeg);

}  // namespace skelda::worldmap
