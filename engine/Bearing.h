#pragma once

namespace skelda::engine {

// Initial great-circle bearing at the own station towards the target, radians 0 .. 2 pi, north 0,
// east pi/2. Positions in radians, longitudes positive west. Identical points give 0.
long double ComputeBearing(long double ownLatRad, long double ownLonRad, long double targetLatRad,
                           long double targetLonRad);

}  // namespace skelda::engine
