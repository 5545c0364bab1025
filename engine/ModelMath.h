#pragma once

// Numbers and small helpers shared by every formula of the propagation model. All arithmetic is
// long double (80-bit extended on x86), as the model was tuned in that precision.

#include <algorithm>
#include <cmath>
#include <numbers>

namespace skelda::engine {

// The model's angle constants are truncated decimal literals, not full-precision pi. They are used
// as written so that wrap-around points and results match the model digit for digit.
inline constexpr long double kHalfPiTrunc = 1.5707963267945L;
inline constexpr long double kPiTrunc = 3.141592653589L;
inline constexpr long double kTwoPiTrunc = 6.283185307178L;

inline constexpr long double kDegToRad = 0.017453292519943295L;
inline constexpr long double kRadToDeg = 57.29577951308232L;

inline constexpr long double kEarthRadiusKm = 6371.2L;
inline constexpr long double kELayerRadiusKm = 6481.2L;  // Earth radius + 110 km
inline constexpr long double kFLayerRadiusKm = 6691.2L;  // Earth radius + 320 km
// 6371.2 / 6691.2, kept as the model's literal rather than computed.
inline constexpr long double kEarthToFLayerRatio = 0.9521759923481588L;

// 1 for zero and positive values (so a latitude of exactly 0 counts as north), -1 below zero.
inline int Sign(long double value)
{
    return value >= 0 ? 1 : -1;
}

// Rounding can carry a cosine a hair past +-1; an arc cosine of that must not become NaN.
// A NaN stays NaN, so a broken input is not disguised as a valid angle.
inline long double ClampUnit(long double value)
{
    return std::clamp(value, -1.0L, 1.0L);
}

inline long double ArcCosClamped(long double value)
{
    return std::acos(ClampUnit(value));
}

// The model writes its arc sines as ArcTan(x / Sqrt(1 - x^2)); at |x| = 1 that is +-pi/2 through
// the infinite quotient.
inline long double ArcSinByTan(long double x)
{
    return std::atan(x / std::sqrt(1 - x * x));
}

// Whether two positions are one place. Decided on the coordinates, not on the great-circle arc
// between them: sin^2 + cos^2 rounds below 1 for many latitudes, which leaves an arc of about
// 1e-9 rad between a point and itself. Longitudes a whole turn apart are one meridian, and on a
// pole every longitude is the same point.
inline bool SamePlace(long double latARad, long double lonARad, long double latBRad,
                      long double lonBRad)
{
    if (latARad != latBRad) return false;
    constexpr long double kPoleCos = 1e-12L;  // cos of 90 degrees converted is about 1e-17
    if (std::fabs(std::cos(latARad)) < kPoleCos) return true;
    constexpr long double kTurnRad = 2 * std::numbers::pi_v<long double>;
    return std::fabs(std::remainder(lonARad - lonBRad, kTurnRad)) < kPoleCos;
}

}  // namespace skelda::engine
