#pragma once

#include "platform/graphics/Colors.h"

namespace plat {
class TCanvas;
}

namespace skelda::editcontrols {

// Frame colours of the flat border (DotNetHighlighting).
constexpr plat::TColor FlatBorderHighlightColor = 0x00733800;
constexpr plat::TColor FlatBorderShadowColor = 0x00808080;

// The flat two-pixel border over the outer edge of a window of WidthPx x HeightPx, drawn on a
// canvas whose (0, 0) is the window's top-left corner. Highlighted (focused or under the mouse)
// both rings take the highlight colour; otherwise the outer ring is grey and the inner one the
// control's face colour, so that the border reads as a single flat line.
void PaintFlatBorder(plat::TCanvas& Canvas, int WidthPx, int HeightPx, bool Highlighted, plat::TColor FaceColor);

}  // namespace skelda::editcontrols
