#pragma once

#include "platform/grids/GridTypes.h"

namespace skelda::grid {

constexpr int IntMax(int A, int B) { return A > B ? A : B; }
constexpr int IntMin(int A, int B) { return A < B ? A : B; }

// Value held to the limits of automatic sizing: a limit of 0 or less is no limit, and equal
// limits mean none at all. The maximum is tested first, so a minimum above the maximum loses.
constexpr int LimitValue(int Value, int Min, int Max)
{
    if (Min == Max)
        return Value;
    if (Max > 0 && Value > Max)
        return Max;
    if (Min > 0 && Value < Min)
        return Min;
    return Value;
}

// Both bounds of Rect included.
constexpr bool PointInGridRect(const plat::TGridRect& Rect, int Col, int Row)
{
    return Rect.Left <= Col && Col <= Rect.Right && Rect.Top <= Row && Row <= Rect.Bottom;
}

}  // namespace skelda::grid
