#include "pager/office/PagerButtonDressing.h"

#include "foundation/GPColors.h"
#include "foundation/OfficeTheme.h"
#include "foundation/TGPGraphics.h"
#include "foundation/TGPPen.h"
#include "pager/glow/PagerGlowVariants.h"
#include "pager/glow/TGlowButtonAppearance.h"
#include "pager/glow/TVezCustomGlowButton.h"
#include "pager/office/TCustomVezOfficePagerStyler.h"
#include "platform/graphics/TCanvas.h"

namespace skelda::pager {

void ApplyTonesToButton(TVezCustomGlowButton* Button, const TGlowButtonAppearance* TonesAppearance)
{
    if (!Button || !TonesAppearance)
        return;
    Button->SetAppearance(*TonesAppearance);
    Button->SetRounded(false);
    Button->Font().SetName(foundation::GetDefaultFontName());
}

void DressPagerButton(TVezCustomGlowButton& Button, TCustomVezOfficePagerStyler* Styler,
                      const TGlowButtonAppearance* TonesAppearance)
{
    if (!Styler)
        return;
    if (TonesAppearance)
        ApplyTonesToButton(&Button, TonesAppearance);
    else
        Button.SetAppearance(Styler->GlowButtonAppearance());
}

void PaintButtonsFrame(plat::TCanvas& Canvas, const plat::TRect& Rect, plat::TColor BorderColor, bool ColorTones,
                       bool Glass)
{
    if (Glass) {
        foundation::TGPGraphics graphics(Canvas.Handle());
        graphics.SetSmoothingMode(foundation::SmoothingModeAntiAlias);
        const foundation::TGPPen pen(foundation::ColorToARGB(BorderColor), 1);
        PagerOutlineRoundRect(graphics, pen, Rect.Left, Rect.Top, Rect.Width() - 1, Rect.Height() - 1,
                              ColorTones ? 1 : 3);
        return;
    }
    Canvas.Brush().SetStyle(plat::bsClear);
    Canvas.Pen().SetStyle(plat::psSolid);
    Canvas.Pen().SetColor(BorderColor);
    if (ColorTones)
        Canvas.Rectangle(Rect);
    else
        Canvas.RoundRect(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom, 5, 5);
}

}  // namespace skelda::pager
