#pragma once

// E- and F-layer MUFs and ionospheric absorption of one hop count for the hour in a PathState.

#include "engine/HopTable.h"
#include "engine/PathState.h"

namespace skelda::engine {

// Solar zenith angle beyond which a hop midpoint counts as dark (100.8 degrees).
inline constexpr long double kNightZenithRad = 1.7592918860102842L;

// Evaluates the hopCount hops of a path of pathRad radians: writes EMufMHz, FMufMHz,
// AbsorptionSum and ModeFlags (daylight and darkness bits only) at index hopCount. fcFMHz is the
// F-layer critical-frequency equivalent of the hour. Throws std::out_of_range for a hop count
// outside 1 .. kMaxHopCount, leaving the table untouched.
void Ion(const PathState& path, long double sunSpotNumber, HopTable& hops, int hopCount,
         long double pathRad, long double fcFMHz);

}  // namespace skelda::engine
