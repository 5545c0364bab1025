#pragma once

#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"

namespace plat {
class TCanvas;
}  // namespace plat

namespace skelda::grid {

// Fills Rect with a solid brush of Color; clNone leaves the canvas untouched.
void FillRectColor(plat::TCanvas& Canvas, const plat::TRect& Rect, plat::TColor Color);

// A small filled triangle pointing down, its base from (X - 3, Y) to (X + 3, Y) and its tip at
// (X, Y + 3), with brush and pen in Color.
void DrawDropArrow(plat::TCanvas& Canvas, int X, int Y, plat::TColor Color);

// A percentage made safe for laying out bars: clamped to 0 .. 100, and 0 for a value that is no
// number.
double Limit(double Percent);

}  // namespace skelda::grid
