#pragma once

#include "platform/graphics/Colors.h"
#include "platform/graphics/TBitmap.h"

#include <cstdint>
#include <vector>

class QImage;

namespace plat::picture_probes {

// A bitmap of the format and size, filled with colour through its canvas.
void Fill(TBitmap& bitmap, TPixelFormat format, int width, int height, TColor colour);
// The colour of a pixel as the bitmap's own pixels hold it (palette looked up).
TColor PixelOf(const TBitmap& bitmap, int x, int y);
// Sets one pixel through the canvas.
void Paint(TBitmap& bitmap, int x, int y, TColor colour);

// Encoded picture files made by Qt's writers, for loaders to read.
std::vector<std::uint8_t> Encoded(const QImage& image, const char* format);

}  // namespace plat::picture_probes
