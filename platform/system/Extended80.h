#pragma once

#include <array>
#include <cstdint>

namespace plat {

// The 10-byte form of an 80-bit extended number as the x87 keeps it, little-endian: 64 bits of
// mantissa with an explicit integer bit, then 15 bits of exponent (bias 16383) and the sign.
// Settings store such numbers as 10 bytes of binary data.
using TExtendedBytes = std::array<std::uint8_t, 10>;

// Exact where long double is the 80-bit type; elsewhere rounded to the nearest value.
TExtendedBytes ExtendedToBytes(long double value);
long double ExtendedFromBytes(const TExtendedBytes& bytes);

}  // namespace plat
