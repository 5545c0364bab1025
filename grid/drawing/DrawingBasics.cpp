#include "grid/drawing/DrawingBasics.h"

#include "platform/graphics/TCanvas.h"

#include <algorithm>
#include <cmath>

namespace skelda::grid {

void FillRectColor(plat::TCanvas& Canvas, const plat::TRect& Rect, plat::TColor Color)
{
    if (Color == plat::clNone)
        return;
    Canvas.Brush().SetStyle(plat::bsSolid);
    Canvas.Brush().SetColor(Color);
    Canvas.FillRect(Rect);
}

void DrawDropArrow(plat::TCanvas& Canvas, int X, int Y, plat::TColor Color)
{
    Canvas.Brush().SetStyle(plat::bsSolid);
    Canvas.Brush().SetColor(Color);
    Canvas.Pen().SetStyle(plat::psSolid);
    Canvas.Pen().SetWidth(1);
    Canvas.Pen().SetColor(Color);
    Canvas.Polygon({{X - 3, Y}, {X + 3, Y}, {X, Y + 3}});
}

double Limit(double Percent)
{
    if (std::isnan(Percent))
        return 0;
    return std::clamp(Percent, 0.0, 100.0);
}

}  // namespace skelda::grid
