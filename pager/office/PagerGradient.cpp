#include "pager/office/PagerGradient.h"

#include "foundation/GPColors.h"
#include "foundation/TGPBrush.h"
#include "foundation/TGPFont.h"
#include "foundation/TGPFontFamily.h"
#include "foundation/TGPGraphics.h"
#include "foundation/TGPPen.h"
#include "foundation/TGPRegion.h"
#include "foundation/TGPStringFormat.h"
#include "pager/glow/GlowFonts.h"
#include "pager/glow/PagerGlowVariants.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"

#include <memory>

namespace skelda::pager {

using namespace skelda::foundation;

namespace {

constexpr plat::TColor kFocusColor = 0xE4AD89;

void PaintBorder(TGPGraphics& Graphics, const TPagerFaceRequest& Q)
{
    const plat::TRect& r = Q.Rect;
    const int W = r.Width(), H = r.Height();
    const TGPPen pen(ColorToARGB(Q.BorderColor), 1);
    if (Q.Glass) {
        if (Q.Position == tpLeft)
            PagerOutlineRect(Graphics, pen, r.Left, r.Top, W, H - 1);
        else if (Q.Position == tpRight)
            PagerOutlineRect(Graphics, pen, r.Left - 1, r.Top, W, H - 1);
        else
            PagerOutlineRect(Graphics, pen, r.Left - 1, r.Top, W + 1, H - 1);
    } else if (Q.RoundEdges) {
        PagerOutlineRoundRect(Graphics, pen, r.Left, r.Top, W - 1, H - 1, 3);
    } else {
        PagerOutlineRect(Graphics, pen, r.Left, r.Top, W - 1, H - 1);
    }
}

void PaintCaption(plat::TCanvas& Canvas, TGPGraphics& Graphics, const TPagerFaceRequest& Q)
{
    if (Q.Caption.empty() || !Q.Font)
        return;
    const plat::TRect& r = Q.Rect;
    if (Q.AntiAlias == aaNone) {
        plat::TRect box = r;
        Canvas.Brush().SetStyle(plat::bsClear);
        Canvas.DrawText(Q.Caption, box, plat::DT_SINGLELINE | plat::DT_VCENTER | plat::DT_CENTER);
        return;
    }
    const std::unique_ptr<TGPFontFamily> family = FamilyOf(*Q.Font);
    const TGPFont font(family.get(), static_cast<REAL>(Q.Font->GetSize()), GdiplusStyleOf(*Q.Font), UnitPoint);
    TGPStringFormat format(0);
    format.SetAlignment(StringAlignmentCenter);
    format.SetLineAlignment(StringAlignmentCenter);
    format.SetHotkeyPrefix(HotkeyPrefixShow);
    const TGPSolidBrush brush(ColorToARGB(Q.Enabled ? Q.Font->GetColor() : plat::clGray));
    Graphics.SetTextRenderingHint(Q.AntiAlias == aaClearType ? TextRenderingHintClearTypeGridFit
                                                             : TextRenderingHintAntiAlias);
    Graphics.DrawString(Q.Caption, -1, &font,
                        TGPRectF{static_cast<REAL>(r.Left), static_cast<REAL>(r.Top), static_cast<REAL>(r.Width()),
                                 static_cast<REAL>(r.Height())},
                        &format, &brush);
}

}  // namespace

void PaintPagerFocus(TGPGraphics& Graphics, const plat::TRect& Rect)
{
    const TGPPen light(ColorToARGB(kFocusColor), 1);
    PagerOutlineRoundRect(Graphics, light, Rect.Left + 1, Rect.Top + 1, Rect.Right - 3, Rect.Bottom - 3, 3);
    TGPPen dotted(ColorToARGB(plat::clGray), 1);
    dotted.SetDashStyle(DashStyleDot);
    PagerOutlineRoundRect(Graphics, dotted, Rect.Left + 2, Rect.Top + 2, Rect.Right - 5, Rect.Bottom - 5, 3);
}

void PaintPagerGradient(plat::TCanvas& Canvas, const TPagerFaceRequest& Q)
{
    const plat::TRect& r = Q.Rect;
    {
        // The inner glow half's fill runs a row (a column on side tabs) past an even-sized face,
        // onto the page's first row: the fill is held to the face.
        TGPGraphics fill(Canvas.Handle());
        fill.SetClip(TGPRegion(TGPRectF{static_cast<REAL>(r.Left), static_cast<REAL>(r.Top),
                                        static_cast<REAL>(r.Width()), static_cast<REAL>(r.Height())}),
                     CombineModeIntersect);
        if (Q.Progress && Q.Progress->IsVisible()) {
            Q.Progress->Draw(fill, plat::Rect(r.Left, r.Top, r.Right - 2, r.Bottom), Q.Position, Q.Rotated);
        } else if (Q.Colors.ColorTo == plat::clNone && Q.Colors.ColorMirror == plat::clNone) {
            const TGPSolidBrush flat(ColorToARGB(Q.Colors.Color));
            fill.FillRectangle(&flat, static_cast<REAL>(r.Left), static_cast<REAL>(r.Top),
                               static_cast<REAL>(r.Width()), static_cast<REAL>(r.Height()));
        } else {
            const bool flushOuterTop = Q.Position == tpTop && Q.Colors.Gradient != ggRadial &&
                                       Q.BorderColor == plat::clNone;
            PaintOrientedGlowFill(fill, r, Q.Colors, Q.Position, Q.Rotated, flushOuterTop);
        }
    }
    TGPGraphics graphics(Canvas.Handle());
    graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    if (Q.BorderColor != plat::clNone)
        PaintBorder(graphics, Q);
    if (Q.Focus)
        PaintPagerFocus(graphics, r);
    PaintCaption(Canvas, graphics, Q);
}

}  // namespace skelda::pager
