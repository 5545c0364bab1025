#pragma once

#include "platform/grids/BatchLines.h"

#include <algorithm>
#include <span>

namespace skelda::grid {

// Real and display indexes of one axis from the ascending real indexes of its hidden lines,
// each answer a binary search. Display index d shows the real index that d would take if the
// hidden lines were put back among the shown ones.
inline int RealIndexOf(std::span<const int> AHidden, int ADispl)
{
    return plat::IndexAfterPut(AHidden, ADispl);
}

// A hidden real index maps to the display place it would take.
inline int DisplIndexOf(std::span<const int> AHidden, int AReal)
{
    return AReal - static_cast<int>(std::lower_bound(AHidden.begin(), AHidden.end(), AReal) - AHidden.begin());
}

inline bool IsHiddenIndex(std::span<const int> AHidden, int AReal)
{
    return std::binary_search(AHidden.begin(), AHidden.end(), AReal);
}

}  // namespace skelda::grid
