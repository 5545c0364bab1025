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

// Zenith angle of a sun standing over (declination, subsolar longitude), 0 .. pi.
long double SolarZenithAt(const GeoPoint& point, long double sunDeclinationRad,
                          long double sunLongitudeRad);

// Zenith angle at PointAlongPath(path, dstRad) for the path's sun, 0 .. pi.
long double Zenith(const PathState& path, long double dstRad);

}  // namespace skelda::engine
