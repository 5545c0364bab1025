#include "platform/grids/TGridRow.h"

#include <algorithm>
#include <cstddef>

namespace plat {

const TGridCell* TGridRow::Find(int ACol) const
{
    return ACol < Count() ? &FCells[static_cast<std::size_t>(ACol)] : nullptr;
}

TGridCell& TGridRow::Reach(int ACol, int AWidthHint)
{
    const auto col = static_cast<std::size_t>(ACol);
    if (col >= FCells.size()) {
        // Rows within the store's width take exactly that width; a row that pushes the width
        // further grows geometrically, so filling it cell by cell stays linear.
        const auto hint = static_cast<std::size_t>(std::max(AWidthHint, 0));
        if (col >= FCells.capacity())
            FCells.reserve(col < hint ? hint : std::max(col + 1, 2 * FCells.capacity()));
        FCells.resize(col + 1);
    }
    return FCells[col];
}

void TGridRow::InsertCell(int ACol)
{
    if (ACol >= Count())
        return;
    // Every row grows by one cell at once: exact growth keeps a column insert from doubling
    // the memory of all rows.
    if (FCells.size() == FCells.capacity())
        FCells.reserve(FCells.size() + 1);
    FCells.insert(FCells.begin() + ACol, TGridCell{});
}

void TGridRow::DeleteCell(int ACol)
{
    if (ACol < Count())
        FCells.erase(FCells.begin() + ACol);
}

void TGridRow::MoveCell(int AFrom, int ATo)
{
    if (AFrom == ATo || std::min(AFrom, ATo) >= Count())
        return;
    if (AFrom >= Count()) {
        InsertCell(ATo);
        return;
    }
    if (ATo >= Count()) {
        FCells.reserve(static_cast<std::size_t>(ATo) + 1);
        FCells.resize(static_cast<std::size_t>(ATo) + 1);
    }
    const auto from = FCells.begin() + AFrom;
    const auto to = FCells.begin() + ATo;
    if (AFrom < ATo)
        std::rotate(from, from + 1, to + 1);
    else
        std::rotate(to, from, from + 1);
}

}  // namespace plat
