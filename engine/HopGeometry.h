#pragma once

// Ray geometry of one hop on the spherical Earth.

namespace skelda::engine {

// Elevation above the horizon of a ray that reaches the reflecting layer halfHopRad of arc away;
// earthToLayerRatio = Earth radius / layer radius.
long double HopElevationRad(long double halfHopRad, long double earthToLayerRatio);

// Angle of incidence at a layer of radius layerRadiusKm of a ray leaving the ground at
// elevationRad.
long double IncidenceRad(long double elevationRad, long double layerRadiusKm);

}  // namespace skelda::engine
