#pragma once

#include "platform/core/Types.h"

#include <span>
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
    friend TRegion PolygonRegion(std::span<const TPoint> Points, int FillMode);

    std::vector<TRect> FRects;
};

// Rect with its corners cut along quarter ellipses of EllipseWidth x EllipseHeight pixels, as
// rows of rectangles (rows of equal width share one rectangle). Ellipses larger than Rect are
// cut to its size; 0 or less gives plain corners.
TRegion RoundRectRegion(const TRect& Rect, int EllipseWidth, int EllipseHeight);

// How a polygon whose outline crosses itself is filled: ALTERNATE takes the points that lie
// inside an odd number of times, WINDING those the outline winds around at all.
enum TPolyFillMode { ALTERNATE = 1, WINDING = 2 };

// The pixels whose centres lie inside the polygon through Points, the last point joined back to
// the first, as rows of rectangles (rows with the same spans share one rectangle). A centre on a
// left or top edge is inside, on a right or bottom edge outside, so a polygon along a
// rectangle's corners covers exactly the pixels of that rectangle. Fewer than three points, or
// a FillMode that is neither ALTERNATE nor WINDING, give an empty region. Cost: rows x points.
TRegion PolygonRegion(std::span<const TPoint> Points, int FillMode);

}  // namespace plat
