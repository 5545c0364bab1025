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

// The tones of the system colours: window and highlight, silver and grey.
TColorTones MakeDefaultTones();
// The flat ("metro") tones of one accent colour on a light or dark background: the accent frames
// the background and fills the selection, 20 percent darker the element under the mouse.
// TextColor is what callers pass; it does not enter the tones.
TColorTones MakeMetroTones(bool Light, plat::TColor Color, plat::TColor TextColor);
// The colour (a system colour resolved) with red, green and blue each reduced by Percent,
// rounded to the nearest whole value (ties to even).
plat::TColor Darker(plat::TColor Color, int Percent);

}  // namespace skelda::foundation
