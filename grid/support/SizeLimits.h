#pragma once

namespace skelda::grid {

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

}  // namespace skelda::grid
