#pragma once

#include "platform/graphics/Colors.h"

namespace skelda::pager {

// Colour arithmetic of the glow faces. System colours are resolved to their present value
// before any channel is touched; results are plain RGB colours.

// Each channel v becomes Round(v × min(100, 100 + Percent) / 100), so a negative percentage
// darkens in proportion; a channel of 0 becomes Percent when that is positive (lifting black
// towards a tint), else stays 0. Results keep their low 8 bits.
plat::TColor ShadeColor(plat::TColor Color, int Percent);
plat::TColor ShadeColorChannels(plat::TColor Color, int RedPercent, int GreenPercent, int BluePercent);

// Percent of Color1 and the rest of Color2, per channel (rounded, at most 255). Percent ≥ 100
// gives Color1 and ≤ 0 gives Color2 whatever they are; otherwise clNone on one side gives the
// other colour.
plat::TColor MixColors(plat::TColor Color1, plat::TColor Color2, int Percent);

// Round half to even, as the faces' arithmetic rounds throughout.
int RoundEven(double Value);

}  // namespace skelda::pager
