#pragma once

#include "pager/office/OfficeTypes.h"

namespace skelda::pager {

class TTabProgress;

// A page's progress bar in its tab: the whole bar from Color to ColorTo, the done part (Position
// of Max, grown from the tab's start: left, bottom for left tabs, top for right tabs) from
// CompleteColor to CompleteColorTo. The bar reaches two pixels beyond Rect's right edge on top
// tabs, where the face leaves them. Min takes no part; the done part stays between nothing and
// the whole bar, whatever Position says. Nothing without a surface.
void DrawTabProgress(const TTabProgress& Progress, foundation::TGPGraphics* Graphics, const plat::TRect& Rect,
                     TTabPosition Position, bool Rotated);

// The painter the tab routines ask for a page's progress.
class TTabProgressPainter : public ITabProgressPainter {
public:
    explicit TTabProgressPainter(const TTabProgress& Progress) : FProgress(Progress) {}
    bool IsVisible() const override;
    void Draw(foundation::TGPGraphics& Graphics, const plat::TRect& Rect, TTabPosition Orientation,
              bool Rotated) const override;

private:
    const TTabProgress& FProgress;
};

}  // namespace skelda::pager
