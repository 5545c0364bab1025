#pragma once

#include "worldmap/ScanLines.h"

namespace plat {
class TBitmap;
}

namespace skelda::worldmap {

// The rows of a prepared 24-bit (pf24bit) or 8-bit (pf8bit) bitmap, fetched on the calling
// thread. Valid until the bitmap is resized, reformatted or drawn on; raises EInvalidArgument
// for other pixel formats.
TScanLines ScanLinesOf(plat::TBitmap& bitmap);

}  // namespace skelda::worldmap
