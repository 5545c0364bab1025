#include "worldmap/BitmapScanLines.h"

#include "platform/core/Exception.h"
#include "platform/graphics/TBitmap.h"

namespace skelda::worldmap {

TScanLines ScanLinesOf(plat::TBitmap& bitmap)
{
    TScanLines lines;
    switch (bitmap.GetPixelFormat()) {
    case plat::pf24bit:
        lines.BytesPerPixel = 3;
        break;
    case plat::pf8bit:
        lines.BytesPerPixel = 1;
        break;
    default:
        throw plat::EInvalidArgument("The world map reads 24-bit and 8-bit bitmaps only");
    }
    lines.Width = bitmap.GetWidth();
    lines.Rows.reserve(static_cast<std::size_t>(bitmap.GetHeight()));
    for (int row = 0; row < bitmap.GetHeight(); ++row)
        lines.Rows.push_back(bitmap.ScanLine(row));
    return lines;
}

}  // namespace skelda::worldmap
