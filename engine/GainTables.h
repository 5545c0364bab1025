#pragma once

// Built-in antenna gain tables: 46 rows of takeoff angle (row r = 2r degrees, 0 .. 90) by the five
// frequencies of kGainFrequenciesMHz, gains in dB.
//
// Only the 3.5 MHz column is known in full, and it is the only one the gain lookup reads; it is
// the same in both tables. Of the other columns the tables carry the cells that are known (all of
// the dipole's 7 MHz column, which repeats 3.5 MHz, and a few telling rows); every other cell is a
// quiet NaN, so a future reader of those columns cannot mistake a gap for a gain.

#include <array>
#include <cstddef>

namespace skelda::engine {

inline constexpr std::size_t kGainRows = 46;
inline constexpr std::size_t kGainColumns = 5;
inline constexpr std::array<long double, kGainColumns> kGainFrequenciesMHz = {3.5L, 7, 14, 21, 28};

using GainTable = std::array<std::array<long double, kGainColumns>, kGainRows>;

// Values of the GainTable setting.
inline constexpr int kGainIsotropic = 0;
inline constexpr int kGainSimpleDipole = 1;
inline constexpr int kGainDipoleAndYagi = 2;

const GainTable& DipoleGainTable();
const GainTable& YagiGainTable();

}  // namespace skelda::engine
