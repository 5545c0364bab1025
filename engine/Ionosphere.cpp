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
constexpr long double kNightFoEMHzPerSunspot = 0.005L;

// The absorption index, [cos(zenith / 1.12)]^1.3 (1 + 0.0037 R), never below 0.1. The zenith angle is
// divided by 1.12 so that absorption fades out at 90 x 1.12 = 100.8 degrees, the night-time zenith.
constexpr long double kAbsorptionZenithScale = 0.8928571428571429L;  // 1 / 1.12, as the fit has it
constexpr long double kAbsorptionExponent = 1.3L;
constexpr long double kAbsorptionPerSunspot = 0.0037L;
constexpr long double kMinAbsorptionIndex = 0.1L;

long double ELayerCriticalMHz(long double cosZenith, long double sunSpotNumber)
{
    long double foE = 0;
    // Below the horizon there is no E layer; a sunspot number below -125 (a flux far beyond the
    // fit's range) would ask for the fourth root of a negative number, and gets none either.
    const long double illumination =
        (kFoEIlluminationPerSunspot * sunSpotNumber + kFoEQuietSunIllumination) * cosZenith;
    // The fourth root as two square roots: as exact as pow and a fraction of its cost, which
    // mattered, since this runs for every hop midpoint of every hour.
    if (cosZenith > 0 && illumination > 0) foE = kFoEScaleMHz * std::sqrt(std::sqrt(illumination));
    return std::max(foE, kNightFoEMHzPerSunspot * sunSpotNumber);
}

long double AbsorptionIndex(long double zenithRad, long double sunSpotNumber)
{
    long double a = std::cos(kAbsorptionZenithScale * zenithRad);
    if (a < 0) a = 0;
    a = std::pow(a, kAbsorptionExponent) * (1 + kAbsorptionPerSunspot * sunSpotNumber);
    return a < kMinAbsorptionIndex ? kMinAbsorptionIndex : a;
}

int CheckedHopCount(int hopCount)
{
    if (hopCount < 1 || hopCount > kMaxHopCount)
        throw std::out_of_range("Hop count " + std::to_string(hopCount) + " is outside 1.." +
                                std::to_string(kMaxHopCount));
    return hopCount;
}

}  // namespace

HopCountLayers::HopCountLayers(const PathState& path, long double sunSpotNumber, int hopCount,
                               long double pathRad)
    : hopCount_(CheckedHopCount(hopCount)),
      sunSpotNumber_(sunSpotNumber),
      // Past the night zenith the sun is below the horizon, where the E layer has only its
      // night-time floor, and the absorption is taken at the night zenith itself.
      nightECriticalMHz_(ELayerCriticalMHz(std::cos(kNightZenithRad), sunSpotNumber)),
      nightAbsorptionIndex_(AbsorptionIndex(kNightZenithRad, sunSpotNumber))
{
    const long double halfHopRad = pathRad / (2 * hopCount);
    const long double elevationRad = HopElevationRad(halfHopRad, kEarthToFLayerRatio);
    cosEIncidence_ = std::cos(IncidenceRad(elevationRad, kELayerRadiusKm));
    cosFIncidence_ = std::cos(IncidenceRad(elevationRad, kFLayerRadiusKm));

    // Midpoints at e, 3e, 5e, ... short of the path's end: hopCount of them.
    const PathFromStation route(path);
    midpoints_.reserve(static_cast<std::size_t>(hopCount));
    for (int k = 0; k < hopCount; ++k) {
        const long double midpointRad = (2 * k + 1) * halfHopRad;
        if (!(midpointRad < pathRad)) break;
        midpoints_.emplace_back(route.PointAt(midpointRad), path.SunDeclinationRad);
    }
}

void HopCountLayers::Evaluate(long double sunLongitudeRad, long double fcFMHz,
                              HopTable& hops) const
{
    const auto h = static_cast<std::size_t>(hopCount_);
    hops.EMufMHz[h] = 0;
    hops.FMufMHz[h] = fcFMHz / cosFIncidence_;
    hops.AbsorptionSum[h] = 0;
    hops.ModeFlags[h] = 0;

    for (const PointUnderSun& midpoint : midpoints_) {
        const long double cosZenith = midpoint.CosZenith(sunLongitudeRad);
        const long double zenithRad = std::acos(cosZenith);
        const bool dark = zenithRad > kNightZenithRad;
        const long double eCriticalMHz =
            dark ? nightECriticalMHz_ : ELayerCriticalMHz(cosZenith, sunSpotNumber_);
        hops.EMufMHz[h] = std::max(hops.EMufMHz[h], eCriticalMHz / cosEIncidence_);
        hops.ModeFlags[h] |= dark ? kModeDarkness : kModeDaylight;
        hops.AbsorptionSum[h] +=
            dark ? nightAbsorptionIndex_ : AbsorptionIndex(zenithRad, sunSpotNumber_);
    }
}

void Ion(const PathState& path, long double sunSpotNumber, HopTable& hops, int hopCount,
         long double pathRad, long double fcFMHz)
{
    HopCountLayers(path, sunSpotNumber, hopCount, pathRad)
        .Evaluate(path.SunLongitudeRad, fcFMHz, hops);
}

}  // namespace skelda::engine
