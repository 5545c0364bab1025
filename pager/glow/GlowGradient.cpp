#include "pager/glow/GlowGradient.h"

#include "foundation/GPColors.h"
#include "foundation/TGPBrush.h"
#include "foundation/TGPGraphics.h"
#include "foundation/TGPGraphicsPath.h"
#include "pager/glow/GlowColors.h"
#include "platform/graphics/TCanvas.h"

namespace skelda::pager {

using namespace skelda::foundation;

void PaintBandedGradient(plat::TCanvas& Canvas, plat::TColor FromColor, plat::TColor ToColor, int Count,
                         const plat::TRect& Rect, bool Horizontal)
{
    const int count = Count == 0 ? 1 : Count;
    const plat::TColor from = plat::ColorToRGB(FromColor);
    const plat::TColor to = plat::ColorToRGB(ToColor);
    const double stepR = (plat::GetRValue(to) - plat::GetRValue(from)) / static_cast<double>(count);
    const double stepG = (plat::GetGValue(to) - plat::GetGValue(from)) / static_cast<double>(count);
    const double stepB = (plat::GetBValue(to) - plat::GetBValue(from)) / static_cast<double>(count);
    const double bandSize = (Horizontal ? Rect.Width() : Rect.Height()) / static_cast<double>(count);
    const int bandPx = RoundEven(bandSize);
    for (int i = 0; i < count; ++i) {
        const plat::TColor color = plat::RGB(plat::GetRValue(from) + RoundEven(i * stepR),
                                             plat::GetGValue(from) + RoundEven(i * stepG),
                                             plat::GetBValue(from) + RoundEven(i * stepB));
        Canvas.Pen().SetColor(color);
        Canvas.Brush().SetColor(color);
        // The offset wraps as the platform's 16-bit coordinates did.
        const int offset = RoundEven(i * bandSize) % 65536;
        if (Horizontal)
            Canvas.Rectangle(Rect.Left + offset, Rect.Top, Rect.Left + offset + bandPx + 1, Rect.Bottom);
        else
            Canvas.Rectangle(Rect.Left, Rect.Top + offset, Rect.Right, Rect.Top + offset + bandPx + 1);
    }
}

void FillGlowHalf(TGPGraphics& Graphics, const plat::TRect& Rect, plat::TColor Color1, plat::TColor Color2,
                  TGDIPGradient Gradient, bool Upper)
{
    if (Color2 == plat::clNone)
        Color2 = Color1;
    else if (Color1 == plat::clNone)
        Color1 = Color2;
    const int w = Rect.Width();
    const int h = Rect.Height();
    const auto x = static_cast<REAL>(Rect.Left);
    const auto y = static_cast<REAL>(Rect.Top);

    TGPSolidBrush base(ColorToARGB(Upper ? Color1 : Color2));
    Graphics.FillRectangle(&base, x, y, static_cast<REAL>(w), static_cast<REAL>(h));

    TGPGraphicsPath ellipse;
    if (Upper)
        ellipse.AddEllipse(x, static_cast<REAL>(Rect.Top - h / 2 + 2), static_cast<REAL>(w), static_cast<REAL>(h));
    else
        ellipse.AddEllipse(x, y, static_cast<REAL>(w), static_cast<REAL>(h));

    if (Gradient == ggRadial) {
        TGPPathGradientBrush glow(ellipse);
        glow.SetCenterPoint(TGPPointF{static_cast<REAL>(Rect.Left + w / 2),
                                      static_cast<REAL>(Upper ? Rect.Top : Rect.Bottom)});
        glow.SetCenterColor(ColorToARGB(Upper ? Color2 : Color1));
        ARGB surround = ColorToARGB(Upper ? Color1 : Color2);
        int count = 1;
        glow.SetSurroundColors(&surround, count);
        Graphics.FillRectangle(&glow, x, y, static_cast<REAL>(w), static_cast<REAL>(h));
    } else {
        TGPLinearGradientBrush linear(TGPRectF{x, y, static_cast<REAL>(w), static_cast<REAL>(h)}, ColorToARGB(Color1),
                                      ColorToARGB(Color2), static_cast<LinearGradientMode>(Gradient));
        Graphics.FillRectangle(&linear, x, y, static_cast<REAL>(w), static_cast<REAL>(h));
    }
}

}  // namespace skelda::pager
