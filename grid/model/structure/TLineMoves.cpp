#include "grid/model/structure/TLineMoves.h"

#include "grid/model/structure/TColumnOrder.h"
#include "grid/model/structure/TStructureHost.h"
#include "grid/support/TControlItem.h"
#include "grid/support/TControlList.h"
#include "grid/support/TSortIndexList.h"
#include "platform/core/ScopedRestore.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace skelda::grid {

void TLineMoves::MoveColumn(int FromIndex, int ToIndex)
{
    if (!FOrder.Recorded())
        FOrder.SetColumnOrder();
    FHost.MoveColLine(FromIndex, ToIndex);
    MoveControls(FromIndex, ToIndex, true);
    FHost.CellControlsUpdate();
}

void TLineMoves::MoveRow(int FromIndex, int ToIndex)
{
    // The floating footer shows the last row: nothing may take its place.
    if (FHost.FloatingFooterVisible() && FHost.FooterIsLastRow() && ToIndex == FHost.RowCount() - 1)
        return;
    FHost.MoveRowLine(FromIndex, ToIndex);
    MoveControls(FHost.RealRowIndex(FromIndex), FHost.RealRowIndex(ToIndex), false);
    FHost.CellControlsUpdate();
}

template <typename Get, typename Set>
void TLineMoves::PutSizesBack(int FromIndex, int ToIndex, Get Size, Set SetSize)
{
    const int First = std::min(FromIndex, ToIndex);
    const int Last = std::max(FromIndex, ToIndex);
    std::vector<int> Before(static_cast<std::size_t>(Last - First + 1));
    for (int I = First; I <= Last; ++I)
        Before[static_cast<std::size_t>(I - First)] = Size(IndexAfterMove(I, FromIndex, ToIndex));
    for (int I = First; I <= Last; ++I)
        SetSize(I, Before[static_cast<std::size_t>(I - First)]);
}

void TLineMoves::ColumnMoved(int FromIndex, int ToIndex)
{
    FHost.MoveColCells(FromIndex, ToIndex);
    if (FHost.ShiftingLines())
        return;
    const int RF = FHost.RealColIndex(FromIndex);
    const int RT = FHost.RealColIndex(ToIndex);
    FOrder.ColumnMoved(RF, RT);
    if (!FHost.EnhRowColMove())
        PutSizesBack(FromIndex, ToIndex, [this](int C) { return FHost.ColWidth(C); },
                     [this](int C, int W) { FHost.SetColWidth(C, W); });
    FHost.ColumnMoved(RF, RT);
    FHost.SetSortColumn(IndexAfterMove(FHost.SortColumn(), RF, RT));
    if (FHost.SortIndexShow()) {
        TSortIndexList& Indexes = FHost.SortIndexes();
        for (int I = 0; I < Indexes.Count(); ++I) {
            const auto Entry = static_cast<std::uint32_t>(Indexes.GetValue(I));
            const auto Col = static_cast<int>(Entry & ~TSortIndexList::DescendingFlag);
            const auto Moved = static_cast<std::uint32_t>(IndexAfterMove(Col, RF, RT));
            Indexes.SetValue(I, static_cast<int>((Entry & TSortIndexList::DescendingFlag) | Moved));
        }
    }
    if (FHost.FloatingFooterVisible())
        FHost.RepaintFooterPanel();
    FollowOnSyncedGrid(FromIndex, ToIndex, true);
}

void TLineMoves::RowMoved(int FromIndex, int ToIndex)
{
    FHost.MoveRowCells(FromIndex, ToIndex);
    if (FHost.ShiftingLines())
        return;
    if (!FHost.EnhRowColMove())
        PutSizesBack(FromIndex, ToIndex, [this](int R) { return FHost.RowHeight(R); },
                     [this](int R, int H) { FHost.SetRowHeight(R, H); });
    FollowOnSyncedGrid(FromIndex, ToIndex, false);
}

void TLineMoves::FollowOnSyncedGrid(int FromIndex, int ToIndex, bool Columns)
{
    TLineMoves* Other = FHost.SyncedMoves(Columns);
    if (!Other || Other == this || FSyncedMove)
        return;
    const plat::TScopedRestore Handed(Other->FSyncedMove, true);
    if (Columns)
        Other->MoveColumn(FromIndex, ToIndex);
    else
        Other->MoveRow(FromIndex, ToIndex);
}

void TLineMoves::SwapColumns(int ACol1, int ACol2)
{
    if (ACol1 == ACol2)
        return;
    FHost.ExchangeColLines(ACol1, ACol2);
    const int D1 = FHost.DisplColIndex(ACol1);
    const int D2 = FHost.DisplColIndex(ACol2);
    const int Width1 = FHost.ColWidth(D1);
    FHost.SetColWidth(D1, FHost.ColWidth(D2));
    FHost.SetColWidth(D2, Width1);
    if (FHost.SortColumn() == ACol1)
        FHost.SetSortColumn(ACol2);
    else if (FHost.SortColumn() == ACol2)
        FHost.SetSortColumn(ACol1);
    ExchangeControls(ACol1, ACol2, true);
    FHost.CellControlsUpdate();
}

void TLineMoves::SwapRows(int ARow1, int ARow2)
{
    if (ARow1 == ARow2)
        return;
    FHost.ExchangeRowLines(ARow1, ARow2);
    const int Height1 = FHost.RowHeight(ARow1);
    FHost.SetRowHeight(ARow1, FHost.RowHeight(ARow2));
    FHost.SetRowHeight(ARow2, Height1);
    ExchangeControls(FHost.RealRowIndex(ARow1), FHost.RealRowIndex(ARow2), false);
    FHost.CellControlsUpdate();
}

void TLineMoves::MoveControls(int FromIndex, int ToIndex, bool Columns)
{
    TControlList& Controls = FHost.CellControls();
    for (int I = 0; I < Controls.Count(); ++I) {
        TControlItem& Item = Controls.GetItem(I);
        if (Columns)
            Item.SetX(IndexAfterMove(Item.GetX(), FromIndex, ToIndex));
        else
            Item.SetY(IndexAfterMove(Item.GetY(), FromIndex, ToIndex));
    }
}

void TLineMoves::ExchangeControls(int A, int B, bool Columns)
{
    TControlList& Controls = FHost.CellControls();
    for (int I = 0; I < Controls.Count(); ++I) {
        TControlItem& Item = Controls.GetItem(I);
        const int At = Columns ? Item.GetX() : Item.GetY();
        const int Now = At == A ? B : At == B ? A : At;
        if (Columns)
            Item.SetX(Now);
        else
            Item.SetY(Now);
    }
}

}  // namespace skelda::grid
