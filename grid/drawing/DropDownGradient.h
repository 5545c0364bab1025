#pragma once

#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"

namespace plat {
class TCanvas;
}  // namespace plat

namespace skelda::grid {

// Fills Rect with a gradient from FromColor to ToColor (left to right when Horizontal, else top
// to bottom) in Bands bands; a count below 2 fills the rectangle in FromColor alone. A colour of
// clNone gives way to the other one, as with DrawGradient.
void DrawDropDownGradient(plat::TCanvas& Canvas, plat::TColor FromColor, plat::TColor ToColor, bool Horizontal,
                          const plat::TRect& Rect, int Bands);

}  // namespace skelda::grid
