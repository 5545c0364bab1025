#include "platform/testing/ImageProbe.h"

#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/QtConversions.h"

#include <QImage>

#include <algorithm>

namespace plat::testing {

TColor PixelAt(const QImage& image, int x, int y)
{
    if (!image.valid(x, y))
        return CLR_INVALID;
    return FromQRgb(image.pixel(x, y));
}

int CountPixels(const QImage& image, const TRect& area, TColor color)
{
    const TColor wanted = ColorToRGB(color);
    int count = 0;
    for (int y = std::max(0, area.Top); y < std::min(image.height(), area.Bottom); ++y)
        for (int x = std::max(0, area.Left); x < std::min(image.width(), area.Right); ++x)
            if (FromQRgb(image.pixel(x, y)) == wanted)
                ++count;
    return count;
}

}  // namespace plat::testing
