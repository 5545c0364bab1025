#include "grid/model/structure/TLineInsertion.h"

#include "grid/model/structure/TStructureHost.h"
#include "grid/support/TControlList.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace skelda::grid {

void TLineInsertion::InsertRows(int RowIndex, int RCount, bool UpdateCellControls)
{
    if (RCount <= 0 || RowIndex < 0 || RowIndex > FHost.RowCount())
        return;
    // The floating footer's row stays the last.
    if (RowIndex == FHost.RowCount() && RowIndex > 0 && FHost.FloatingFooterVisible() && FHost.FooterIsLastRow())
        --RowIndex;
    // The real index is taken before the rows open: hidden rows at or after it move down.
    const int RealRow = FHost.RealRowIndex(RowIndex);
    FHost.InsertRowLines(RowIndex, RCount, UpdateCellControls);
    FHost.RowsInserted(RealRow, RCount);
    if (!FHost.Destroying())
        FHost.CellsChanged({0, RowIndex, FHost.ColCount() - 1, RowIndex + RCount});
    if (UpdateCellControls && FHost.CellControls().Count() > 0)
        FHost.CellControlsUpdate();
}

void TLineInsertion::RemoveRows(int RowIndex, int RCount)
{
    Remove(RowIndex, RCount, true);
}

void TLineInsertion::RemoveRowsEx(int RowIndex, int RCount)
{
    Remove(RowIndex, RCount, false);
}

void TLineInsertion::Remove(int RowIndex, int RCount, bool FreeRecords)
{
    if (RowIndex < 0 || RowIndex >= FHost.RowCount())
        return;
    RCount = std::min(RCount, FHost.RowCount() - RowIndex);
    if (RCount <= 0)
        return;
    std::vector<int> Rows(static_cast<std::size_t>(RCount));
    std::iota(Rows.begin(), Rows.end(), RowIndex);
    std::vector<int> RealRows(Rows.size());
    std::transform(Rows.begin(), Rows.end(), RealRows.begin(), [this](int R) { return FHost.RealRowIndex(R); });
    FHost.BeginUpdate();
    FHost.RemoveRowLines(Rows, FreeRecords);
    FHost.RowsRemoved(RealRows);
    FHost.EndUpdate();
    FHost.CellsChanged({0, RowIndex, FHost.ColCount() - 1, RowIndex + RCount});
    if (FHost.CellControls().Count() > 0)
        FHost.CellControlsUpdate();
}

void TLineInsertion::InsertCols(int ColIndex, int CCount)
{
    if (CCount <= 0 || ColIndex < 0 || ColIndex > FHost.TotalColCount())
        return;
    FHost.InsertColLines(ColIndex, CCount);
    FHost.ColsInserted(ColIndex, CCount);
}

void TLineInsertion::RemoveCols(int ColIndex, int CCount)
{
    if (ColIndex < 0 || ColIndex >= FHost.TotalColCount())
        return;
    CCount = std::min(CCount, FHost.TotalColCount() - ColIndex);
    if (CCount <= 0)
        return;
    FHost.BeginUpdate();
    FHost.RemoveColLines(ColIndex, CCount);
    FHost.ColsRemoved(ColIndex, CCount);
    FHost.EndUpdate();
    FHost.CellsChanged({ColIndex, 0, ColIndex + CCount, FHost.RowCount() - 1});
}

void TLineInsertion::AddRow()
{
    if (FHost.FloatingFooterVisible() && FHost.RowCount() > 0) {
        InsertRows(FHost.RowCount() - 1, 1, true);
        return;
    }
    InsertRows(FHost.RowCount(), 1, true);
}

void TLineInsertion::AddColumn()
{
    InsertCols(FHost.ColCount(), 1);
}

}  // namespace skelda::grid
