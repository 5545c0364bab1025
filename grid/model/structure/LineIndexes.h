#pragma once

#include <algorithm>
#include <span>

namespace skelda::grid {

// Where a line index goes when lines move, open or close, for every list kept per row or column.

// After the line From moved to To: the lines between shift by one towards the place it left.
constexpr int IndexAfterMove(int Index, int From, int To)
{
    if (Index == From)
        return To;
    if (From < To && Index > From && Index <= To)
        return Index - 1;
    if (To < From && Index >= To && Index < From)
        return Index + 1;
    return Index;
}

// After ACount lines opened at At.
constexpr int IndexAfterInsert(int Index, int At, int ACount)
{
    return Index >= At ? Index + ACount : Index;
}

// After the lines of ASorted (ascending) closed: -1 for a closed line.
inline int IndexAfterRemoval(int Index, std::span<const int> ASorted)
{
    const auto Before = std::lower_bound(ASorted.begin(), ASorted.end(), Index);
    if (Before != ASorted.end() && *Before == Index)
        return -1;
    return Index - static_cast<int>(Before - ASorted.begin());
}

}  // namespace skelda::grid
