#include "engine/AntennaGain.h"

#include "engine/ModelMath.h"

#include <algorithm>
#include <cmath>

namespace skelda::engine {

AntennaGain::AntennaGain(int gainTableChoice) : choice_(gainTableChoice)
{
    if (gainTableChoice == kGainSimpleDipole) active_ = DipoleGainTable();
    if (gainTableChoice == kGainDipoleAndYagi) active_ = YagiGainTable();
}

long double AntennaGain::Antgain(long double freqMHz, long double takeoffRad) const
{
    if (choice_ == kGainIsotropic || freqMHz <= 3.5L) return 0;
    const long double halfDegrees = takeoffRad * kRadToDeg / 2;
    if (std::isnan(halfDegrees)) return halfDegrees;

    constexpr auto kLastRow = static_cast<long double>(kGainRows - 1);
    const long double rowPosition = std::clamp(halfDegrees, 0.0L, kLastRow);
    const auto row = static_cast<std::size_t>(rowPosition);
    const std::size_t nextRow = std::min(row + 1, kGainRows - 1);
    const long double f = rowPosition - static_cast<long double>(row);
    return (1 - f) * active_[row][0] + f * active_[nextRow][0];
}

}  // namespace skelda::engine
