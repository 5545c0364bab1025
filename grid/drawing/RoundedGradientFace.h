#pragma once

#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"

namespace plat {
class TCanvas;
}  // namespace plat

namespace skelda::grid {

// Which outer edges of a face are drawn when faces stand side by side.
enum TFaceEdges { feBoth = 0, feLeftOnly = 1, feRightOnly = 2, feNeither = 3 };

// A framed face with rounded corners, as selected cells and drop-down buttons show it: inner
// highlight lines (TopLine over the upper half, BottomLine over the lower), a Border frame whose
// corners are softened with Edge pixels and cut to Background, and inside a fill of Color, a
// 16-step vertical gradient Color to ColorTo, or that gradient over the upper half and
// MirrorColor to MirrorColorTo over the lower. Rect loses two pixels at the bottom and one at
// the right first. Position is a TFaceEdges value; any other value draws neither edge.
void DrawRoundedGradientFace(plat::TCanvas& Canvas, plat::TColor Color, plat::TColor ColorTo, int Position,
                             plat::TRect Rect, plat::TColor Background, plat::TColor Edge, plat::TColor Border,
                             plat::TColor BottomLine, plat::TColor TopLine, plat::TColor MirrorColorTo,
                             plat::TColor MirrorColor);

}  // namespace skelda::grid
