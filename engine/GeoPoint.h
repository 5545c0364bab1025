#pragma once

namespace skelda::engine {

// A place on the sphere, radians, latitude positive north, longitude positive west.
struct GeoPoint {
    long double LatRad = 0;
    long double LonRad = 0;
};

}  // namespace skelda::engine
