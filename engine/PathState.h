#pragma once

// Where the path runs and where the sun stands for the hour being computed. The hour-by-hour
// computation fills it; the zenith, layer and link-budget formulas read it. Radians throughout,
// latitudes positive north, longitudes positive west.

namespace skelda::engine {

struct PathState {
    long double OwnLatRad = 0;
    long double OwnLonRad = 0;
    long double DestLatRad = 0;
    long double DestLonRad = 0;
    // Own minus target longitude in (-pi, pi); >= 0 means the target lies east. Always taken from
    // the short path, also when LongPath is set.
    long double DeltaLonRad = 0;
    long double OwnAzimuthRad = 0;  // 0 .. 2 pi at the own station, turned by pi on the long path
    long double RemoteAzimuthRad = 0;  // 0 .. 2 pi at the target
    bool LongPath = false;
    long double SunDeclinationRad = 0;
    long double SunLongitudeRad = 0;  // subsolar longitude of the hour, positive west
};

}  // namespace skelda::engine
