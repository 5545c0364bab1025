#pragma once

#include "worldmap/ScanLines.h"

namespace skelda::worldmap {

// Adds the sun picture (24 bits) weighted by its opacity mask (8 bits, 255 opaque) onto the map
// (24 bits), centred on the pixel (SunX, SunY); each byte saturates at 255. Sun pixels that fall
// outside the map are skipped. Raises EInvalidArgument when the sun and its mask differ in size.
void DrawSun(int sunX, int sunY, const TScanLines& sun, const TScanLines& map, const TScanLines& alpha);

}  // namespace skelda::worldmap
