#include "editcontrols/spin/SpinGlyphs.h"

#include "editcontrols/base/DisabledBitmap.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/system/MathRoutines.h"

#include <array>
#include <string_view>

namespace skelda::editcontrols {

namespace {

// The key colour of the arrow resources.
constexpr plat::TColor ArrowBackground = plat::clFuchsia;

bool HasPixels(const plat::TBitmap* Glyph)
{
    return Glyph && !Glyph->GetEmpty();
}

void DrawGlyph(plat::TCanvas& Canvas, int X, int Y, const plat::TBitmap& Glyph, bool Enabled)
{
    if (Enabled) {
        Canvas.Draw(X, Y, &Glyph);
        return;
    }
    const std::unique_ptr<plat::TBitmap> disabled = MakeDefaultDisabledBitmap(Glyph, plat::clBlack);
    Canvas.Draw(X, Y, disabled.get());
}

// Round(Extent * Quarters / 4 - GlyphExtent / 2), halves to even.
int QuarterPoint(int ExtentPx, int Quarters, int GlyphExtentPx)
{
    return static_cast<int>(plat::Round(ExtentPx * Quarters / 4.0 - GlyphExtentPx / 2.0));
}

void DrawInBox(plat::TCanvas& Canvas, const plat::TRect& Box, const plat::TBitmap& Glyph, bool Enabled)
{
    const int saved = Canvas.SaveDC();
    Canvas.IntersectClipRect(Box);
    DrawGlyph(Canvas, Box.Left + (Box.Width() - Glyph.GetWidth()) / 2, Box.Top + (Box.Height() - Glyph.GetHeight()) / 2,
              Glyph, Enabled);
    Canvas.RestoreDC(saved);
}

}  // namespace

std::unique_ptr<plat::TBitmap> LoadSpinArrow(TSpinArrow Arrow)
{
    static constexpr std::array<std::string_view, 4> names{"KvSpinUP", "KvSpinDOWN", "KvSpinUPPOLE", "KvSpinDOWNPOLE"};
    auto bitmap = std::make_unique<plat::TBitmap>();
    bitmap->LoadFromResourceName(names.at(static_cast<std::size_t>(Arrow)));
    bitmap->SetTransparentColor(ArrowBackground);
    bitmap->SetTransparent(true);
    return bitmap;
}

void DrawDiagonalGlyphs(plat::TCanvas& Canvas, int WidthPx, int HeightPx, const plat::TBitmap* Up,
                        const plat::TBitmap* Down, bool NudgeUpGlyph, bool Enabled)
{
    if (HasPixels(Up)) {
        const int nudge = NudgeUpGlyph ? 2 : 1;
        DrawGlyph(Canvas, QuarterPoint(WidthPx, 1, Up->GetWidth()) + nudge,
                  QuarterPoint(HeightPx, 1, Up->GetHeight()) + nudge, *Up, Enabled);
    }
    if (HasPixels(Down))
        DrawGlyph(Canvas, QuarterPoint(WidthPx, 3, Down->GetWidth()) - 1,
                  QuarterPoint(HeightPx, 3, Down->GetHeight()) - 1, *Down, Enabled);
}

void DrawClassicGlyphs(plat::TCanvas& Canvas, int WidthPx, int HeightPx, const plat::TBitmap* Up,
                       const plat::TBitmap* Down, TSpinButtonState Pressed, bool Enabled)
{
    const int middle = HeightPx / 2;
    if (HasPixels(Up))
        DrawInBox(Canvas, {0, 0, WidthPx, middle}, *Up, Enabled);
    if (HasPixels(Down)) {
        const int shift = Pressed == sbTopDown ? 1 : 0;
        DrawInBox(Canvas, {0, middle + shift, WidthPx, HeightPx + shift}, *Down, Enabled);
    }
}

}  // namespace skelda::editcontrols
