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

// The daytime E layer's critical frequency, foE = 0.9 [(180 + 1.44 R) cos(zenith)]^(1/4) MHz for
// the sunspot number R, with a night-time floor that grows with solar activity.
constexpr long double kFoEScaleMHz = 0.9L;
constexpr long double kFoEQuietSunIllumination = 180;     // the bracket's value at R = 0
constexpr long double kFoEIlluminationPerSunspot = 1.44L;
constexpr long double kFoEExponent = 0.25L;
constexpr long double kNightFoEMHzPerSunspot = 0.005L;

// The absorption index, [cos(zenith / 1.12)]^1.3 (1 + 0.0037 R), never below 0.1. The zenith angle is
// divided by 1.12 so that absorption fades out at 90 x 1.12 = 100.8 degrees, the night-time zenith.
constexpr long double kAbsorptionZenithScale = 0.8928571428571429L;  // 1 / 1.12, as the fit has it
constexpr long double kAbsorptionExponent = 1.3L;
constexpr long double kAbsorptionPerSunspot = 0.0037L;
constexpr long double kMinAbsorptionIndex = 0.1L;

long double ELayerCriticalMHz(long double zenithRad, long double sunSpotNumber)
{
    long double foE = 0;
    // Below the horizon there is no E layer; a sunspot number below -125 (a flux far beyond the
    // fit's range) would ask for the fourth root of a negative number, and gets none either.
    const long double illumination =
        (kFoEIlluminationPerSunspot * sunSpotNumber + kFoEQuietSunIllumination) * std::cos(zenithRad);
    if (std::cos(zenithRad) > 0 && illumination > 0) foE = kFoEScaleMHz * std::pow(illumination, kFoEExponent);
    return std::max(foE, kNightFoEMHzPerSunspot * sunSpotNumber);
}

long double AbsorptionIndex(long double zenithRad, long double sunSpotNumber)
{
    long double a = std::cos(kAbsorptionZenithScale * zenithRad);
    if (a < 0) a = 0;
    a = std::pow(a, kAbsorptionExponent) * (1 + kAbsorptionPerSunspot * sunSpotNumber);
    return a < kMinAbsorptionIndex ? kMinAbsorptionIndex : a;
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
