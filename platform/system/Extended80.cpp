#include "platform/system/Extended80.h"

#include <cmath>
#include <limits>

namespace plat {

namespace {

constexpr int ExponentBias = 16383;
constexpr int MaxExponent = 0x7FFF;
constexpr std::uint64_t IntegerBit = std::uint64_t{1} << 63;
constexpr std::uint64_t QuietNanMantissa = IntegerBit | (std::uint64_t{1} << 62);
// A mantissa of all 64 bits as an integer: value = mantissa * 2^(exponent - bias - 63).
constexpr int MantissaShift = 63;

TExtendedBytes Pack(bool negative, int exponent, std::uint64_t mantissa)
{
    TExtendedBytes bytes{};
    for (int i = 0; i < 8; ++i)
        bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(mantissa >> (8 * i));
    const unsigned top = (negative ? 0x8000u : 0u) | static_cast<unsigned>(exponent);
    bytes[8] = static_cast<std::uint8_t>(top & 0xFF);
    bytes[9] = static_cast<std::uint8_t>(top >> 8);
    return bytes;
}

}  // namespace

TExtendedBytes ExtendedToBytes(long double value)
{
    const bool negative = std::signbit(value);
    if (std::isnan(value))
        return Pack(negative, MaxExponent, QuietNanMantissa);
    if (std::isinf(value))
        return Pack(negative, MaxExponent, IntegerBit);
    if (value == 0)
        return Pack(negative, 0, 0);

    const long double magnitude = std::fabs(value);
    int binaryExponent = 0;
    std::frexp(magnitude, &binaryExponent);  // magnitude = f * 2^binaryExponent, 0.5 <= f < 1
    int exponent = binaryExponent - 1 + ExponentBias;
    if (exponent >= MaxExponent)
        return Pack(negative, MaxExponent, IntegerBit);
    // Denormals keep the smallest exponent's scale with the integer bit clear.
    const int scale = exponent > 0 ? exponent : 1;
    long double scaled = std::nearbyint(std::ldexp(magnitude, MantissaShift - (scale - ExponentBias)));
    if (exponent <= 0)
        exponent = scaled >= static_cast<long double>(IntegerBit) ? 1 : 0;
    if (scaled >= std::ldexp(1.0L, 64)) {
        // Rounding a wider type carried into a new bit.
        scaled = std::ldexp(scaled, -1);
        if (++exponent >= MaxExponent)
            return Pack(negative, MaxExponent, IntegerBit);
    }
    return Pack(negative, exponent, static_cast<std::uint64_t>(scaled));
}

long double ExtendedFromBytes(const TExtendedBytes& bytes)
{
    std::uint64_t mantissa = 0;
    for (int i = 7; i >= 0; --i)
        mantissa = (mantissa << 8) | bytes[static_cast<std::size_t>(i)];
    const unsigned top = bytes[8] | (static_cast<unsigned>(bytes[9]) << 8);
    const bool negative = (top & 0x8000u) != 0;
    const int exponent = static_cast<int>(top & 0x7FFFu);

    long double magnitude = 0;
    if (exponent == MaxExponent) {
        magnitude = (mantissa << 1) == 0 ? std::numeric_limits<long double>::infinity()
                                         : std::numeric_limits<long double>::quiet_NaN();
    } else {
        const int scale = exponent > 0 ? exponent : 1;
        magnitude = std::ldexp(static_cast<long double>(mantissa), scale - ExponentBias - MantissaShift);
    }
    return negative ? -magnitude : magnitude;
}

}  // namespace plat
