#include "editcontrols/button/TKvHTButtonGlyph.h"

#include "editcontrols/button/HtmlRenderer.h"
#include "platform/core/RectOps.h"
#include "platform/graphics/TCanvas.h"

namespace skelda::editcontrols {

void TKvHTButtonGlyph::MeasureCaptionText(plat::TCanvas& Canvas, plat::TRect& TextBounds, const std::string& Caption)
{
    const plat::TSize size = MeasureHtmlCaption(Canvas, TextBounds, Caption);
    TextBounds = plat::Rect(0, 0, size.cx, size.cy);
}

void TKvHTButtonGlyph::PaintCaptionText(plat::TCanvas& Canvas, const std::string& Caption, plat::TButtonState State,
                                        const plat::TRect& TextBounds)
{
    Canvas.Brush().SetStyle(plat::bsClear);
    if (State == plat::bsDisabled) {
        const plat::TColor color = Canvas.Font().GetColor();
        Canvas.Font().SetColor(plat::clBtnHighlight);
        DrawHtmlCaption(Canvas, plat::MovedRect(TextBounds, 1, 1), Caption);
        Canvas.Font().SetColor(plat::clBtnShadow);
        DrawHtmlCaption(Canvas, TextBounds, Caption);
        Canvas.Font().SetColor(color);
        return;
    }
    DrawHtmlCaption(Canvas, TextBounds, Caption);
}

}  // namespace skelda::editcontrols
