#pragma once

#include "platform/core/Types.h"

namespace skelda::foundation {
class TGPGraphics;
}

namespace skelda::pager {

// The side of the pager the tabs sit on. A tab's outer edge is the one away from the page.
enum TTabPosition { tpTop = 0, tpBottom = 1, tpLeft = 2, tpRight = 3 };

// The outline of a shaped tab: square-ish, or with a slope in place of one or both outer corners.
enum TVezTabShape { tsRectangle = 0, tsLeftRamp = 1, tsRightRamp = 2, tsLeftRightRamp = 3 };

// A progress bar that stands in for a tab's background while it is visible. The painters only
// decide when it replaces the glow and which rectangle it gets; drawing the bar is its own job.
class ITabProgressPainter {
public:
    virtual ~ITabProgressPainter() = default;
    virtual bool IsVisible() const = 0;
    virtual void Draw(foundation::TGPGraphics& Graphics, const plat::TRect& Rect, TTabPosition Orientation,
                      bool Rotated) const = 0;
};

}  // namespace skelda::pager
