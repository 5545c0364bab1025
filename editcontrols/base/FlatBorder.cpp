#include "editcontrols/base/FlatBorder.h"

#include "platform/graphics/TCanvas.h"

namespace skelda::editcontrols {

void PaintFlatBorder(plat::TCanvas& Canvas, int WidthPx, int HeightPx, bool Highlighted, plat::TColor FaceColor)
{
    plat::TRect ring{0, 0, WidthPx, HeightPx};
    Canvas.Brush().SetStyle(plat::bsSolid);
    Canvas.Brush().SetColor(Highlighted ? FlatBorderHighlightColor : FlatBorderShadowColor);
    Canvas.FrameRect(ring);
    ring = {ring.Left + 1, ring.Top + 1, ring.Right - 1, ring.Bottom - 1};
    Canvas.Brush().SetColor(Highlighted ? FlatBorderHighlightColor : FaceColor);
    Canvas.FrameRect(ring);
}

}  // namespace skelda::editcontrols
