// The line operations under the structure part: rows and columns open, close and change places
// with their cells, records and sizes, and every list the grid keeps per row or column follows.

#include "grid/model/TVezEzuzorEvad.h"

#include "grid/model/TVezEzuzorEvadState.h"
#include "grid/settings/TSyncGrid.h"
#include "grid/support/TControlItem.h"
#include "grid/support/TControlList.h"
#include "platform/core/ScopedRestore.h"
#include "platform/grids/TGridCellStore.h"

#include <algorithm>
#include <climits>

namespace skelda::grid {

namespace {

// Cell controls keep real rows (columns); Where gives the new one, -1 for a line that went.
template <typename Where>
void MoveCellControls(TControlList& Controls, bool Rows, Where NewIndex)
{
    for (int I = Controls.Count() - 1; I >= 0; --I) {
        TControlItem& Item = Controls.GetItem(I);
        const int Now = NewIndex(Rows ? Item.GetY() : Item.GetX());
        if (Now < 0)
            Controls.RemoveControl(I);
        else if (Rows)
            Item.SetY(Now);
        else
            Item.SetX(Now);
    }
}

}  // namespace

// New lines come in at the end, where the store may still hold cells of an earlier, larger
// grid, and are moved into place.
void TVezEzuzorEvad::InsertRowLines(int ARow, int ACount, bool AMoveControls)
{
    FHidden->RowsComing();
    const plat::TScopedRestore Shifting(FState->RowsShifting, true);
    // Controls keep real rows: the new rows open at the real place of the row shown at ARow.
    const int RealRow = RealRowIndex(ARow);
    const int OldCount = GetRowCount();
    plat::TStringGrid::SetRowCount(OldCount + ACount);
    const int Cols = std::max(TotalColCount(), CellStore().ColExtent());
    FreeCellProperties(0, OldCount, INT_MAX, OldCount + ACount - 1);
    for (int R = OldCount; R < OldCount + ACount; ++R) {
        for (int C = 0; C < Cols; ++C)
            SetRawCell(C, R, "");
        if (ARow < OldCount)
            plat::TCustomGrid::MoveRow(R, ARow + R - OldCount);
    }
    FSelection->RowsInserted(ARow, ACount);
    FRowMarks->RowsInserted(ARow, ACount);
    if (AMoveControls)
        MoveCellControls(*FState->ControlList, true, [=](int R) { return IndexAfterInsert(R, RealRow, ACount); });
}

void TVezEzuzorEvad::RemoveRowLines(const std::vector<int>& ASortedRows, bool AFreeRecords)
{
    const plat::TScopedRestore Shifting(FState->RowsShifting, true);
    std::vector<int> RealRows(ASortedRows.size());
    std::transform(ASortedRows.begin(), ASortedRows.end(), RealRows.begin(), [this](int R) { return RealRowIndex(R); });
    const int Cols = std::max(TotalColCount(), CellStore().ColExtent());
    for (const int R : ASortedRows) {
        // A block cannot keep a line it does not hold.
        SplitBlocksInRow(R);
        if (AFreeRecords)
            FreeCellProperties(0, R, INT_MAX, R);
        else
            for (int C = 0; C < Cols; ++C)
                SetRawObject(C, R, nullptr);
    }
    // Blocks below the rows move with them one row at a time; without blocks the rows go at once.
    if (GetMergeCount() > 0 || ASortedRows.size() == 1)
        for (auto It = ASortedRows.rbegin(); It != ASortedRows.rend(); ++It)
            DeleteRow(*It);
    else
        RemoveRowsInOnePass(ASortedRows);
    FState->MaxRowCount = std::max(FState->MaxRowCount - static_cast<int>(ASortedRows.size()), GetRowCount());
    // The flags and marks of closed rows go with them.
    FSelection->TakeRowFlags(ASortedRows);
    FRowMarks->TakeRows(ASortedRows);
    MoveCellControls(*FState->ControlList, true, [&](int R) { return IndexAfterRemoval(R, RealRows); });
    FHidden->RowsLeft();
}

// The records are gone already. Own row heights are rare: they are carried only when a row
// from the first removed one on has one.
void TVezEzuzorEvad::RemoveRowsInOnePass(const std::vector<int>& ASortedRows)
{
    const int OldCount = GetRowCount();
    const int First = ASortedRows.front();
    std::vector<int> Heights;
    bool OwnHeights = false;
    // A removed row's own height counts too: the row that moves up into its place must not
    // keep it.
    for (int R = First; R < OldCount; ++R) {
        const int HeightPx = GetRowHeights(R);
        OwnHeights = OwnHeights || HeightPx != GetDefaultRowHeight();
        if (IndexAfterRemoval(R, ASortedRows) >= 0)
            Heights.push_back(HeightPx);
    }
    CellStore().RemoveRows(ASortedRows);
    const int NewCount = OldCount - static_cast<int>(ASortedRows.size());
    // The library keeps one row at least: it comes back empty.
    plat::TStringGrid::SetRowCount(std::max(NewCount, 1));
    if (NewCount < 1) {
        FreeCellProperties(0, 0, INT_MAX, 0);
        ClearRowData(0);
    }
    if (OwnHeights)
        for (std::size_t I = 0; I < Heights.size(); ++I)
            SetRowHeights(First + static_cast<int>(I), Heights[I]);
}

void TVezEzuzorEvad::InsertColLines(int ACol, int ACount)
{
    const plat::TScopedRestore Shifting(FState->RowsShifting, true);
    const int OldCount = GetColCount();
    plat::TStringGrid::SetColCount(OldCount + ACount);
    const int Rows = std::max(GetRowCount(), CellStore().RowExtent());
    FreeCellProperties(OldCount, 0, OldCount + ACount - 1, INT_MAX);
    for (int C = OldCount; C < OldCount + ACount; ++C) {
        for (int R = 0; R < Rows; ++R)
            SetRawCell(C, R, "");
        if (ACol < OldCount)
            plat::TCustomGrid::MoveColumn(C, ACol + C - OldCount);
    }
    FSelection->ColsInserted(ACol, ACount);
    MoveCellControls(*FState->ControlList, false, [=](int C) { return IndexAfterInsert(C, ACol, ACount); });
}

void TVezEzuzorEvad::RemoveColLines(int ACol, int ACount)
{
    const plat::TScopedRestore Shifting(FState->RowsShifting, true);
    for (int I = 0; I < ACount; ++I)
        DeleteColumn(ACol);
    std::vector<int> Removed(static_cast<std::size_t>(ACount));
    for (int I = 0; I < ACount; ++I)
        Removed[static_cast<std::size_t>(I)] = ACol + I;
    FSelection->ColsRemoved(Removed);
    MoveCellControls(*FState->ControlList, false, [&](int C) { return IndexAfterRemoval(C, Removed); });
}

void TVezEzuzorEvad::ExchangeRowLines(int ARow1, int ARow2)
{
    for (int C = 0; C < TotalColCount(); ++C)
        SwapCells({C, ARow1}, {C, ARow2});
}

void TVezEzuzorEvad::ExchangeColLines(int ACol1, int ACol2)
{
    for (int R = 0; R < GetRowCount(); ++R)
        SwapCells({ACol1, R}, {ACol2, R});
}

bool TVezEzuzorEvad::HoldsAnyRecord()
{
    const int Cols = std::max(TotalColCount(), CellStore().ColExtent());
    const int Rows = std::max(GetRowCount(), CellStore().RowExtent());
    for (int R = 0; R < Rows; ++R)
        for (int C = 0; C < Cols; ++C)
            if (FindCellProperties(C, R))
                return true;
    return false;
}

TLineMoves* TVezEzuzorEvad::SyncedMoves(bool AColumns)
{
    const TSyncGrid& Sync = *FState->SyncGrid;
    auto* Other = dynamic_cast<TVezEzuzorEvad*>(Sync.GetGrid());
    const bool Follows = AColumns ? Sync.GetMoveColumn() : Sync.GetMoveRow();
    return Other && Other != this && Follows ? &Other->FStructure->Moves : nullptr;
}

}  // namespace skelda::grid
