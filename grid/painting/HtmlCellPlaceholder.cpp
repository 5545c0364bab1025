#include "grid/painting/HtmlCellPlaceholder.h"

#include "foundation/HtmlTagText.h"
#include "platform/graphics/TCanvas.h"

namespace skelda::grid {

int DrawHtmlCellPlaceholder(plat::TCanvas& Canvas, const std::string& Html, const plat::TRect& Rect,
                            plat::TAlignment HAlign, TVAlignment VAlign)
{
    const std::string Text = foundation::StripHtmlTags(Html);
    unsigned Format = plat::DT_NOPREFIX | plat::DT_EXPANDTABS;
    if (HAlign == plat::taRightJustify)
        Format |= plat::DT_RIGHT;
    else if (HAlign == plat::taCenter)
        Format |= plat::DT_CENTER;
    // Vertical placement applies to a single line only, as with the system text routine.
    if (Text.find('\n') == std::string::npos) {
        Format |= plat::DT_SINGLELINE;
        if (VAlign == vtaCenter)
            Format |= plat::DT_VCENTER;
        else if (VAlign == vtaBottom)
            Format |= plat::DT_BOTTOM;
    }
    plat::TRect Measured = Rect;
    Canvas.DrawText(Text, Measured, Format | plat::DT_CALCRECT);
    plat::TRect Target = Rect;
    Canvas.SetBkMode(plat::TRANSPARENT);
    Canvas.DrawText(Text, Target, Format);
    return Measured.Width();
}

}  // namespace skelda::grid
