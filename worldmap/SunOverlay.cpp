#include "worldmap/SunOverlay.h"

#include "platform/core/Exception.h"

#include <algorithm>

namespace skelda::worldmap {

void DrawSun(int sunX, int sunY, const TScanLines& sun, const TScanLines& map, const TScanLines& alpha)
{
    if (sun.BytesPerPixel != 3 || map.BytesPerPixel != 3 || alpha.BytesPerPixel != 1)
        throw plat::EInvalidArgument("The sun needs a 24-bit picture, a 24-bit map and an 8-bit mask");
    if (sun.Width != alpha.Width || sun.Height() != alpha.Height())
        throw plat::EInvalidArgument("The sun and its opacity mask differ in size");
    const int left = sunX - sun.Width / 2;
    const int top = sunY - sun.Height() / 2;
    for (int j = 0; j < sun.Height(); ++j) {
        const int row = top + j;
        if (row < 0 || row >= map.Height())
            continue;
        for (int x = 0; x < sun.Width; ++x) {
            const int column = left + x;
            if (column < 0 || column >= map.Width)
                continue;
            const double opacity = alpha.Rows[j][x] / 255.0;
            for (int b = 0; b < 3; ++b) {
                const int c = static_cast<int>(opacity * sun.Rows[j][3 * x + b]);
                std::uint8_t& target = map.Rows[row][3 * column + b];
                target = static_cast<std::uint8_t>(std::min(255, target + c));
            }
        }
    }
}

}  // namespace skelda::worldmap
