#include "pager/glow/GlowTextMeasurer.h"

#include "foundation/TGPGraphics.h"
#include "platform/controls/forms/TScreen.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/FontFamilies.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"

namespace skelda::pager {

using namespace skelda::foundation;

bool TSystemGlowTextMeasurer::IsTrueType(plat::TCanvas& /*Canvas*/, const plat::TFont& Font) const
{
    return plat::IsTrueTypeFontFamily(Font.GetName()) && plat::TheScreen().Fonts().IndexOf(Font.GetName()) >= 0;
}

TGPRectF TSystemGlowTextMeasurer::MeasureGdiplus(TGPGraphics& Graphics, const std::string& Text, const TGPFont& Font,
                                                 const TGPRectF& LayoutRect, const TGPStringFormat& Format) const
{
    TGPRectF box{};
    Graphics.MeasureString(Text, -1, &Font, LayoutRect, &Format, box);
    return box;
}

int TSystemGlowTextMeasurer::CalcTextGdi(plat::TCanvas& Canvas, const std::string& Text, plat::TRect& Rect,
                                         unsigned Format) const
{
    return Canvas.DrawText(Text, Rect, Format | plat::DT_CALCRECT);
}

const TSystemGlowTextMeasurer& TSystemGlowTextMeasurer::Instance()
{
    static const TSystemGlowTextMeasurer measurer;
    return measurer;
}

const IGlowTextMeasurer& MeasurerOrSystem(const IGlowTextMeasurer* Measurer)
{
    return Measurer ? *Measurer : TSystemGlowTextMeasurer::Instance();
}

}  // namespace skelda::pager
