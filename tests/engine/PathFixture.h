#pragma once

// Path states set up the way the hour-by-hour computation sets them.

#include "engine/Bearing.h"
#include "engine/ModelMath.h"
#include "engine/PathState.h"

namespace skelda::engine::testing {

inline long double Rad(long double degrees)
{
    return degrees * kDegToRad;
}

// Positions in degrees, longitudes positive west; the sun at declination 0 over longitude 0.
inline PathState MakePath(long double ownLatDeg, long double ownLonDeg, long double destLatDeg,
                          long double destLonDeg, bool longPath = false)
{
    PathState path;
    path.OwnLatRad = Rad(ownLatDeg);
    path.OwnLonRad = Rad(ownLonDeg);
    path.DestLatRad = Rad(destLatDeg);
    path.DestLonRad = Rad(destLonDeg);
    path.DeltaLonRad = path.OwnLonRad - path.DestLonRad;
    if (path.DeltaLonRad >= kPiTrunc) path.DeltaLonRad -= kTwoPiTrunc;
    if (path.DeltaLonRad <= -kPiTrunc) path.DeltaLonRad += kTwoPiTrunc;
    path.OwnAzimuthRad =
        ComputeBearing(path.OwnLatRad, path.OwnLonRad, path.DestLatRad, path.DestLonRad);
    path.LongPath = longPath;
    if (longPath) {
        path.OwnAzimuthRad += kPiTrunc;
        if (path.OwnAzimuthRad >= kTwoPiTrunc) path.OwnAzimuthRad -= kTwoPiTrunc;
    }
    return path;
}

}  // namespace skelda::engine::testing
