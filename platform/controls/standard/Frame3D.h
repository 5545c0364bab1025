#pragma once

#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"

namespace plat {

class TCanvas;

// Draws Width one-pixel rings inside Rect, top and left sides in TopColor, bottom and right
// sides in BottomColor, and leaves Rect as the area inside them.
void Frame3D(TCanvas& Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width);

}  // namespace plat
