#pragma once

#include "platform/graphics/Colors.h"

namespace skelda::foundation {

// The look of <HI> text in the grid's mini-HTML: one setting for the whole program, which the
// grid sets from its highlight-colour properties (initially the system's highlight colours).
// User-interface thread only.
void SetHighlightTagColors(plat::TColor BackColor, plat::TColor TextColor);

}  // namespace skelda::foundation
