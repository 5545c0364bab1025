#pragma once

#include "foundation/GPTypes.h"
#include "pager/office/OrientedGlowFill.h"

#include <string>

namespace plat {
class TCanvas;
class TFont;
}

namespace skelda::pager {

// Everything the standard look paints a tab or page background from.
struct TPagerFaceRequest {
    plat::TRect Rect;
    TGlowFillColors Colors;
    plat::TColor BorderColor = plat::clNone;
    std::string Caption;
    // Required when Caption is not empty.
    const plat::TFont* Font = nullptr;
    bool Enabled = true;
    bool Focus = false;
    foundation::TAntiAlias AntiAlias = foundation::aaClearType;
    bool RoundEdges = false;
    bool Rotated = false;
    // Replaces the glow while it is visible; may be nil.
    const ITabProgressPainter* Progress = nullptr;
    // A square border that reaches one column further, as tabs on glass are framed.
    bool Glass = false;
    TTabPosition Position = tpTop;
};

// The background of a tab or page in the standard look: the oriented glow (or one flat fill when
// ColorTo and ColorMirror are both clNone, or the progress bar), the border, the focus outline and
// a centred caption.
void PaintPagerGradient(plat::TCanvas& Canvas, const TPagerFaceRequest& Request);

// The focus outline of glow faces: a light rounded frame with a dotted grey one inside it.
void PaintPagerFocus(foundation::TGPGraphics& Graphics, const plat::TRect& Rect);

}  // namespace skelda::pager
