#pragma once

#include "platform/graphics/Colors.h"

namespace skelda::foundation {

// The three colours of one look of an element; clNone where the look does not set one.
struct TColorTone {
    plat::TColor BrushColor = plat::clNone;
    plat::TColor BorderColor = plat::clNone;
    plat::TColor TextColor = plat::clNone;
};

// The looks a styler hands to a control as a whole: normal elements, fixed elements, the
// selection, the element under the mouse and disabled elements.
struct TColorTones {
    TColorTone Background;
    TColorTone Foreground;
    TColorTone Selected;
    TColorTone Hover;
    TColorTone Disabled;
};

}  // namespace skelda::foundation
