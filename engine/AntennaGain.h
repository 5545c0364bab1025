#pragma once

// Antenna gain by takeoff angle, from the gain table chosen once in the settings.

#include "engine/GainTables.h"

namespace skelda::engine {

class AntennaGain {
public:
    // gainTableChoice is the GainTable setting: kGainSimpleDipole and kGainDipoleAndYagi copy their
    // table; any other value (kGainIsotropic, or a damaged setting) leaves an all-zero table.
    explicit AntennaGain(int gainTableChoice = kGainIsotropic);

    int GainTableChoice() const { return choice_; }
    const GainTable& ActiveGainTable() const { return active_; }

    // Gain in dB at a takeoff angle: 0 for the isotropic choice and at 3.5 MHz or below; above, the
    // 3.5 MHz column interpolated linearly between its 2-degree rows, whatever the frequency.
    // Angles below 0 take row 0 and above 90 degrees row 45.
    long double Antgain(long double freqMHz, long double takeoffRad) const;

private:
    int choice_;
    GainTable active_{};
};

}  // namespace skelda::engine
