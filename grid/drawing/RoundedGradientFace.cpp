#include "grid/drawing/RoundedGradientFace.h"

#include "grid/drawing/GradientDrawing.h"
#include "platform/graphics/TCanvas.h"

namespace skelda::grid {

namespace {

void Line(plat::TCanvas& Canvas, int X1, int Y1, int X2, int Y2)
{
    Canvas.MoveTo(X1, Y1);
    Canvas.LineTo(X2, Y2);
}

void CornerPixels(plat::TCanvas& Canvas, int X, int Y, int InwardX, int InwardY, plat::TColor Edge,
                  plat::TColor Background)
{
    Canvas.SetPixels(X + InwardX, Y, Edge);
    Canvas.SetPixels(X, Y + InwardY, Edge);
    Canvas.SetPixels(X + InwardX, Y + InwardY, Edge);
    Canvas.SetPixels(X, Y, Background);
}

}  // namespace

void DrawRoundedGradientFace(plat::TCanvas& Canvas, plat::TColor Color, plat::TColor ColorTo, int Position,
                             plat::TRect Rect, plat::TColor Background, plat::TColor Edge, plat::TColor Border,
                             plat::TColor BottomLine, plat::TColor TopLine, plat::TColor MirrorColorTo,
                             plat::TColor MirrorColor)
{
    Rect.Bottom -= 2;
    Rect.Right -= 1;
    const bool LeftEdge = Position == feBoth || Position == feLeftOnly;
    const bool RightEdge = Position == feBoth || Position == feRightOnly;
    const int LeftInset = Position == feRightOnly || Position == feNeither ? 0 : 2;
    const int RightInset = Position == feLeftOnly || Position == feNeither ? 0 : 2;
    const int Middle = (Rect.Top + Rect.Bottom) / 2;
    Canvas.Pen().SetWidth(1);

    Canvas.Pen().SetColor(TopLine);
    Line(Canvas, Rect.Left, Rect.Top + 1, Rect.Right, Rect.Top + 1);
    if (LeftEdge)
        Line(Canvas, Rect.Left + 1, Rect.Top + 1, Rect.Left + 1, Middle);
    if (RightEdge)
        Line(Canvas, Rect.Right - 1, Rect.Top + 1, Rect.Right - 1, Middle);

    Canvas.Pen().SetColor(BottomLine);
    Line(Canvas, Rect.Left, Rect.Bottom - 1, Rect.Right, Rect.Bottom - 1);
    if (LeftEdge)
        Line(Canvas, Rect.Left + 1, Middle, Rect.Left + 1, Rect.Bottom - 1);
    if (RightEdge)
        Line(Canvas, Rect.Right - 1, Middle, Rect.Right - 1, Rect.Bottom - 1);

    Canvas.Pen().SetColor(Border);
    Line(Canvas, Rect.Left + LeftInset, Rect.Top, Rect.Right - RightInset + 1, Rect.Top);
    Line(Canvas, Rect.Left + LeftInset, Rect.Bottom, Rect.Right - RightInset + 1, Rect.Bottom);
    if (LeftEdge)
        Line(Canvas, Rect.Left, Rect.Top + 2, Rect.Left, Rect.Bottom - 1);
    if (RightEdge)
        Line(Canvas, Rect.Right, Rect.Top + 2, Rect.Right, Rect.Bottom - 1);

    if (LeftEdge) {
        CornerPixels(Canvas, Rect.Left, Rect.Top, 1, 1, Edge, Background);
        CornerPixels(Canvas, Rect.Left, Rect.Bottom, 1, -1, Edge, Background);
    }
    if (RightEdge) {
        CornerPixels(Canvas, Rect.Right, Rect.Top, -1, 1, Edge, Background);
        CornerPixels(Canvas, Rect.Right, Rect.Bottom, -1, -1, Edge, Background);
    }

    const plat::TRect Inside{Rect.Left + LeftInset, Rect.Top + 2, Rect.Right - RightInset, Rect.Bottom - 1};
    if (Inside.Right <= Inside.Left || Inside.Bottom <= Inside.Top)
        return;
    if (ColorTo == plat::clNone) {
        Canvas.Brush().SetColor(Color);
        Canvas.FillRect(Inside);
    } else if (MirrorColor == plat::clNone) {
        DrawGradient(Canvas, Color, ColorTo, false, Inside, 16);
    } else {
        const int Half = (Inside.Top + Inside.Bottom) / 2;
        DrawGradient(Canvas, Color, ColorTo, false, {Inside.Left, Inside.Top, Inside.Right, Half}, 16);
        DrawGradient(Canvas, MirrorColor, MirrorColorTo, false, {Inside.Left, Half, Inside.Right, Inside.Bottom}, 16);
    }
}

}  // namespace skelda::grid
