#include "grid/drawing/GradientDrawing.h"

#include "platform/graphics/TCanvas.h"
#include "platform/system/MathRoutines.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace skelda::grid {

namespace {

constexpr int kMirroredSteps = 128;

// Brush and pen both in the colour, so that Rectangle covers exactly its area.
void SelectSolid(plat::TCanvas& Canvas, plat::TColor Color)
{
    Canvas.Brush().SetStyle(plat::bsSolid);
    Canvas.Brush().SetColor(Color);
    Canvas.Pen().SetStyle(plat::psSolid);
    Canvas.Pen().SetWidth(1);
    Canvas.Pen().SetColor(Color);
}

// From + round(Numerator / Denominator of the way to To), kept inside a channel's range. One
// division of exact products, so that halves are exact and go to the even neighbour.
int MixChannel(int From, int To, double Numerator, double Denominator)
{
    const auto value = From + plat::Round(Numerator * (To - From) / Denominator);
    return static_cast<int>(std::clamp<std::int64_t>(value, 0, 255));
}

plat::TColor Mix(plat::TColor From, plat::TColor To, double Numerator, double Denominator)
{
    return plat::RGB(MixChannel(plat::GetRValue(From), plat::GetRValue(To), Numerator, Denominator),
                     MixChannel(plat::GetGValue(From), plat::GetGValue(To), Numerator, Denominator),
                     MixChannel(plat::GetBValue(From), plat::GetBValue(To), Numerator, Denominator));
}

}  // namespace

void DrawGradient(plat::TCanvas& Canvas, plat::TColor FromColor, plat::TColor ToColor, bool Horizontal,
                  plat::TRect Rect, int MaxSteps)
{
    if (Rect.Bottom < Rect.Top)
        std::swap(Rect.Top, Rect.Bottom);
    if (Rect.IsEmpty())
        return;
    if (FromColor == plat::clNone || ToColor == plat::clNone) {
        const plat::TColor fill = FromColor == plat::clNone ? ToColor : FromColor;
        if (fill == plat::clNone)
            return;
        SelectSolid(Canvas, fill);
        Canvas.Rectangle(Rect);
        return;
    }
    const plat::TColor from = plat::ColorToRGB(FromColor);
    const plat::TColor to = plat::ColorToRGB(ToColor);
    const int extentPx = Horizontal ? Rect.Width() : Rect.Height();
    const int steps = std::max(1, std::min(MaxSteps, extentPx - 1));
    // A one-pixel extent has room for a single band, in the starting colour.
    const int lastBand = extentPx > 1 ? steps : 0;
    const int bandPx = (extentPx - 1) / steps + 1;
    for (int band = 0; band <= lastBand; ++band) {
        const int startPx = static_cast<int>(static_cast<std::int64_t>(band) * (extentPx - 1) / steps);
        const int endPx = std::min(extentPx, startPx + bandPx);
        plat::TRect area = Rect;
        if (Horizontal) {
            area.Left = Rect.Left + startPx;
            area.Right = Rect.Left + endPx;
        } else {
            area.Top = Rect.Top + startPx;
            area.Bottom = Rect.Top + endPx;
        }
        SelectSolid(Canvas, Mix(from, to, band, steps));
        Canvas.Rectangle(area);
    }
}

void DrawMirroredGradient(plat::TCanvas& Canvas, const plat::TRect& Rect, plat::TColor Color, bool Fill,
                          bool SideLines, plat::TColor BorderColor, bool Vertical, plat::TColor MirrorColorTo,
                          plat::TColor MirrorColor, plat::TColor ColorTo)
{
    if (Rect.IsEmpty())
        return;
    if (Fill && Color != plat::clNone) {
        if (MirrorColor != plat::clNone) {
            plat::TRect first = Rect;
            plat::TRect second = Rect;
            if (Vertical)
                first.Bottom = second.Top = Rect.Top + Rect.Height() / 2;
            else
                first.Right = second.Left = Rect.Left + Rect.Width() / 2;
            DrawGradient(Canvas, Color, ColorTo, !Vertical, first, kMirroredSteps);
            DrawGradient(Canvas, MirrorColor, MirrorColorTo, !Vertical, second, kMirroredSteps);
        } else if (ColorTo != plat::clNone) {
            DrawGradient(Canvas, Color, ColorTo, !Vertical, Rect, kMirroredSteps);
        } else {
            SelectSolid(Canvas, Color);
            Canvas.Rectangle(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom + 1);
        }
    }
    if (BorderColor == plat::clNone)
        return;
    if (!SideLines) {
        Canvas.Brush().SetStyle(plat::bsSolid);
        Canvas.Brush().SetColor(BorderColor);
        Canvas.FrameRect(Rect);
        return;
    }
    Canvas.Pen().SetStyle(plat::psSolid);
    Canvas.Pen().SetWidth(1);
    Canvas.Pen().SetColor(BorderColor);
    for (const int x : {Rect.Left, Rect.Right - 1}) {
        Canvas.MoveTo(x, Rect.Top);
        Canvas.LineTo(x, Rect.Bottom);
    }
}

plat::TColor GradientColorAt(plat::TColor FromColor, plat::TColor ToColor, int Low, int Position, int High)
{
    if (FromColor == plat::clNone || ToColor == plat::clNone || High == Low)
        return FromColor;
    return Mix(plat::ColorToRGB(FromColor), plat::ColorToRGB(ToColor), static_cast<double>(Position) - Low,
               static_cast<double>(High) - Low);
}

}  // namespace skelda::grid
