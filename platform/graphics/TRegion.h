#pragma once

#include "platform/core/Types.h"

#include <vector>

namespace plat {

// An area made of rectangles, for clipping. Kept as disjoint rectangles, so the area of a
// point is never counted twice.
class TRegion {
public:
    TRegion() = default;
    explicit TRegion(const TRect& Rect);

    TRegion Union(const TRegion& Other) const;
    TRegion Intersect(const TRegion& Other) const;
    TRegion Subtract(const TRegion& Other) const;
    TRegion Offset(int dx, int dy) const;

    bool IsEmpty() const { return FRects.empty(); }
    bool Contains(TPoint P) const;
    // Smallest rectangle around the area; empty (0,0,0,0) for an empty region.
    TRect Bounds() const;
    const std::vector<TRect>& Rects() const { return FRects; }

private:
    friend TRegion RoundRectRegion(const TRect& Rect, int EllipseWidth, int EllipseHeight);

    std::vector<TRect> FRects;
};

// Rect with its corners cut along quarter ellipses of EllipseWidth x EllipseHeight pixels, as
// rows of rectangles (rows of equal width share one rectangle). Ellipses larger than Rect are
// cut to its size; 0 or less gives plain corners.
TRegion RoundRectRegion(const TRect& Rect, int EllipseWidth, int EllipseHeight);

}  // namespace plat
