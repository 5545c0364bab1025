#pragma once

#include "pager/office/OrientedGlowFill.h"

#include <cstdint>
#include <memory>

namespace plat {
class TCanvas;
}
namespace skelda::foundation {
class TGPGraphicsPath;
}

namespace skelda::pager {

// The closed outline of a shaped tab. The inner edge (towards the page) is always straight; the
// rectangle rounds its outer corners over 3 × Rounding, a ramp slopes over 3 × Rounding plus a
// third of the tab's depth. RotateTabLeftRight measures that third across a side tab's width.
std::unique_ptr<foundation::TGPGraphicsPath> BuildTabShapePath(const plat::TRect& Rect, TVezTabShape Shape,
                                                               std::uint8_t Rounding, bool RotateTabLeftRight,
                                                               TTabPosition Position);

// The insert button's outline: CornerMode 0 a rounded rectangle (corners at most 6), 3 two
// splines bowing across the box; any other mode an empty path.
std::unique_ptr<foundation::TGPGraphicsPath> BuildTabEdgePath(const plat::TRect& Rect, std::uint8_t CornerMode,
                                                              std::uint8_t Rounding, TTabPosition Position);

// What a shaped tab is painted from.
struct TTabBackgroundRequest {
    plat::TRect Rect;
    TGlowFillColors Colors;
    plat::TColor BorderColor = plat::clNone;
    TVezTabShape Shape = tsRectangle;
    bool Focus = false;
    std::uint8_t Rounding = 0;
    bool RotateTabLeftRight = false;
    TTabPosition Position = tpTop;
    const ITabProgressPainter* Progress = nullptr;
};

// A shaped tab: the oriented glow (or the progress bar) clipped to the tab's outline, the
// outline in the border colour, the focus frame. Side tabs whose text is not rotated are filled
// as top tabs; clNone colours paint as white (no flat-fill shortcut here).
void PaintTabBackground(plat::TCanvas& Canvas, const TTabBackgroundRequest& Request);

}  // namespace skelda::pager
