#include "engine/Ionosphere.h"

#include "engine/HopGeometry.h"
#include "engine/ModelMath.h"
#include "engine/SolarZenith.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace skelda::engine {

namespace {

long double ELayerCriticalMHz(long double zenithRad, long double sunSpotNumber)
{
    long double foE = 0;
    // Below the horizon there is no E layer; a sunspot number below -125 (a flux far beyond the
    // fit's range) would ask for the fourth root of a negative number, and gets none either.
    const long double illumination = (1.44L * sunSpotNumber + 180) * std::cos(zenithRad);
    if (std::cos(zenithRad) > 0 && illumination > 0) foE = 0.9L * std::pow(illumination, 0.25L);
    return std::max(foE, 0.005L * sunSpotNumber);
}

long double AbsorptionIndex(long double zenithRad, long double sunSpotNumber)
{
    long double a = std::cos(0.8928571428571429L * zenithRad);
    if (a < 0) a = 0;
    a = std::pow(a, 1.3L) * (1 + 0.0037L * sunSpotNumber);
    return a < 0.1L ? 0.1L : a;
}

}  // namespace

void Ion(const PathState& path, long double sunSpotNumber, HopTable& hops, int hopCount,
         long double pathRad, long double fcFMHz)
{
    if (hopCount < 1 || hopCount > kMaxHopCount)
        throw std::out_of_range("Hop count " + std::to_string(hopCount) + " is outside 1.." +
                                std::to_string(kMaxHopCount));
    const auto h = static_cast<std::size_t>(hopCount);

    const long double halfHopRad = pathRad / (2 * hopCount);
    const long double elevationRad = HopElevationRad(halfHopRad, kEarthToFLayerRatio);
    const long double eIncidenceRad = IncidenceRad(elevationRad, kELayerRadiusKm);
    const long double fIncidenceRad = IncidenceRad(elevationRad, kFLayerRadiusKm);

    hops.EMufMHz[h] = 0;
    hops.FMufMHz[h] = fcFMHz / std::cos(fIncidenceRad);
    hops.AbsorptionSum[h] = 0;
    hops.ModeFlags[h] = 0;

    // Midpoints at e, 3e, 5e, ... short of the path's end: hopCount of them.
    for (int k = 0; k < hopCount; ++k) {
        const long double midpointRad = (2 * k + 1) * halfHopRad;
        if (!(midpointRad < pathRad)) break;
        long double zenithRad = Zenith(path, midpointRad);

        const long double eMufMHz =
            ELayerCriticalMHz(zenithRad, sunSpotNumber) / std::cos(eIncidenceRad);
        hops.EMufMHz[h] = std::max(hops.EMufMHz[h], eMufMHz);

        if (zenithRad > kNightZenithRad) {
            zenithRad = kNightZenithRad;
            hops.ModeFlags[h] |= kModeDarkness;
        } else {
            hops.ModeFlags[h] |= kModeDaylight;
        }
        hops.AbsorptionSum[h] += AbsorptionIndex(zenithRad, sunSpotNumber);
    }
}

}  // namespace skelda::engine
