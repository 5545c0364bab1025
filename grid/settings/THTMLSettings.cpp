#include "grid/settings/THTMLSettings.h"

namespace skelda::grid {

THTMLSettings::THTMLSettings()
    : FColWidths(std::make_unique<TIntList>(0, 0))
{
}

THTMLSettings::~THTMLSettings() = default;

void THTMLSettings::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const THTMLSettings*>(&Source);
    if (!source)
        return;
    FAutoPreview = source->FAutoPreview;
    FBorderSize = source->FBorderSize;
    FCellSpacing = source->FCellSpacing;
    FCellPadding = source->FCellPadding;
    FConvertSpecialChars = source->FConvertSpecialChars;
    FFooterFile = source->FFooterFile;
    FHeaderFile = source->FHeaderFile;
    FNonBreakingText = source->FNonBreakingText;
    FPrefixTag = source->FPrefixTag;
    FSaveColor = source->FSaveColor;
    FSaveFonts = source->FSaveFonts;
    FSuffixTag = source->FSuffixTag;
    FSummary = source->FSummary;
    FTableStyle = source->FTableStyle;
    FWidth = source->FWidth;
    FXHTML = source->FXHTML;
}

}  // namespace skelda::grid
