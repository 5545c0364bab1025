#include "grid/model/hidden/THiddenColumns.h"

#include "grid/model/hidden/TIndexMap.h"

#include <algorithm>
#include <cstddef>

namespace skelda::grid {

bool THiddenColumns::Contains(int ARealCol) const
{
    return IsHiddenIndex(FHidden, ARealCol);
}

int THiddenColumns::RealColIndex(int ADisplCol) const
{
    return RealIndexOf(FHidden, ADisplCol);
}

int THiddenColumns::DisplColIndex(int ARealCol) const
{
    return DisplIndexOf(FHidden, ARealCol);
}

int THiddenColumns::Width(int ARealCol) const
{
    return ARealCol >= 0 && static_cast<std::size_t>(ARealCol) < FWidthsPx.size() ? FWidthsPx[static_cast<std::size_t>(ARealCol)] : -1;
}

void THiddenColumns::Hide(int ARealCol, int AWidthPx)
{
    const auto At = std::lower_bound(FHidden.begin(), FHidden.end(), ARealCol);
    if (At != FHidden.end() && *At == ARealCol)
        return;
    FHidden.insert(At, ARealCol);
    if (static_cast<std::size_t>(ARealCol) >= FWidthsPx.size())
        FWidthsPx.resize(static_cast<std::size_t>(ARealCol) + 1, -1);
    FWidthsPx[static_cast<std::size_t>(ARealCol)] = AWidthPx;
}

void THiddenColumns::Show(int ARealCol)
{
    const auto At = std::lower_bound(FHidden.begin(), FHidden.end(), ARealCol);
    if (At != FHidden.end() && *At == ARealCol)
        FHidden.erase(At);
}

void THiddenColumns::ColumnsInserted(int ARealCol, int ACount)
{
    for (int& Col : FHidden)
        if (Col >= ARealCol)
            Col += ACount;
    if (static_cast<std::size_t>(ARealCol) < FWidthsPx.size())
        FWidthsPx.insert(FWidthsPx.begin() + ARealCol, static_cast<std::size_t>(ACount), -1);
}

void THiddenColumns::ColumnsRemoved(int ARealCol, int ACount)
{
    std::erase_if(FHidden, [&](int Col) { return Col >= ARealCol && Col < ARealCol + ACount; });
    for (int& Col : FHidden)
        if (Col >= ARealCol + ACount)
            Col -= ACount;
    const std::size_t First = std::min(FWidthsPx.size(), static_cast<std::size_t>(ARealCol));
    const std::size_t Last = std::min(FWidthsPx.size(), static_cast<std::size_t>(ARealCol) + static_cast<std::size_t>(ACount));
    FWidthsPx.erase(FWidthsPx.begin() + static_cast<std::ptrdiff_t>(First), FWidthsPx.begin() + static_cast<std::ptrdiff_t>(Last));
}

void THiddenColumns::ColumnMoved(int AFrom, int ATo)
{
    if (AFrom == ATo)
        return;
    for (int& Col : FHidden) {
        if (Col == AFrom)
            Col = ATo;
        else if (AFrom < ATo && Col > AFrom && Col <= ATo)
            --Col;
        else if (ATo < AFrom && Col >= ATo && Col < AFrom)
            ++Col;
    }
    std::sort(FHidden.begin(), FHidden.end());
    FWidthsPx.resize(std::max(FWidthsPx.size(), static_cast<std::size_t>(std::max(AFrom, ATo)) + 1), -1);
    const auto From = FWidthsPx.begin() + AFrom;
    const auto To = FWidthsPx.begin() + ATo;
    if (AFrom < ATo)
        std::rotate(From, From + 1, To + 1);
    else
        std::rotate(To, From, From + 1);
}

}  // namespace skelda::grid
