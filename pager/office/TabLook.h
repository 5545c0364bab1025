#pragma once

#include "pager/office/OfficeTypes.h"

namespace skelda::pager {

// The standard look (a glow face with light, shadow and highlight lines and rounded corner
// pixels) applies to rectangular tabs of rounding 1, and to side tabs of rounding 1 whose text
// is not rotated whatever their shape; everything else is drawn as a shaped tab. Painting and
// geometry both ask here, so that the ramps the layout makes room for are the ones painted.
bool UsesStandardTabLook(TVezTabShape Shape, int Rounding, TTabPosition Position, bool RotateTabLeftRight);

}  // namespace skelda::pager
