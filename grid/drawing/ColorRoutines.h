#pragma once

#include "platform/graphics/Colors.h"

#include <string>

namespace skelda::grid {

// Six upper-case hexadecimal digits in the order red, green, blue, as HTML writes colours.
// A system colour is resolved first.
std::string ColorToHex(plat::TColor Color);
// The colour resolved to RGB with each channel halved (rounded down).
plat::TColor HalveColor(plat::TColor Color);
// The colour resolved to RGB with each channel c made c + c * Percent / 100, rounded half to
// even: -20 is 20 % darker. Callers keep Percent between -100 and 0; outside that range each
// channel is held to 0 .. 255 rather than wrapping round to an unrelated shade.
plat::TColor ShadeColor(plat::TColor Color, int Percent);

}  // namespace skelda::grid
