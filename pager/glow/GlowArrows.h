#pragma once

#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"

namespace plat {
class TCanvas;
}

namespace skelda::pager {

// The small drop-down arrows: 5 pixels wide, 3 deep, their top-left corner at Pos.

// Pixel by pixel in GDI: pointing down (Down) or right, with a shadow in ShadowColor below and
// beside it so that it reads on dark and light faces alike.
void PaintArrowPixels(plat::TCanvas& Canvas, plat::TPoint Pos, plat::TColor Color, bool Down,
                      plat::TColor ShadowColor);
// Pointing down, antialiased, slightly translucent: for faces on glass.
void PaintArrowSmooth(plat::TCanvas& Canvas, plat::TPoint Pos, plat::TColor Color);

}  // namespace skelda::pager
