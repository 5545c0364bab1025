#include "pager/glow/GlowFonts.h"

#include "foundation/TGPFontFamily.h"
#include "platform/graphics/TFont.h"

namespace skelda::pager {

using namespace skelda::foundation;

std::unique_ptr<TGPFontFamily> FamilyOf(const plat::TFont& Font)
{
    auto family = std::make_unique<TGPFontFamily>(Font.GetName());
    const Status found = family->GetLastStatus();
    if (found == FontFamilyNotFound || found == FontStyleNotFound)
        family = std::make_unique<TGPFontFamily>("Arial");
    return family;
}

int GdiplusStyleOf(const plat::TFont& Font)
{
    const plat::TFontStyles styles = Font.GetStyle();
    return (styles.Contains(plat::fsBold) ? FontStyleBold : 0) | (styles.Contains(plat::fsItalic) ? FontStyleItalic : 0) |
           (styles.Contains(plat::fsUnderline) ? FontStyleUnderline : 0);
}

}  // namespace skelda::pager
