#pragma once

#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"

#include <string_view>

namespace plat {
class TBitmap;
class TCanvas;
}  // namespace plat

namespace skelda::grid {

// Draws Bitmap at its own size with its top-left corner at Rect's, every pixel of the colour of
// the bitmap's top-left pixel shown in BackgroundColor instead. The bitmap itself is not
// changed; an empty bitmap draws nothing.
void DrawBitmapTransparent(plat::TCanvas& Canvas, const plat::TBitmap& Bitmap, plat::TColor BackgroundColor,
                           const plat::TRect& Rect);

// The same for the bitmap resource ResourceName of the program; a missing resource raises
// plat::EResNotFound.
void DrawResourceBitmapTransparent(plat::TCanvas& Canvas, plat::TColor BackgroundColor, const plat::TRect& Rect,
                                   std::string_view ResourceName);

// Draws Bitmap at its own size with its top-left corner at (X, Y), leaving out the pixels of
// the colour of its bottom-left pixel. The bitmap itself is not changed; an empty one draws
// nothing.
void DrawBitmapAutoTransparent(plat::TCanvas& Canvas, int X, int Y, const plat::TBitmap& Bitmap);

}  // namespace skelda::grid
