#include "pager/office/TabStrip.h"

#include "pager/glow/PagerGlowVariants.h"
#include "pager/office/PagerBackgrounds.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

#include <algorithm>

namespace skelda::pager {

plat::TRect TabStripPaintRect(const plat::TRect& StripRect, const plat::TRect& ClientRect, TTabPosition Position)
{
    plat::TRect r = StripRect;
    switch (Position) {
    case tpTop:
        r.Bottom = ClientRect.Bottom;
        break;
    case tpBottom:
        r.Top = ClientRect.Top;
        break;
    case tpLeft:
        r.Right = ClientRect.Right;
        break;
    case tpRight:
        r.Left = ClientRect.Left;
        break;
    }
    return r;
}

void PaintTabStripBackground(plat::TCanvas& Canvas, const plat::TRect& Rect, const TGradientBackground& Background)
{
    const plat::TColor color = Background.GetColor();
    const plat::TColor colorTo = Background.GetColorTo();
    if (color == plat::clNone)
        return;
    if (colorTo != plat::clNone) {
        PagerBandedGradient(Canvas, color, colorTo, Background.GetSteps(), Rect,
                            Background.GetDirection() == gdHorizontal);
        return;
    }
    Canvas.Pen().SetStyle(plat::psSolid);
    Canvas.Pen().SetColor(color);
    Canvas.Brush().SetStyle(plat::bsSolid);
    Canvas.Brush().SetColor(color);
    Canvas.Rectangle(Rect);
}

bool ButtonAreaInUse(const TButtonAreaInputs& Q)
{
    return Q.ScrollerVisible || Q.PageListButton || (Q.ClosedListButton && Q.AnyPageClosed) ||
           (Q.CloseButton && !Q.CloseOnTab);
}

void CaptureButtonsBackground(plat::TCanvas& Canvas, const plat::TRect& ButtonsRect, plat::TBitmap& Backdrop)
{
    Backdrop.SetSize(std::max(ButtonsRect.Width(), 0), std::max(ButtonsRect.Height(), 0));
    if (ButtonsRect.IsEmpty())
        return;
    Backdrop.Canvas().CopyRect(plat::Rect(0, 0, ButtonsRect.Width(), ButtonsRect.Height()), Canvas, ButtonsRect);
}

}  // namespace skelda::pager
