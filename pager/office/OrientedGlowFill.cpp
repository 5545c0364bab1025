#include "pager/office/OrientedGlowFill.h"

#include "foundation/GPColors.h"
#include "foundation/TGPBrush.h"
#include "foundation/TGPGraphics.h"
#include "foundation/TGPGraphicsPath.h"

namespace skelda::pager {

using namespace skelda::foundation;

namespace {

struct TBox {
    int X, Y, W, H;
    TGPRectF F() const
    {
        return {static_cast<REAL>(X), static_cast<REAL>(Y), static_cast<REAL>(W), static_cast<REAL>(H)};
    }
};

// One glow half as laid out for an orientation: the solid base, the radial glow (ellipse,
// centre, centre colour, fill) and the linear glow (brush box, its two colours, the diagonal
// brush box, fill).
struct THalf {
    plat::TColor Base;
    TBox BaseBox;
    TBox Ellipse;
    plat::TPoint Centre;
    plat::TColor CentreColor;
    TBox RadialFill;
    TBox LinearBrush;
    plat::TColor LinearFrom;
    plat::TColor LinearTo;
    TBox DiagonalBrush;
    TBox LinearFill;
    TGDIPGradient Gradient;
    bool VerticalDepth;  // the tab's depth runs top to bottom
};

void PaintHalf(TGPGraphics& Graphics, const THalf& Half)
{
    const TGPSolidBrush base(ColorToARGB(Half.Base));
    Graphics.FillRectangle(&base, Half.BaseBox.F());
    TGPGraphicsPath ellipse;
    ellipse.AddEllipse(Half.Ellipse.F());
    if (Half.Gradient == ggRadial) {
        TGPPathGradientBrush glow(ellipse);
        glow.SetCenterPoint(TGPPointF{static_cast<REAL>(Half.Centre.X), static_cast<REAL>(Half.Centre.Y)});
        glow.SetCenterColor(ColorToARGB(Half.CentreColor));
        ARGB surround = ColorToARGB(Half.Base);
        int count = 1;
        glow.SetSurroundColors(&surround, count);
        Graphics.FillRectangle(&glow, Half.RadialFill.F());
        return;
    }
    const bool diagonal = Half.Gradient == ggDiagonalForward || Half.Gradient == ggDiagonalBackward;
    const LinearGradientMode mode = diagonal           ? static_cast<LinearGradientMode>(Half.Gradient)
                                    : Half.VerticalDepth ? LinearGradientModeVertical
                                                         : LinearGradientModeHorizontal;
    const TGPLinearGradientBrush linear((diagonal ? Half.DiagonalBrush : Half.LinearBrush).F(),
                                        ColorToARGB(Half.LinearFrom), ColorToARGB(Half.LinearTo), mode);
    Graphics.FillRectangle(&linear, Half.LinearFill.F());
}

}  // namespace

void PaintOrientedGlowFill(TGPGraphics& Graphics, const plat::TRect& Rect, const TGlowFillColors& C,
                           TTabPosition Orientation, bool Rotated, bool FlushOuterTop)
{
    const int L = Rect.Left, T = Rect.Top, R = Rect.Right, B = Rect.Bottom;
    const int W = R - L, H = B - T, w2 = W / 2, h2 = H / 2;
    const TGDIPGradient outer = C.Gradient, inner = C.GradientMirror;
    THalf halves[2];
    switch (Orientation) {
    case tpTop:
        halves[0] = {C.ColorMirror, {L, T + h2, W, h2}, {L, T + h2, W, H}, {L + w2, B}, C.ColorMirrorTo,
                     {L + 1, T + h2, W - 1, h2 + 1}, {L, T + h2, W, h2}, C.ColorMirror, C.ColorMirrorTo,
                     {L, T + h2, W, h2},
                     Rotated ? TBox{L + 1, T + h2 + 1, W - 1, h2 + 1} : TBox{L + 1, T + h2 + 1, W - 1, h2 - 1},
                     inner, true};
        halves[1] = {C.Color, {L, T, W, h2}, {L, T - h2, W, H}, {L + w2, T}, C.ColorTo,
                     {L + 1, T + 1, W - 1, H - h2 - 1}, {L, T, W, h2 + 1}, C.Color, C.ColorTo, {L, T, W, H},
                     FlushOuterTop ? TBox{L, T + 1, W, h2} : TBox{L + 1, T + 1, W - 1, h2}, outer, true};
        break;
    case tpBottom:
        halves[0] = {C.ColorMirror, {L, T, W, h2}, {L, T, W, h2}, {L + w2, T}, C.ColorMirrorTo,
                     {L + 1, T, W - 1, h2 + 1}, {L, T, W, h2}, C.ColorMirrorTo, C.ColorMirror, {L, T, W, h2},
                     {L + 1, T + 1, W - 1, h2 + 1}, inner, true};
        halves[1] = {C.Color, {L, T + h2, W, h2}, {L, B - h2, W, H}, {L + w2, B}, C.ColorTo,
                     {L + 1, T + h2 + 1, W - 1, h2 - 1}, {L, T + h2 - 1, W, h2}, C.ColorTo, C.Color,
                     {L, T + h2, W, H}, {L + 1, T + h2, W - 1, h2 - 1}, outer, true};
        break;
    case tpLeft:
        halves[0] = {C.ColorMirror, {L + w2, T, w2, H}, {L + w2, T, W, H}, {R, T + h2}, C.ColorMirrorTo,
                     {L + w2, T, w2 + 1, H - 1}, {L + w2, T, w2, H}, C.ColorMirror, C.ColorMirrorTo,
                     {L + w2, T, w2, H}, {L + w2 + 1, T, w2 + 1, H - 1}, inner, false};
        halves[1] = {C.Color, {L, T, w2, H}, {L - w2, T, W, H}, {L, T + h2}, C.ColorTo, {L + 1, T + 1, w2 - 1, H - 1},
                     {L, T, w2, H}, C.Color, C.ColorTo, {L, T, W, H}, {L + 1, T + 1, w2 - 1, H - 1}, outer, false};
        break;
    case tpRight:
        halves[0] = {C.Color, {R - w2, T, w2, H}, {R - w2, T, W, H}, {R, T + h2}, C.ColorTo,
                     {R - w2 + 1, T + 1, w2 - 1, H - 1}, {R - w2, T, w2, H}, C.ColorTo, C.Color, {R - w2, T, W, H},
                     {R - w2, T + 1, w2, H - 1}, outer, false};
        halves[1] = {C.ColorMirror, {L, T, w2, H}, {L - w2, T, W, H}, {L, T + h2}, C.ColorMirrorTo,
                     {L, T, w2 + 1, H - 1}, {L, T, w2 + 2, H}, C.ColorMirrorTo, C.ColorMirror, {L, T, w2, H},
                     {L, T, w2 + 2, H - 1}, inner, false};
        break;
    }
    for (const THalf& half : halves)
        PaintHalf(Graphics, half);
}

}  // namespace skelda::pager
