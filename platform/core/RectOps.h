#pragma once

#include "platform/core/Types.h"

#include <algorithm>

namespace plat {

// Rectangle arithmetic on the widget library's rectangles (Right and Bottom just outside).
// Results are new rectangles; nothing normalises its input, so a reversed rectangle stays
// reversed (and empty).

// A rectangle moved by (Dx, Dy).
constexpr TRect MovedRect(const TRect& R, int Dx, int Dy)
{
    return {R.Left + Dx, R.Top + Dy, R.Right + Dx, R.Bottom + Dy};
}

constexpr TRect MovedRect(const TRect& R, TPoint By)
{
    return MovedRect(R, By.X, By.Y);
}

// A rectangle grown by Dx on the left and right and by Dy on the top and bottom (shrunk for
// negative values).
constexpr TRect InflatedRect(const TRect& R, int Dx, int Dy)
{
    return {R.Left - Dx, R.Top - Dy, R.Right + Dx, R.Bottom + Dy};
}

// The area both rectangles cover; the empty rectangle at (0, 0) when they do not overlap, so
// that callers can compare against TRect{}.
constexpr TRect IntersectedRect(const TRect& A, const TRect& B)
{
    const TRect common{std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right),
                       std::min(A.Bottom, B.Bottom)};
    return common.IsEmpty() ? TRect{} : common;
}

// The smallest rectangle around both.
constexpr TRect UnionedRect(const TRect& A, const TRect& B)
{
    return {std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right),
            std::max(A.Bottom, B.Bottom)};
}

// True when the rectangles share at least one pixel.
constexpr bool RectsOverlap(const TRect& A, const TRect& B)
{
    return !IntersectedRect(A, B).IsEmpty();
}

}  // namespace plat
