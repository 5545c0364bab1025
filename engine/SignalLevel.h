#pragma once

// Link budget: the received level of four consecutive hop counts at one frequency.

#include "engine/AntennaGain.h"
#include "engine/HopTable.h"

#include <array>
#include <cstddef>
#include <span>
#include <vector>

namespace skelda::engine {

// Receiver sensitivity, 10 log10(1.00095095e-17 W) + 30 = -139.99587 dBm. No level at or below
// it is ever the best.
long double SensitivityFloorDb();

// Transmitter power in dBm; a power of 0 W or less transmits nothing (minus infinity).
long double PowerDbm(int powerW);

// Four consecutive hop counts, firstHopCount .. firstHopCount + 3, prepared for a set of
// frequencies with what their levels owe to the ray geometry and the settings alone: antenna gain,
// transmitter power, free-space loss, E-layer incidence and the absorption's frequency divisor.
// These stay the same in every hour of a prediction; the hour brings the MUFs and absorption sums.
class LinkBudget {
public:
    // Reads TakeoffAngleRad and HopLengthKm of the four counts now. Throws std::out_of_range unless
    // 1 <= firstHopCount and firstHopCount + 3 <= kMaxHopCount.
    LinkBudget(const HopTable& hops, const AntennaGain& antenna, int powerW, int firstHopCount,
               std::span<const long double> frequenciesMHz);

    // Pathloss (below) at frequenciesMHz[frequency].
    int Evaluate(std::size_t frequency, HopTable& hops) const;

private:
    static constexpr int kWindow = 4;

    struct Frequency {
        long double MHz = 0;
        long double AbsorptionDivisor = 0;        // (f + 1.42)^1.98 + 10.2
        std::array<long double, kWindow> FixedDb{};  // gain + power - free-space loss and margin
    };

    int firstHopCount_;
    std::array<long double, kWindow> cosEIncidence_{};
    std::vector<Frequency> frequencies_;
};

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
