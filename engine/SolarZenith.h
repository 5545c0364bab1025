#pragma once

// The sun's zenith angle at points along the path, for the hour held in a PathState.

#include "engine/GeoPoint.h"
#include "engine/PathState.h"

namespace skelda::engine {

// The point dstRad radians of arc from the own station along the path it leaves on at
// OwnAzimuthRad. On the long path the point lies on the long path itself: before the station's
// antipode on the side opposite the target, beyond it (dstRad > pi) on the target's side.
// Longitude in [-pi, pi]; on a pole, where every longitude is the same point, it is still a number.
GeoPoint PointAlongPath(const PathState& path, long double dstRad);

// The path leaving the own station, for many points along it: the trigonometry of the station's
// latitude and of the azimuth it leaves on is worked out once.
class PathFromStation {
public:
    explicit PathFromStation(const PathState& path);

    // PointAlongPath of the path this was made from.
    GeoPoint PointAt(long double dstRad) const;

private:
    long double ownLonRad_;
    long double sinOwnLat_;
    long double cosOwnLat_;
    long double cosAzimuth_;
    bool targetEast_;
    bool longPath_;
};

// A point whose solar zenith is wanted hour after hour while the sun's declination stays: the
// parts of the spherical cosine rule that do not move with the subsolar longitude, so that an
// hour costs one cosine and one arc cosine.
class PointUnderSun {
public:
    PointUnderSun(const GeoPoint& point, long double sunDeclinationRad);

    // Zenith angle, 0 .. pi, of the sun standing over sunLongitudeRad.
    long double ZenithRad(long double sunLongitudeRad) const;
    // Its cosine, -1 .. 1, for formulas that want the cosine: no arc cosine to undo.
    long double CosZenith(long double sunLongitudeRad) const;

private:
    long double sinLatSinDeclination_;
    long double cosLatCosDeclination_;
    long double lonRad_;
};

// Zenith angle of a sun standing over (declination, subsolar longitude), 0 .. pi.
long double SolarZenithAt(const GeoPoint& point, long double sunDeclinationRad,
                          long double sunLongitudeRad);

// Zenith angle at PointAlongPath(path, dstRad) for the path's sun, 0 .. pi.
long double Zenith(const PathState& path, long double dstRad);

}  // namespace skelda::engine
