#include "grid/model/TRowMarks.h"

#include "grid/cells/TCellGridHost.h"
#include "platform/grids/BatchLines.h"
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

void TRowMarks::SetRowEnabled(int ARow, bool State)
{
    if (ARow < 0 || ARow >= plat::MaxGridRows)
        return;
    const auto At = static_cast<std::size_t>(ARow);
    if (At >= FDisabledRows.size())
        FDisabledRows.resize(At + 1, 0);
    FDisabledRows[At] = State ? 0 : 1;
    FGrid.RepaintGrid();
}

TRowMarks::TMarks TRowMarks::TakeRows(std::span<const int> ASortedRows)
{
    return {plat::TakeLines(FModifiedRows, ASortedRows), plat::TakeLines(FDisabledRows, ASortedRows)};
}

void TRowMarks::PutRows(std::span<const int> AFinalRows, TMarks AMarks)
{
    // Lists never written stay empty while nothing is put into them.
    const auto put = [&](std::vector<int>& List, std::vector<int> Marks) {
        if (!List.empty() || std::find(Marks.begin(), Marks.end(), 1) != Marks.end())
            plat::PutLines(List, AFinalRows, std::move(Marks));
    };
    put(FModifiedRows, std::move(AMarks.Modified));
    put(FDisabledRows, std::move(AMarks.Disabled));
}

}  // namespace skelda::grid
