#include "grid/model/TRowMarks.h"

#include "grid/cells/TCellGridHost.h"
#include "grid/model/structure/LineIndexes.h"
#include "platform/grids/GridLimits.h"

#include <algorithm>
#include <cstddef>

namespace skelda::grid {

bool TRowMarks::GetRowModified(int ARow) const
{
    return ARow >= 0 && static_cast<std::size_t>(ARow) < FModifiedRows.size() &&
           FModifiedRows[static_cast<std::size_t>(ARow)] == 1;
}

void TRowMarks::SetRowModified(int ARow, bool State)
{
    // A flag beyond any grid's reach would only cost memory.
    if (ARow < 0 || ARow >= plat::MaxGridRows)
        return;
    const auto At = static_cast<std::size_t>(ARow);
    if (At >= FModifiedRows.size())
        FModifiedRows.resize(At + 1, 0);
    FModifiedRows[At] = State ? 1 : 0;
    FGrid.RepaintCell(0, ARow);
}

int TRowMarks::ModifiedRowCount() const
{
    return static_cast<int>(std::count(FModifiedRows.begin(), FModifiedRows.end(), 1));
}

void TRowMarks::ClearModifiedRows()
{
    FModifiedRows.clear();
    FGrid.RepaintGrid();
}

bool TRowMarks::GetRowEnabled(int ARow) const
{
    return ARow < 0 || static_cast<std::size_t>(ARow) >= FDisabledRows.size() ||
           FDisabledRows[static_cast<std::size_t>(ARow)] == 0;
}

void TRowMarks::RowsInserted(int ARow, int ACount)
{
    for (std::vector<int>* Marks : {&FModifiedRows, &FDisabledRows})
        if (static_cast<std::size_t>(ARow) < Marks->size())
            Marks->insert(Marks->begin() + ARow, static_cast<std::size_t>(ACount), 0);
}

void TRowMarks::RowsRemoved(const std::vector<int>& ASortedRows)
{
    for (std::vector<int>* Marks : {&FModifiedRows, &FDisabledRows})
        EraseIndexes(*Marks, ASortedRows);
}

}  // namespace skelda::grid
