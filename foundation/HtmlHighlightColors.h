#pragma once

#include "platform/graphics/Colors.h"

namespace skelda::foundation {

// The look of <HI> text in the grid's mini-HTML: one setting for the whole program, which the
// grid sets from its highlight-colour properties. User-interface thread only.
void SetHighlightTagColors(plat::TColor BackColor, plat::TColor TextColor);
// Initially the system's highlight colours.
plat::TColor HighlightTagBackColor();
plat::TColor HighlightTagTextColor();

}  // namespace skelda::foundation
