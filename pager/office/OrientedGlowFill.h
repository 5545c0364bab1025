#pragma once

#include "pager/glow/GlowTypes.h"
#include "pager/office/OfficeTypes.h"
#include "platform/graphics/Colors.h"

namespace skelda::foundation {
class TGPGraphics;
}

namespace skelda::pager {

// The four colours and two gradients of a two-half glow face. Along the tab's depth they run
// Color → ColorTo (outer half) | ColorMirror → ColorMirrorTo (inner half).
struct TGlowFillColors {
    plat::TColor Color = plat::clWhite;
    plat::TColor ColorTo = plat::clWhite;
    plat::TColor ColorMirror = plat::clWhite;
    plat::TColor ColorMirrorTo = plat::clWhite;
    TGDIPGradient Gradient = ggVertical;
    TGDIPGradient GradientMirror = ggVertical;
};

// Fills Rect with the outer and inner glow halves turned so that the edge away from the page
// (by Orientation) carries Color. Rotated widens the inner half's linear fill of a top tab by
// two rows. With FlushOuterTop the outer half of a top tab fills from the left edge (the pager
// face without a border leaves no column for it). clNone colours paint as opaque white.
void PaintOrientedGlowFill(foundation::TGPGraphics& Graphics, const plat::TRect& Rect, const TGlowFillColors& Colors,
                           TTabPosition Orientation, bool Rotated, bool FlushOuterTop = false);

}  // namespace skelda::pager
