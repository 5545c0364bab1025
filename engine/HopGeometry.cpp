#include "engine/HopGeometry.h"

#include "engine/ModelMath.h"

#include <cmath>

namespace skelda::engine {

long double HopElevationRad(long double halfHopRad, long double earthToLayerRatio)
{
    return std::atan((std::cos(halfHopRad) - earthToLayerRatio) / std::sin(halfHopRad));
}

long double IncidenceRad(long double elevationRad, long double layerRadiusKm)
{
    return ArcSinByTan(std::cos(elevationRad) * kEarthRadiusKm / layerRadiusKm);
}

}  // namespace skelda::engine
