#pragma once

#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"

namespace plat {
class TCanvas;
}

namespace skelda::foundation {

// The mini-HTML body and paragraph gradient: Steps bands, band i in From + i x (To - From) /
// Steps per channel (so the last band stops short of To), system colours resolved first.
// Horizontal: the colour changes from left to right. Pen and brush end in the last band's
// colour; callers restore what they need.
void DrawGradientBands(plat::TCanvas& Canvas, plat::TColor From, plat::TColor To, int Steps, bool Horizontal,
                       plat::TRect R);

}  // namespace skelda::foundation
