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
    std::vector<TRect> FRects;
};

}  // namespace plat
