#pragma once

#include <cstdint>

namespace plat {

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
// EInvalidOperation when the value is not finite or its rounding lies outside 64-bit integers.
std::int64_t Round(double Value);
std::int64_t Round(long double Value);

// The integral part, toward zero. EInvalidOperation as for Round.
std::int64_t Trunc(double Value);
std::int64_t Trunc(long double Value);

// The fractional part, with the sign of the value (Frac(-1.25) = -0.25). Not finite in, NaN out.
double Frac(double Value);
long double Frac(long double Value);

}  // namespace plat
