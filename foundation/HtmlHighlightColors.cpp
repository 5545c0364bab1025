#include "foundation/HtmlHighlightColors.h"

namespace skelda::foundation {

namespace {

plat::TColor backColor = plat::clHighlight;
plat::TColor textColor = plat::clHighlightText;

}  // namespace

void SetHighlightTagColors(plat::TColor BackColor, plat::TColor TextColor)
{
    backColor = BackColor;
    textColor = TextColor;
}

plat::TColor HighlightTagBackColor()
{
    return backColor;
}

plat::TColor HighlightTagTextColor()
{
    return textColor;
}

}  // namespace skelda::foundation
