#include "engine/SolarZenith.h"

#include "engine/ModelMath.h"

#include <cmath>

namespace skelda::engine {

using std::cos;
using std::sin;

GeoPoint PointAlongPath(const PathState& path, long double dstRad)
{
    const long double sinOwnLat = sin(path.OwnLatRad);
    const long double cosOwnLat = cos(path.OwnLatRad);
    const long double latP =
        kHalfPiTrunc -
        ArcCosClamped(cos(dstRad) * sinOwnLat + sin(dstRad) * cosOwnLat * cos(path.OwnAzimuthRad));

    // The cosine rule gives the size of the longitude step; its side is decided below.
    const long double denominator = cos(latP) * cosOwnLat;
    long double dl =
        denominator != 0 ? ArcCosClamped((cos(dstRad) - sin(latP) * sinOwnLat) / denominator) : 0;

    // DeltaLon >= 0: the target, and so the short path, lies east, where longitudes decrease.
    // The long path leaves the other way and comes back to the target's side past the antipode.
    bool east = path.DeltaLonRad >= 0;
    if (path.LongPath && dstRad < kPiTrunc) east = !east;
    if (!east) dl = -dl;

    long double lonP = path.OwnLonRad - dl;
    if (lonP >= kPiTrunc) lonP -= kTwoPiTrunc;
    if (lonP <= -kPiTrunc) lonP += kTwoPiTrunc;
    return {latP, lonP};
}

long double SolarZenithAt(const GeoPoint& point, long double sunDeclinationRad,
                          long double sunLongitudeRad)
{
    return ArcCosClamped(sin(point.LatRad) * sin(sunDeclinationRad) +
                         cos(point.LatRad) * cos(sunDeclinationRad) *
                             cos(sunLongitudeRad - point.LonRad));
}

long double Zenith(const PathState& path, long double dstRad)
{
    return SolarZenithAt(PointAlongPath(path, dstRad), path.SunDeclinationRad,
                         path.SunLongitudeRad);
}

}  // namespace skelda::engine
