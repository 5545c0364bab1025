#pragma once

// E- and F-layer MUFs and ionospheric absorption of one hop count for the hour in a PathState.

#include "engine/HopTable.h"
#include "engine/PathState.h"
#include "engine/SolarZenith.h"

#include <vector>

namespace skelda::engine {

// Solar zenith angle beyond which a hop midpoint counts as dark (100.8 degrees).
inline constexpr long double kNightZenithRad = 1.7592918860102842L;

// One hop count of a path, prepared for the layers of every hour while the path, the sun's
// declination and the solar activity stay: the ray's incidence at both layers, the hop midpoints,
// and what a midpoint in darkness contributes, which no longer depends on where the sun stands.
class HopCountLayers {
public:
    // Throws std::out_of_range for a hop count outside 1 .. kMaxHopCount.
    HopCountLayers(const PathState& path, long double sunSpotNumber, int hopCount,
                   long double pathRad);

    // Ion (below) for the sun standing over sunLongitudeRad.
    void Evaluate(long double sunLongitudeRad, long double fcFMHz, HopTable& hops) const;

private:
    int hopCount_;
    long double sunSpotNumber_;
    long double cosEIncidence_;
    long double cosFIncidence_;
    std::vector<PointUnderSun> midpoints_;
    long double nightECriticalMHz_;
    long double nightAbsorptionIndex_;
};

// Evaluates the hopCount hops of a path of pathRad radians: writes EMufMHz, FMufMHz,
// AbsorptionSum and ModeFlags (daylight and darkness bits only) at index hopCount. fcFMHz is the
// F-layer critical-frequency equivalent of the hour. Throws std::out_of_range for a hop count
// outside 1 .. kMaxHopCount, leaving the table untouched.
void Ion(const PathState& path, long double sunSpotNumber, HopTable& hops, int hopCount,
         long double pathRad, long double fcFMHz);

}  // namespace skelda::engine
