#include "foundation/HtmlHighlightColors.h"

#include "foundation/MiniHtmlEngine.h"

namespace skelda::foundation {

void SetHighlightTagColors(plat::TColor BackColor, plat::TColor TextColor)
{
    SetMiniHtmlHighlightColors(BackColor, TextColor);
}

}  // namespace skelda::foundation
