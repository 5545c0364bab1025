#include "worldmap/TwilightBlend.h"

#include <cmath>

namespace skelda::worldmap {

int TwilightWeight(double cosZenith)
{
    const double weight = std::ceil((cosZenith + 0.15) * 1020.0);
    // Written so that a NaN reads as night instead of reaching the integer conversion.
    if (!(weight > 0))
        return 0;
    if (weight >= 256)
        return 256;
    return static_cast<int>(weight);
}

std::uint8_t BlendByte(std::uint8_t day, std::uint8_t night, int weight)
{
    if (weight <= 0)
        return night;
    if (weight >= 256)
        return day;
    // An arithmetic right shift is floor division by 256, also for a negative difference.
    return static_cast<std::uint8_t>(night + (((day - night) * weight) >> 8));
}

}  // namespace skelda::worldmap
