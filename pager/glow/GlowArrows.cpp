#include "pager/glow/GlowArrows.h"

#include "foundation/GPColors.h"
#include "foundation/TGPGraphics.h"
#include "foundation/TGPGraphicsPath.h"
#include "foundation/TGPPen.h"
#include "platform/graphics/TCanvas.h"

namespace skelda::pager {

using namespace skelda::foundation;

namespace {

void Line(plat::TCanvas& Canvas, int X1, int Y1, int X2, int Y2)
{
    Canvas.MoveTo(X1, Y1);
    Canvas.LineTo(X2, Y2);
}

}  // namespace

void PaintArrowPixels(plat::TCanvas& Canvas, plat::TPoint Pos, plat::TColor Color, bool Down,
                      plat::TColor ShadowColor)
{
    const int x = Pos.X;
    const int y = Pos.Y;
    Canvas.Pen().SetColor(Color);
    if (Down) {
        Line(Canvas, x, y, x + 5, y);
        Line(Canvas, x + 1, y + 1, x + 4, y + 1);
        Canvas.SetPixels(x + 2, y + 2, Color);
        for (const plat::TPoint p : {plat::Point(x, y + 1), plat::Point(x + 4, y + 1), plat::Point(x + 1, y + 2),
                                     plat::Point(x + 3, y + 2), plat::Point(x + 2, y + 3)})
            Canvas.SetPixels(p.X, p.Y, ShadowColor);
    } else {
        Line(Canvas, x, y, x, y + 5);
        Line(Canvas, x + 1, y + 1, x + 1, y + 4);
        Canvas.SetPixels(x + 2, y + 2, Color);
        for (const plat::TPoint p : {plat::Point(x + 2, y + 1), plat::Point(x + 1, y + 4), plat::Point(x + 3, y + 2)})
            Canvas.SetPixels(p.X, p.Y, ShadowColor);
    }
}

void PaintArrowSmooth(plat::TCanvas& Canvas, plat::TPoint Pos, plat::TColor Color)
{
    const auto x = static_cast<REAL>(Pos.X);
    const auto y = static_cast<REAL>(Pos.Y);
    TGPGraphics graphics(Canvas.Handle());
    TGPGraphicsPath path;
    path.AddLine(x, y, x + 5, y);
    path.AddLine(x + 1, y + 1, x + 4, y + 1);
    path.AddLine(x + 2, y + 2, x + 3, y + 2);
    path.CloseFigure();
    TGPPen pen(ColorWithAlphaToARGB(200, Color));
    graphics.DrawPath(&pen, &path);
}

}  // namespace skelda::pager
