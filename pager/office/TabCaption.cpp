#include "pager/office/TabCaption.h"

#include "foundation/GPColors.h"
#include "foundation/TGPBrush.h"
#include "foundation/TGPFont.h"
#include "foundation/TGPFontFamily.h"
#include "foundation/TGPGraphics.h"
#include "foundation/TGPStringFormat.h"
#include "pager/glow/GlowColors.h"
#include "pager/glow/GlowFonts.h"
#include "pager/glow/GlowTextMeasurer.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"

#include <memory>

namespace skelda::pager {

using namespace skelda::foundation;

namespace {

constexpr int kMeasureBoxPx = 1000;
constexpr int kMeasureBoxHeightPx = 100;
constexpr int kUnboundedWidthPx = 65535;
constexpr int kGdiTextIndentPx = 3;

// Drops the last character, never half of a multi-byte one.
void DropLastCharacter(std::string& Text)
{
    std::size_t end = Text.size() - 1;
    while (end > 0 && (static_cast<unsigned char>(Text[end]) & 0xC0) == 0x80)
        --end;
    Text.erase(end);
}

// The caption itself when it fits, else the longest head of it that fits with the suffix (the
// suffix alone when none does).
template <typename Fits>
std::string Shorten(const std::string& Caption, bool Ellipsis, const Fits& FitsIn)
{
    if (FitsIn(Caption))
        return Caption;
    const std::string suffix = Ellipsis ? "..." : "";
    std::string caption = Caption;
    while (!caption.empty() && !FitsIn(caption + suffix))
        DropLastCharacter(caption);
    return caption + suffix;
}

REAL F(int Value) { return static_cast<REAL>(Value); }

}  // namespace

std::string TruncateTabCaption(const std::string& Caption, const plat::TRect& Rect, const TCaptionSurface& S,
                               bool Ellipsis, TTabPosition Position, bool WordWrap)
{
    if (WordWrap)
        return Caption;
    const int room = Position == tpLeft || Position == tpRight ? Rect.Height() : Rect.Width();
    const IGlowTextMeasurer& measurer = MeasurerOrSystem(S.Measurer);
    if (S.UseGDIPlus) {
        if (!S.Graphics || !S.Font)
            return Caption;
        const TGPStringFormat format(0);
        const TGPRectF layout{F(Rect.Left), F(Rect.Top), F(kMeasureBoxPx), F(Rect.Height())};
        return Shorten(Caption, Ellipsis, [&](const std::string& Text) {
            return room - 2 > measurer.MeasureGdiplus(*S.Graphics, Text, *S.Font, layout, format).Width;
        });
    }
    if (!S.Canvas)
        return Caption;
    return Shorten(Caption, Ellipsis, [&](const std::string& Text) {
        plat::TRect box = plat::Rect(0, 0, kMeasureBoxPx, kMeasureBoxHeightPx);
        measurer.CalcTextGdi(*S.Canvas, Text, box, plat::DT_CALCRECT | plat::DT_SINGLELINE);
        return box.Right < room;
    });
}

void PaintTabCaption(plat::TCanvas& Canvas, const TTabCaptionRequest& Q, plat::TRect& TextRect)
{
    std::string text = Q.Caption.empty() ? Q.WideCaption : Q.Caption;
    if (text.empty() || !Q.Font)
        return;
    const plat::TRect& r = Q.Rect;
    const IGlowTextMeasurer& measurer = MeasurerOrSystem(Q.Measurer);
    const plat::TColor textColor = Q.Enabled ? Q.Font->GetColor() : plat::clGray;
    try {
        if (Q.AntiAlias != aaNone) {
            TGPGraphics graphics(Canvas.Handle());
            graphics.SetSmoothingMode(SmoothingModeAntiAlias);
            const std::unique_ptr<TGPFontFamily> family = FamilyOf(*Q.Font);
            const TGPFont font(family.get(), F(Q.Font->GetSize()), GdiplusStyleOf(*Q.Font), UnitPoint);
            TGPStringFormat format(Q.Position == tpRight ? StringFormatFlagsDirectionVertical : 0);
            format.SetAlignment(static_cast<StringAlignment>(Q.Alignment == caFar    ? StringAlignmentFar
                                                             : Q.Alignment == caCentre ? StringAlignmentCenter
                                                                                       : StringAlignmentNear));
            format.SetLineAlignment(StringAlignmentCenter);
            format.SetHotkeyPrefix(HotkeyPrefixShow);
            const TGPSolidBrush brush(ColorToARGB(textColor));
            graphics.SetTextRenderingHint(Q.AntiAlias == aaClearType ? TextRenderingHintClearTypeGridFit
                                                                     : TextRenderingHintAntiAlias);
            if (Q.Draw && Q.Ellipsis) {
                TCaptionSurface surface{true, &graphics, &font, &Canvas, Q.Measurer};
                text = TruncateTabCaption(text, r, surface, true, Q.Position, Q.WordWrap);
            }
            const TGPRectF layout{F(r.Left), F(r.Top), F(r.Width()), F(r.Height())};
            const TGPRectF box = measurer.MeasureGdiplus(graphics, text, font, layout, format);
            TextRect = plat::Rect(RoundEven(box.X), RoundEven(box.Y), RoundEven(box.X + box.Width),
                                  RoundEven(box.Y + box.Height));
            if (Q.Draw)
                graphics.DrawString(text, -1, &font, layout, &format, &brush);
            return;
        }
        Canvas.Font().Assign(*Q.Font);
        Canvas.Font().SetColor(textColor);
        if (Q.Draw && Q.Ellipsis) {
            TCaptionSurface surface{false, nullptr, nullptr, &Canvas, Q.Measurer};
            text = TruncateTabCaption(text, r, surface, true, Q.Position, Q.WordWrap);
        }
        plat::TRect box = plat::Rect(r.Left, r.Top, r.Left + kUnboundedWidthPx, r.Bottom);
        const unsigned calc = plat::DT_CALCRECT | (Q.Ellipsis ? plat::DT_END_ELLIPSIS : plat::DT_WORDBREAK);
        const int height = measurer.CalcTextGdi(Canvas, text, box, calc);
        const int widthPx = box.Width();
        TextRect = plat::Rect(r.Left, r.Top, r.Left + widthPx, r.Top + height);
        if (Q.Draw) {
            const unsigned align = Q.Alignment == caFar      ? plat::DT_RIGHT
                                   : Q.Alignment == caCentre ? plat::DT_CENTER
                                                             : plat::DT_LEFT;
            plat::TRect target = plat::Rect(r.Left + kGdiTextIndentPx, r.Top, r.Right + kGdiTextIndentPx, r.Bottom);
            Canvas.Brush().SetStyle(plat::bsClear);
            Canvas.DrawText(text, target, plat::DT_SINGLELINE | plat::DT_VCENTER | align);
            // What is drawn is reported where it stands, centred across and aligned along as the
            // anti-aliased text is, so that a picture following the text sits beside it.
            const int left = Q.Alignment == caFar      ? target.Right - widthPx
                             : Q.Alignment == caCentre ? target.Left + (target.Width() - widthPx) / 2
                                                       : target.Left;
            const int top = target.Top + (target.Height() - height) / 2;
            TextRect = plat::Rect(left, top, left + widthPx, top + height);
        }
    } catch (...) {
        // A caption that cannot be measured or drawn leaves the tab without text; the tab itself
        // is still usable, so nothing is reported.
    }
}

int MeasureWideText(plat::TCanvas& Canvas, const std::string& Text)
{
    return Text.empty() ? 0 : Canvas.TextExtent(Text).cx;
}

}  // namespace skelda::pager
