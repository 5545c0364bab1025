#include "pager/office/InsertButton.h"

#include "foundation/GPColors.h"
#include "foundation/TGPBrush.h"
#include "foundation/TGPGraphics.h"
#include "foundation/TGPGraphicsPath.h"
#include "foundation/TGPPen.h"
#include "pager/office/TabShapes.h"
#include "platform/graphics/TCanvas.h"

#include <algorithm>

namespace skelda::pager {

using namespace skelda::foundation;

namespace {

struct TInsertButtonColors {
    ARGB Fill, Outline, InnerLine, Plus;
};

TInsertButtonColors ColorsOf(TInsertButtonState State)
{
    switch (State) {
    case ibsPressed:
        return {ComposeARGB(25, 10, 10, 10), ComposeARGB(170, 50, 79, 83), ComposeARGB(130, 255, 255, 255),
                ComposeARGB(180, 52, 87, 120)};
    case ibsHot:
        return {ComposeARGB(70, 255, 255, 255), ComposeARGB(130, 41, 69, 77), ComposeARGB(230, 217, 226, 231),
                ComposeARGB(240, 37, 70, 112)};
    case ibsNormal:
        break;
    }
    return {ComposeARGB(40, 255, 255, 255), ComposeARGB(130, 41, 69, 77), ComposeARGB(180, 255, 255, 255),
            ComposeARGB(200, 52, 83, 121)};
}

// The ramp end of the tabs' outline: the top end for tabs on the left, the right end otherwise.
std::uint8_t CornerModeOf(TVezTabShape Shape, TTabPosition Position)
{
    const bool ramped = Position == tpLeft ? (Shape == tsLeftRamp || Shape == tsLeftRightRamp)
                                           : (Shape == tsRightRamp || Shape == tsLeftRightRamp);
    return ramped ? 3 : 0;
}

void Line(TGPGraphics& Graphics, const TGPPen& Pen, int X1, int Y1, int X2, int Y2)
{
    Graphics.DrawLine(&Pen, static_cast<REAL>(X1), static_cast<REAL>(Y1), static_cast<REAL>(X2),
                      static_cast<REAL>(Y2));
}

}  // namespace

void PaintInsertButton(plat::TCanvas& Canvas, const TInsertButtonRequest& Q)
{
    const plat::TRect& r = Q.Rect;
    const TInsertButtonColors colors = ColorsOf(Q.State);
    TGPGraphics graphics(Canvas.Handle());
    graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    const auto path = BuildTabEdgePath(r, CornerModeOf(Q.Shape, Q.Position),
                                       static_cast<std::uint8_t>(std::clamp(Q.Rounding, 1, 255)), Q.Position);
    graphics.FillPath(TGPSolidBrush(colors.Fill), *path);
    const TGPPen outline(colors.Outline, 1.5f);
    graphics.DrawPath(&outline, path.get());
    graphics.SetSmoothingMode(SmoothingModeNone);

    const int w = r.Width(), h = r.Height();
    const int d = std::min(w, h);
    const int penPx = d / 4 > 4 ? d / 4 : 4;
    int armPx = d - 6;
    if (armPx > 0 && armPx % 2 == 1)
        ++armPx;
    const int x0 = r.Left + 1 + (w - armPx) / 2;
    const int yMid = r.Top + 1 + h / 2;
    const int xMid = r.Left + 1 + w / 2;
    const int y0 = r.Top + 1 + (h - armPx) / 2;

    const TGPPen plus(colors.Plus, static_cast<REAL>(penPx));
    Line(graphics, plus, x0, yMid, x0 + armPx, yMid);
    Line(graphics, plus, xMid, y0, xMid, y0 + armPx);
    const TGPPen inner(colors.InnerLine, static_cast<REAL>(penPx - 2));
    Line(graphics, inner, x0 + 1, yMid, x0 + armPx - 1, yMid);
    Line(graphics, inner, xMid, y0 + 1, xMid, y0 + armPx - 1);
}

}  // namespace skelda::pager
