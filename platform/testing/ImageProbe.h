#pragma once

#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"

class QImage;

namespace plat::testing {

// The colour of a pixel (alpha dropped); CLR_INVALID outside the image.
TColor PixelAt(const QImage& image, int x, int y);

// How many pixels of the area (clipped to the image) have the colour.
int CountPixels(const QImage& image, const TRect& area, TColor color);

}  // namespace plat::testing
