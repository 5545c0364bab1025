#include "foundation/MiniHtmlGradients.h"

#include "foundation/MiniHtmlDraw.h"
#include "platform/graphics/TCanvas.h"

#include <algorithm>
#include <cmath>

namespace skelda::foundation {

namespace {

int Channel(int From, int To, int Step, int Divisor)
{
    return static_cast<int>(std::lround(From + static_cast<double>(Step) * (To - From) / Divisor));
}

// Bands of both gradients: band i starts at i x extent / Steps (rounded) and is one pixel
// wider than the whole part of extent / Steps, so neighbours overlap rather than leave gaps.
void FillBands(plat::TCanvas& Canvas, plat::TColor From, plat::TColor To, int Steps, int Divisor, bool AlongX,
               const plat::TRect& R)
{
    const plat::TColor a = plat::ColorToRGB(From);
    const plat::TColor b = plat::ColorToRGB(To);
    const int extent = AlongX ? R.Width() : R.Height();
    const int band = extent / Steps + 1;
    for (int i = 0; i < Steps; ++i) {
        const plat::TColor color =
            plat::RGB(Channel(plat::GetRValue(a), plat::GetRValue(b), i, Divisor),
                      Channel(plat::GetGValue(a), plat::GetGValue(b), i, Divisor),
                      Channel(plat::GetBValue(a), plat::GetBValue(b), i, Divisor));
        Canvas.Pen().SetColor(color);
        Canvas.Brush().SetColor(color);
        const int start = (AlongX ? R.Left : R.Top) + static_cast<int>(std::lround(static_cast<double>(i) * extent / Steps));
        const int stop = std::min(AlongX ? R.Right : R.Bottom, start + band);
        if (AlongX)
            Canvas.FillRect(plat::TRect{start, R.Top, stop, R.Bottom});
        else
            Canvas.FillRect(plat::TRect{R.Left, start, R.Right, stop});
    }
}

}  // namespace

void DrawGradientBands(plat::TCanvas& Canvas, plat::TColor From, plat::TColor To, int Steps, bool Horizontal,
                       plat::TRect R)
{
    if (R.IsEmpty() || Steps < 1)
        return;
    FillBands(Canvas, From, To, Steps, Steps, Horizontal, R);
}

void DrawHintGradient(plat::TCanvas& Canvas, plat::TColor FromColor, plat::TColor ToColor, int Steps,
                      plat::TRect R, bool Horizontal)
{
    if (R.IsEmpty())
        return;
    if (Steps < 2) {
        // One band cannot run from one colour to another; it shows where the gradient starts.
        FillBands(Canvas, FromColor, FromColor, 1, 1, !Horizontal, R);
        return;
    }
    FillBands(Canvas, FromColor, ToColor, Steps, Steps - 1, Horizontal, R);
}

}  // namespace skelda::foundation
