#include "engine/SolarZenith.h"

#include "engine/ModelMath.h"

#include <cmath>

namespace skelda::engine {

using std::cos;
using std::sin;

GeoPoint PointAlongPath(const PathState& path, long double dstRad)
{
    return PathFromStation(path).PointAt(dstRad);
}

PathFromStation::PathFromStation(const PathState& path)
    : ownLonRad_(path.OwnLonRad),
      sinOwnLat_(sin(path.OwnLatRad)),
      cosOwnLat_(cos(path.OwnLatRad)),
      cosAzimuth_(cos(path.OwnAzimuthRad)),
      // DeltaLon >= 0: the target, and so the short path, lies east, where longitudes decrease.
      targetEast_(path.DeltaLonRad >= 0),
      longPath_(path.LongPath)
{
}

GeoPoint PathFromStation::PointAt(long double dstRad) const
{
    const long double latP =
        kHalfPiTrunc -
        ArcCosClamped(cos(dstRad) * sinOwnLat_ + sin(dstRad) * cosOwnLat_ * cosAzimuth_);

    // The cosine rule gives the size of the longitude step; its side is decided below.
    const long double denominator = cos(latP) * cosOwnLat_;
    long double dl =
        denominator != 0 ? ArcCosClamped((cos(dstRad) - sin(latP) * sinOwnLat_) / denominator) : 0;

    // The long path leaves the other way and comes back to the target's side past the antipode.
    bool east = targetEast_;
    if (longPath_ && dstRad < kPiTrunc) east = !east;
    if (!east) dl = -dl;

    long double lonP = ownLonRad_ - dl;
    if (lonP >= kPiTrunc) lonP -= kTwoPiTrunc;
    if (lonP <= -kPiTrunc) lonP += kTwoPiTrunc;
    return {latP, lonP};
}

PointUnderSun::PointUnderSun(const GeoPoint& point, long double sunDeclinationRad)
    : sinLatSinDeclination_(sin(point.LatRad) * sin(sunDeclinationRad)),
      cosLatCosDeclination_(cos(point.LatRad) * cos(sunDeclinationRad)),
      lonRad_(point.LonRad)
{
}

long double PointUnderSun::CosZenith(long double sunLongitudeRad) const
{
    return ClampUnit(sinLatSinDeclination_ +
                     cosLatCosDeclination_ * cos(sunLongitudeRad - lonRad_));
}

long double PointUnderSun::ZenithRad(long double sunLongitudeRad) const
{
    return std::acos(CosZenith(sunLongitudeRad));
}

long double SolarZenithAt(const GeoPoint& point, long double sunDeclinationRad,
                          long double sunLongitudeRad)
{
    return PointUnderSun(point, sunDeclinationRad).ZenithRad(sunLongitudeRad);
}

long double Zenith(const PathState& path, long double dstRad)
{
    return SolarZenithAt(PointAlongPath(path, dstRad), path.SunDeclinationRad,
                         path.SunLongitudeRad);
}

}  // namespace skelda::engine
