#pragma once

// Link budget: the received level of four consecutive hop counts at one frequency.

#include "engine/AntennaGain.h"
#include "engine/HopTable.h"

namespace skelda::engine {

// Receiver sensitivity, 10 log10(1.00095095e-17 W) + 30 = -139.99587 dBm. No level at or below
// it is ever the best.
long double SensitivityFloorDb();

// Transmitter power in dBm; a power of 0 W or less transmits nothing (minus infinity).
long double PowerDbm(int powerW);

// Evaluates hop counts firstHopCount .. firstHopCount + 3 at freqMHz. It clears kModeWeak,
// kModeBelowEMuf and kModeMultipath on all four. A hop count is open when the frequency is
// positive and below 0.85 times its F-layer MUF; for each open one it writes SignalDb and sets
// kModeWeak and kModeBelowEMuf as they apply. Returns the open hop count with the strongest level
// above the floor, or 0 when there is none; that count gets kModeMultipath when another open count
// arrives within 3 dB. Closed counts keep whatever level an earlier frequency, hour or path left
// there and are left out of the comparison.
// Throws std::out_of_range, leaving the table untouched, unless 1 <= firstHopCount and
// firstHopCount + 3 <= kMaxHopCount.
int Pathloss(HopTable& hops, const AntennaGain& antenna, int powerW, int firstHopCount,
             long double freqMHz);

}  // namespace skelda::engine
