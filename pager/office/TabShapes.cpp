#include "pager/office/TabShapes.h"

#include "foundation/GPColors.h"
#include "foundation/TGPGraphics.h"
#include "foundation/TGPGraphicsPath.h"
#include "foundation/TGPPen.h"
#include "foundation/TGPRegion.h"
#include "pager/glow/GlowOutlines.h"
#include "pager/office/PagerGradient.h"
#include "platform/graphics/TCanvas.h"

#include <algorithm>

namespace skelda::pager {

using namespace skelda::foundation;

namespace {

constexpr REAL kShapeTension = 0.8f;
constexpr REAL kEdgeTension = 0.3f;

// Adds segments to a figure, remembering where the last one ended so that "to" lines join.
class TFigure {
public:
    TFigure(TGPGraphicsPath& Path, int X, int Y) : path(Path), current{X, Y} {}

    void To(int X, int Y)
    {
        path.AddLine(static_cast<REAL>(current.X), static_cast<REAL>(current.Y), static_cast<REAL>(X),
                     static_cast<REAL>(Y));
        current = {X, Y};
    }
    void Curve(TGPPoint P1, TGPPoint P2, TGPPoint P3, REAL Tension = kShapeTension)
    {
        const TGPPoint points[3] = {P1, P2, P3};
        path.AddCurve(points, 3, Tension);
        current = P3;
    }
    void Bezier(TGPPoint P1, TGPPoint P2, TGPPoint P3, TGPPoint P4)
    {
        path.AddBezier(P1, P2, P3, P4);
        current = P4;
    }
    void Line(TGPPoint P1, TGPPoint P2)
    {
        path.AddLine(static_cast<REAL>(P1.X), static_cast<REAL>(P1.Y), static_cast<REAL>(P2.X),
                     static_cast<REAL>(P2.Y));
        current = P2;
    }

private:
    TGPGraphicsPath& path;
    TGPPoint current;
};

void AddTopShape(TGPGraphicsPath& Path, TVezTabShape Shape, int L, int T, int R, int B, int a, int h, int d)
{
    switch (Shape) {
    case tsRectangle: {
        TFigure f(Path, L, B);
        f.To(L, T + 3 * a);
        f.Curve({L, T + 3 * a}, {L + a, T + a}, {L + 3 * a, T});
        f.To(R - 3 * a, T);
        f.Curve({R - 3 * a, T}, {R - a, T + a}, {R, T + 3 * a});
        f.To(R, B);
        break;
    }
    case tsLeftRamp: {
        TFigure f(Path, L, B);
        f.Bezier({L, B}, {L + 3 * a, B - a}, {L + d, T + a}, {L + 3 * a + d, T});
        f.To(R - 3 * h, T);
        f.Curve({R - 3 * h, T}, {R - h, T + h}, {R, T + 3 * h});
        f.To(R, B);
        break;
    }
    case tsRightRamp: {
        TFigure f(Path, L, B);
        f.To(L, T + 3 * h);
        f.Curve({L, T + 3 * h}, {L + h, T + h}, {L + 3 * h, T});
        f.To(R - 3 * a - d, T);
        f.Bezier({R - 3 * a - d, T}, {R - d, T + a}, {R - 3 * a, B - a}, {R, B});
        f.Line({L, B}, {R, B});
        break;
    }
    case tsLeftRightRamp: {
        TFigure f(Path, L, B);
        f.Bezier({L, B}, {L + 3 * a, B - a}, {L + d, T + a}, {L + 3 * a + d, T});
        f.To(R - 3 * a - d, T);
        f.Bezier({R - 3 * a - d, T}, {R - d, T + a}, {R - 3 * a, B - a}, {R, B});
        break;
    }
    }
}

void AddBottomShape(TGPGraphicsPath& Path, TVezTabShape Shape, int L, int T, int R, int B, int a, int h, int d)
{
    switch (Shape) {
    case tsRectangle: {
        TFigure f(Path, L, T);
        f.To(L, B - 3 * a);
        f.Curve({L, B - 3 * a}, {L + a, B - a}, {L + 3 * a, B});
        f.To(R - 3 * a, B);
        f.Curve({R - 3 * a, B}, {R - a, B - a}, {R, B - 3 * a});
        f.To(R, T);
        break;
    }
    case tsLeftRamp: {
        TFigure f(Path, L + 3 * a + d, B);
        f.Bezier({L + 3 * a + d, B}, {L + d, B - a}, {L + 3 * a, T + a}, {L, T});
        f.To(R, T);
        f.To(R, B - 3 * h);
        f.Curve({R, B - 3 * h}, {R - h, B - h}, {R - 3 * h, B});
        break;
    }
    case tsRightRamp: {
        TFigure f(Path, L, T);
        f.To(L, B - 3 * h);
        f.Curve({L, B - 3 * h}, {L + h, B - h}, {L + 3 * h, B});
        f.To(R - 3 * a - d, B);
        f.Bezier({R - 3 * a - d, B}, {R - d, B - a}, {R - 3 * a, T + a}, {R, T});
        f.Line({L, T}, {R, T});
        break;
    }
    case tsLeftRightRamp: {
        TFigure f(Path, L + 3 * a + d, B);
        f.Bezier({L + 3 * a + d, B}, {L + d, B - a}, {L + 3 * a, T + a}, {L, T});
        f.To(R, T);
        f.Bezier({R, T}, {R - 3 * a, T + a}, {R - d, B - a}, {R - 3 * a - d, B});
        f.To(L + 3 * a + d, B);
        break;
    }
    }
}

void AddLeftShape(TGPGraphicsPath& Path, TVezTabShape Shape, int L, int T, int R, int B, int a, int h, int d)
{
    switch (Shape) {
    case tsRectangle: {
        TFigure f(Path, R, T);
        f.To(L + 3 * a, T);
        f.Curve({L + 3 * a, T}, {L + a, T + a}, {L, T + 3 * a});
        f.To(L, B - 3 * a);
        f.Curve({L, B - 3 * a}, {L + a, B - a}, {L + 3 * a, B});
        f.To(R, B);
        break;
    }
    case tsLeftRamp: {
        TFigure f(Path, R, T);
        f.To(L + 3 * h, T);
        f.Curve({L + 3 * h, T}, {L + h, T + h}, {L, T + 3 * h});
        f.To(L, B - 3 * a - d);
        f.Bezier({L, B - 3 * a - d}, {L + a, B - d}, {R - a, B - 3 * a}, {R, B});
        break;
    }
    case tsRightRamp: {
        TFigure f(Path, R, T);
        f.Bezier({R, T}, {R - a, T + 3 * a}, {L + a, T + d}, {L, T + 3 * a + d});
        f.To(L, B - 3 * h);
        f.Curve({L, B - 3 * h}, {L + h, B - h}, {L + 3 * h, B});
        f.To(R, B);
        break;
    }
    case tsLeftRightRamp: {
        TFigure f(Path, R, T);
        f.Bezier({R, T}, {R - a, T + 3 * a}, {L + a, T + d}, {L, T + 3 * a + d});
        f.To(L, B - 3 * a - d);
        f.Bezier({L, B - 3 * a - d}, {L + a, B - d}, {R - a, B - 3 * a}, {R, B});
        break;
    }
    }
}

void AddRightShape(TGPGraphicsPath& Path, TVezTabShape Shape, int L, int T, int R, int B, int a, int h, int d)
{
    switch (Shape) {
    case tsRectangle: {
        TFigure f(Path, L, T);
        f.To(R - 3 * a, T);
        f.Curve({R - 3 * a, T}, {R - a, T + a}, {R, T + 3 * a});
        f.To(R, B - 3 * a);
        f.Curve({R, B - 3 * a}, {R - a, B - a}, {R - 3 * a, B});
        f.To(L, B);
        break;
    }
    case tsLeftRamp: {
        TFigure f(Path, L, T);
        f.Bezier({L, T}, {L + a, T + 3 * a}, {R - a, T + d}, {R, T + 3 * a + d});
        f.To(R, B - 3 * h);
        f.Curve({R, B - 3 * h}, {R - h, B - h}, {R - 3 * h, B});
        f.To(L, B);
        break;
    }
    case tsRightRamp: {
        TFigure f(Path, L, T);
        f.To(R - 3 * h, T);
        f.Curve({R - 3 * h, T}, {R - h, T + h}, {R, T + 3 * h});
        f.To(R, B - 3 * a - d);
        f.Bezier({R, B - 3 * a - d}, {R - a, B - d}, {L + a, B - 3 * a}, {L, B});
        break;
    }
    case tsLeftRightRamp: {
        TFigure f(Path, L, T);
        f.Bezier({L, T}, {L + a, T + 3 * a}, {R - a, T + d}, {R, T + 3 * a + d});
        f.To(R, B - 3 * a - d);
        f.Bezier({R, B - 3 * a - d}, {R - a, B - d}, {L + a, B - 3 * a}, {L, B});
        break;
    }
    }
}

}  // namespace

std::unique_ptr<TGPGraphicsPath> BuildTabShapePath(const plat::TRect& Rect, TVezTabShape Shape, std::uint8_t Rounding,
                                                   bool RotateTabLeftRight, TTabPosition Position)
{
    const int L = Rect.Left, T = Rect.Top, R = Rect.Right, B = Rect.Bottom;
    const int a = Rounding;
    const int h = a / 2;
    const bool side = Position == tpLeft || Position == tpRight;
    const int d = side && RotateTabLeftRight ? (R - L) / 3 : (B - T) / 3;
    auto path = std::make_unique<TGPGraphicsPath>();
    switch (Position) {
    case tpTop: AddTopShape(*path, Shape, L, T, R, B, a, h, d); break;
    case tpBottom: AddBottomShape(*path, Shape, L, T, R, B, a, h, d); break;
    case tpLeft: AddLeftShape(*path, Shape, L, T, R, B, a, h, d); break;
    case tpRight: AddRightShape(*path, Shape, L, T, R, B, a, h, d); break;
    }
    path->CloseFigure();
    return path;
}

std::unique_ptr<TGPGraphicsPath> BuildTabEdgePath(const plat::TRect& Rect, std::uint8_t CornerMode,
                                                  std::uint8_t Rounding, TTabPosition Position)
{
    const int L = Rect.Left, T = Rect.Top, R = Rect.Right, B = Rect.Bottom;
    const int c = std::min<int>(Rounding, 6);
    auto path = std::make_unique<TGPGraphicsPath>();
    if (CornerMode == 0) {
        if (Position == tpTop || Position == tpBottom)
            AddRoundRectPath(*path, L + 2, T, (R - 1) - (L + 2), B - T, c);
        else
            AddRoundRectPath(*path, L, T + 2, R - L, (B - 2) - (T + 2), c);
    } else if (CornerMode == 3) {
        TFigure f(*path, L, T);
        switch (Position) {
        case tpTop:
            f.Curve({L, T}, {R - c - 2, T + 1}, {R, B}, kEdgeTension);
            f.Curve({R, B}, {L + c + 2, B - 1}, {L, T}, kEdgeTension);
            break;
        case tpBottom:
            f.Curve({R, T}, {L + c + 2, T + 1}, {L, B}, kEdgeTension);
            f.Curve({L, B}, {R - c - 2, B - 1}, {R, T}, kEdgeTension);
            break;
        case tpLeft:
            f.Curve({L, T}, {R - c, T + c}, {R, B}, kEdgeTension);
            f.Curve({R, B}, {L + c, B - c}, {L, T}, kEdgeTension);
            break;
        case tpRight:
            f.Curve({R, T}, {L + c, T + c}, {L, B}, kEdgeTension);
            f.Curve({L, B}, {R - c, B - c}, {R, T}, kEdgeTension);
            break;
        }
        path->CloseFigure();
    }
    return path;
}

void PaintTabBackground(plat::TCanvas& Canvas, const TTabBackgroundRequest& Q)
{
    TGPGraphics graphics(Canvas.Handle());
    const std::unique_ptr<TGPGraphicsPath> shape =
        BuildTabShapePath(Q.Rect, Q.Shape, Q.Rounding, Q.RotateTabLeftRight, Q.Position);
    const TGPRegion region(*shape);
    graphics.SetClip(region, CombineModeReplace);
    const bool side = Q.Position == tpLeft || Q.Position == tpRight;
    const TTabPosition orientation = side && !Q.RotateTabLeftRight ? tpTop : Q.Position;
    if (Q.Progress && Q.Progress->IsVisible())
        Q.Progress->Draw(graphics, Q.Rect, orientation, Q.RotateTabLeftRight);
    else
        PaintOrientedGlowFill(graphics, Q.Rect, Q.Colors, orientation, Q.RotateTabLeftRight);
    graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    if (Q.BorderColor != plat::clNone) {
        graphics.ResetClip();
        const TGPPen pen(ColorToARGB(Q.BorderColor), 1.6f);
        graphics.DrawPath(&pen, shape.get());
    }
    if (Q.Focus)
        PaintPagerFocus(graphics, Q.Rect);
}

}  // namespace skelda::pager
