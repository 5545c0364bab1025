#pragma once

#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"

namespace plat {
class TCanvas;
}  // namespace plat

namespace skelda::grid {

// Fills Rect from FromColor to ToColor (left to right when Horizontal, else top to bottom) in at
// most MaxSteps + 1 bands, with brush and pen in each band's colour. A rectangle given upside
// down is turned round; an empty one draws nothing. With one colour clNone the rectangle is
// filled plainly with the other.
void DrawGradient(plat::TCanvas& Canvas, plat::TColor FromColor, plat::TColor ToColor, bool Horizontal,
                  plat::TRect Rect, int MaxSteps);

// The fill of fixed cells and headers: with Fill, Color to ColorTo over Rect, or, when MirrorColor
// is set, Color to ColorTo over the first half and MirrorColor to MirrorColorTo over the second
// (halves of the height when Vertical, else of the width). A plain fill (no mirror, no ColorTo)
// reaches one row below Rect so that it covers the grid line under a fixed cell. Then, when
// BorderColor is set, a frame round Rect or, with SideLines, only its left and right edges.
void DrawMirroredGradient(plat::TCanvas& Canvas, const plat::TRect& Rect, plat::TColor Color, bool Fill,
                          bool SideLines, plat::TColor BorderColor, bool Vertical, plat::TColor MirrorColorTo,
                          plat::TColor MirrorColor, plat::TColor ColorTo);

// The colour at Position of a gradient that runs from FromColor at Low to ToColor at High.
// FromColor when either colour is clNone or the range is empty; positions outside the range
// extrapolate, each channel saturating at 0 and 255.
plat::TColor GradientColorAt(plat::TColor FromColor, plat::TColor ToColor, int Low, int Position, int High);

}  // namespace skelda::grid
