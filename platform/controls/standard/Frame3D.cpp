#include "platform/controls/standard/Frame3D.h"

#include "platform/graphics/TCanvas.h"

namespace plat {

void Frame3D(TCanvas& Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width)
{
    Canvas.Pen().SetWidth(1);
    Canvas.Pen().SetStyle(psSolid);
    for (int ring = 0; ring < Width; ++ring) {
        const int right = Rect.Right - 1;
        const int bottom = Rect.Bottom - 1;
        Canvas.Pen().SetColor(TopColor);
        Canvas.Polyline({{Rect.Left, bottom}, {Rect.Left, Rect.Top}, {right, Rect.Top}});
        Canvas.Pen().SetColor(BottomColor);
        Canvas.Polyline({{right, Rect.Top}, {right, bottom}, {Rect.Left - 1, bottom}});
        Rect = plat::Rect(Rect.Left + 1, Rect.Top + 1, Rect.Right - 1, Rect.Bottom - 1);
    }
}

}  // namespace plat
