#pragma once

// Per-hop-count results shared by the layer evaluation, the link budget and the results table.
// Index = hop count, 1 .. kMaxHopCount; index 0 is never a result. Entries are overwritten, never
// cleared, so an entry can hold a value from an earlier hour or path.

#include <array>
#include <cstdint>

namespace skelda::engine {

inline constexpr int kMaxHopCount = 30;

// Bits of HopTable::ModeFlags.
inline constexpr std::uint8_t kModeDaylight = 1;    // a hop midpoint in daylight
inline constexpr std::uint8_t kModeDarkness = 2;    // a hop midpoint beyond 100.8 degrees of zenith
inline constexpr std::uint8_t kModeWeak = 4;        // level below -123 dBm
inline constexpr std::uint8_t kModeBelowEMuf = 8;   // frequency below the E-layer MUF
inline constexpr std::uint8_t kModeMultipath = 16;  // another hop count within 3 dB of the best

struct HopTable {
    template <typename T> using PerHop = std::array<T, kMaxHopCount + 1>;

    PerHop<long double> EMufMHz{};        // highest E-layer MUF over the hop midpoints
    PerHop<long double> FMufMHz{};        // F-layer MUF of the path
    PerHop<long double> AbsorptionSum{};  // absorption indices of the hop midpoints, summed
    PerHop<long double> TakeoffAngleRad{};
    PerHop<long double> HopLengthKm{};  // ray path over all hops
    PerHop<long double> SignalDb{};     // dBm of the last frequency evaluated for this count
    PerHop<std::uint8_t> ModeFlags{};
};

}  // namespace skelda::engine
