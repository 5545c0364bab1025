#include "platform/core/MulDiv.h"

#include <cstdint>
#include <limits>

namespace plat {

int MulDiv(int Number, int Numerator, int Denominator)
{
    if (Denominator == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(Number) * Numerator;
    const bool negative = (product < 0) != (Denominator < 0);
    // Magnitudes fit: |product| <= 2^62 and |Denominator| <= 2^31.
    const std::uint64_t magnitude = product < 0 ? 0 - static_cast<std::uint64_t>(product) : product;
    const std::uint64_t divisor =
        Denominator < 0 ? 0 - static_cast<std::uint64_t>(static_cast<std::int64_t>(Denominator)) : Denominator;
    const std::uint64_t quotient = (magnitude + divisor / 2) / divisor;
    const std::int64_t result = negative ? -static_cast<std::int64_t>(quotient) : static_cast<std::int64_t>(quotient);
    if (result < std::numeric_limits<int>::min() || result > std::numeric_limits<int>::max())
        return -1;
    return static_cast<int>(result);
}

}  // namespace plat
