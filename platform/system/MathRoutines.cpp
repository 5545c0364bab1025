#include "platform/system/MathRoutines.h"

#include "platform/core/Exception.h"

#include <cmath>

namespace plat {

namespace {

// The integral value must already be whole; 2^63 is exact in every floating type used here.
template <typename TFloat>
std::int64_t ToInt64(TFloat Whole, TFloat Value, const char* Operation)
{
    constexpr TFloat TwoTo63 = static_cast<TFloat>(9223372036854775808.0L);
    if (!std::isfinite(Value))
        throw EInvalidOperation("%s: %s is not a finite number",
                                {Operation, std::isnan(Value) ? "NaN" : "an infinity"});
    if (Whole < -TwoTo63 || Whole >= TwoTo63)
        throw EInvalidOperation("%s: %g is outside the 64-bit integer range",
                                {Operation, static_cast<double>(Value)});
    return static_cast<std::int64_t>(Whole);
}

}  // namespace

// std::nearbyint honours the current rounding mode, which nothing here changes from
// round-to-nearest-even; std::round would send halves away from zero.
std::int64_t Round(double Value) { return ToInt64(std::nearbyint(Value), Value, "Round"); }
std::int64_t Round(long double Value) { return ToInt64(std::nearbyint(Value), Value, "Round"); }

std::int64_t Trunc(double Value) { return ToInt64(std::trunc(Value), Value, "Trunc"); }
std::int64_t Trunc(long double Value) { return ToInt64(std::trunc(Value), Value, "Trunc"); }

double Frac(double Value) { return Value - std::trunc(Value); }
long double Frac(long double Value) { return Value - std::trunc(Value); }

}  // namespace plat
