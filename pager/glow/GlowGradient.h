#pragma once

#include "pager/glow/GlowTypes.h"
#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"

namespace plat {
class TCanvas;
}
namespace skelda::foundation {
class TGPGraphics;
}

namespace skelda::pager {

// Fills Rect in Count bands of solid colour from FromColor to ToColor, left to right
// (Horizontal) or top to bottom, through the canvas's pen and brush. A count of 0 is one band.
// Each band reaches one pixel into the next, so rounding leaves no gap.
void PaintBandedGradient(plat::TCanvas& Canvas, plat::TColor FromColor, plat::TColor ToColor, int Count,
                         const plat::TRect& Rect, bool Horizontal);

// One half of a glow face: a solid fill in the half's base colour (Color1 for the upper half,
// Color2 for the lower), then the gradient over it. ggRadial is an ellipse whose centre point
// lies on the face's middle edge: the top edge for the upper half (glowing from Color2 there out
// to Color1), the bottom edge for the lower (Color1 there out to Color2). The linear kinds run
// from Color1 to Color2 across Rect. clNone takes the other colour of the pair; both clNone fill
// white.
void FillGlowHalf(foundation::TGPGraphics& Graphics, const plat::TRect& Rect, plat::TColor Color1,
                  plat::TColor Color2, TGDIPGradient Gradient, bool Upper);

}  // namespace skelda::pager
