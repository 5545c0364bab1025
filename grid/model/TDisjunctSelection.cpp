#include "grid/model/TDisjunctSelection.h"

#include "grid/model/TDisjunctSelectionHost.h"
#include "grid/model/ZOdeVuzeViriz.h"
#include "grid/model/structure/LineIndexes.h"
#include "grid/model/hidden/TIndexMap.h"
#include "grid/settings/TMouseActions.h"
#include "platform/grids/GridLimits.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace skelda::grid {

bool TDisjunctSelection::GetRowSelect(int ARow) const
{
    if (ARow < 0 || ARow >= FHost.RowCount() + FHost.NumHiddenRows())
        throw ZOdeVuzeViriz("Invalid row " + std::to_string(ARow) + " accessed");
    if (FMouseActions.GetDisjunctRowSelect())
        return FRows.IsSelected(ARow);
    const plat::TGridRect Selection = FHost.Selection();
    return ARow >= Selection.Top && ARow <= Selection.Bottom;
}

void TDisjunctSelection::SetRowSelect(int ARow, bool Select)
{
    // A grid without normal rows takes any row, but not one beyond any grid's reach.
    const bool Beyond = ARow >= FHost.RowCount() + FHost.NumHiddenRows() && FHost.RowCount() > FHost.FixedRows();
    if (ARow < 0 || Beyond || ARow >= plat::MaxGridRows)
        throw ZOdeVuzeViriz("Invalid row accessed");
    bool Allow = true;
    if (FRows.IsSelected(ARow) != Select)
        FHost.RowDisjunctSelect(ARow, Select, Allow);
    if (!Allow)
        return;
    SetRowSelectFlag(ARow, Select);
    FHost.RowDisjunctSelected(ARow);
}

void TDisjunctSelection::SetRowSelectFlag(int ARow, bool Select)
{
    const bool Changed = Select ? FRows.Select(ARow) : FRows.Deselect(ARow);
    if (Changed)
        FHost.RepaintRow(ARow);
}

bool TDisjunctSelection::GetColSelect(int ACol) const
{
    if (ACol < 0 || ACol >= FHost.ColCount())
        throw ZOdeVuzeViriz("Invalid column accessed");
    return FCols.IsSelected(ACol);
}

void TDisjunctSelection::SetColSelect(int ACol, bool Select)
{
    if (ACol < 0 || ACol >= FHost.ColCount())
        throw ZOdeVuzeViriz("Invalid column accessed");
    const bool Changed = Select ? FCols.Select(ACol) : FCols.Deselect(ACol);
    if (Changed)
        FHost.RepaintCol(ACol);
}

void TDisjunctSelection::SelectRows(int RowIndex, int Count)
{
    Count = std::min(Count, FHost.RowCount() - RowIndex);
    if (FMouseActions.GetDisjunctRowSelect()) {
        for (int R = RowIndex; R < RowIndex + Count; ++R)
            if (R < FHost.RowCount())
                SetRowSelect(R, true);
    } else if (Count > 0 && RowIndex >= 0) {
        FHost.SetSelection({FHost.FixedCols(), RowIndex, FHost.ColCount() - 1, RowIndex + Count - 1});
    }
    if (FHost.HasRowIndicator())
        FHost.RepaintCol(0);
}

void TDisjunctSelection::UnSelectRows(int RowIndex, int Count)
{
    if (!FMouseActions.GetDisjunctRowSelect())
        return;
    Count = std::min(Count, FHost.RowCount() - RowIndex);
    for (int R = RowIndex; R < RowIndex + Count; ++R)
        if (R < FHost.RowCount())
            SetRowSelect(R, false);
}

void TDisjunctSelection::SelectCols(int ColIndex, int Count)
{
    if (!FMouseActions.GetDisjunctColSelect()) {
        if (Count > 0 && ColIndex >= 0)
            FHost.SetSelection({ColIndex, FHost.FixedRows(), ColIndex + Count - 1, FHost.RowCount() - 1});
        return;
    }
    for (int C = ColIndex; C < ColIndex + Count && C < FHost.ColCount(); ++C)
        SetColSelect(C, true);
}

void TDisjunctSelection::UnSelectCols(int ColIndex, int Count)
{
    if (!FMouseActions.GetDisjunctColSelect())
        return;
    for (int C = ColIndex; C < ColIndex + Count && C < FHost.ColCount(); ++C)
        SetColSelect(C, false);
}

void TDisjunctSelection::SelectRange(int FromCol, int ToCol, int FromRow, int ToRow)
{
    FHost.SetCurrentRow(ToRow);
    FHost.SetCurrentCol(ToCol);
    FHost.SetSelection({FromCol, FromRow, ToCol, ToRow});
}

void TDisjunctSelection::ClearRowSelect()
{
    for (const int Row : FRows.Order())
        FHost.RepaintRow(Row);
    FRows.Clear();
}

void TDisjunctSelection::ClearColSelect()
{
    for (const int Col : FCols.Order())
        FHost.RepaintCol(Col);
    FCols.Clear();
}

void TDisjunctSelection::SelectionToRowSelect(bool All)
{
    const plat::TGridRect Selection = FHost.Selection();
    const int First = All ? FHost.FixedRows() : std::max(Selection.Top, FHost.FixedRows());
    const int Last = All ? FHost.RowCount() - FHost.FixedFooters() - 1
                         : std::min(Selection.Bottom, FHost.RowCount() - 1);
    for (int R = First; R <= Last; ++R)
        SetRowSelectFlag(R, R >= Selection.Top && R <= Selection.Bottom);
    if (FHost.NumHiddenRows() > 0)
        FHost.RepaintGrid();
}

void TDisjunctSelection::SelectionToColSelect(bool All)
{
    const plat::TGridRect Selection = FHost.Selection();
    const int First = All ? FHost.FixedCols() : std::max(Selection.Left, FHost.FixedCols());
    const int Last = All ? FHost.ColCount() - FHost.FixedRightCols() - 1
                         : std::min(Selection.Right, FHost.ColCount() - 1);
    for (int C = First; C <= Last; ++C) {
        const bool Select = C >= Selection.Left && C <= Selection.Right;
        if (Select ? FCols.Select(C) : FCols.Deselect(C))
            FHost.RepaintCol(C);
    }
}

int TDisjunctSelection::RowSelectCount() const
{
    if (FMouseActions.GetDisjunctRowSelect())
        return FRows.CountBelow(FHost.RowCount() + FHost.NumHiddenRows());
    const plat::TGridRect Selection = FHost.Selection();
    return Selection.Bottom - Selection.Top + 1;
}

int TDisjunctSelection::ColSelectCount() const
{
    if (FMouseActions.GetDisjunctColSelect())
        return FCols.Count();
    const plat::TGridRect Selection = FHost.Selection();
    return Selection.Right - Selection.Left + 1;
}

int TDisjunctSelection::SelectedRowCount() const
{
    if (FMouseActions.GetDisjunctRowSelect())
        return FRows.Count();
    const plat::TGridRect S = FHost.Selection();
    if (FHost.IsMergedCell(S.Left, S.Top)) {
        const int Span = FHost.CellSpan(S.Left, S.Top).Y;
        return S.Bottom >= S.Top + Span ? std::abs(S.Top - S.Bottom) + 1 : Span + 1;
    }
    if (FHost.IsMergedCell(S.Left, S.Bottom))
        return std::abs(S.Top - S.Bottom) + FHost.CellSpan(S.Left, S.Bottom).Y + 1;
    return std::abs(S.Top - S.Bottom) + 1;
}

int TDisjunctSelection::SelectedColCount() const
{
    if (FMouseActions.GetDisjunctColSelect())
        return FCols.Count();
    const plat::TGridRect S = FHost.Selection();
    if (FHost.IsMergedCell(S.Left, S.Top)) {
        const int Span = FHost.CellSpan(S.Left, S.Top).X;
        return S.Right >= S.Left + Span ? std::abs(S.Left - S.Right) + 1 : Span + 1;
    }
    if (FHost.IsMergedCell(S.Right, S.Top))
        return std::abs(S.Left - S.Right) + FHost.CellSpan(S.Right, S.Top).X + 1;
    return std::abs(S.Left - S.Right) + 1;
}

int TDisjunctSelection::SelectedCellsCount()
{
    if (!FMouseActions.GetDisjunctCellSelect()) {
        const plat::TGridRect Selection = FHost.Selection();
        const bool Single = Selection.Left == Selection.Right && Selection.Top == Selection.Bottom;
        FCells.AssignRect(
            Single ? plat::TGridRect{FHost.CurrentCol(), FHost.CurrentRow(), FHost.CurrentCol(), FHost.CurrentRow()}
                   : Selection);
    }
    return FCells.Count();
}

void TDisjunctSelection::ClearSelectedCells()
{
    FHost.SetSelection({FHost.FixedCols(), FHost.FixedRows(), FHost.FixedCols(), FHost.FixedRows()});
    FCells.Clear();
    FHost.RepaintGrid();
}

namespace {

// The selection with each index taken to Map of it, in the same order; -1 drops it.
template <typename Map>
void Remap(TLineSelection& Lines, Map Where)
{
    TLineSelection Moved;
    for (const int Index : Lines.Order())
        if (const int Now = Where(Index); Now >= 0)
            Moved.Select(Now);
    Lines = std::move(Moved);
}

}  // namespace

void TDisjunctSelection::RowsInserted(int ARow, int ACount)
{
    Remap(FRows, [=](int R) { return IndexAfterInsert(R, ARow, ACount); });
}

void TDisjunctSelection::ColsInserted(int ACol, int ACount)
{
    Remap(FCols, [=](int C) { return IndexAfterInsert(C, ACol, ACount); });
}

void TDisjunctSelection::ColsRemoved(const std::vector<int>& ASortedCols)
{
    Remap(FCols, [&](int C) { return IndexAfterRemoval(C, ASortedCols); });
}

std::vector<int> TDisjunctSelection::TakeRowFlags(std::span<const int> ASortedRows)
{
    std::vector<int> Flags(ASortedRows.size());
    if (FRows.Count() == 0)
        return Flags;
    for (std::size_t I = 0; I < ASortedRows.size(); ++I)
        Flags[I] = FRows.IsSelected(ASortedRows[I]) ? 1 : 0;
    Remap(FRows, [&](int R) { return IndexAfterRemoval(R, ASortedRows); });
    return Flags;
}

void TDisjunctSelection::PutRowFlags(std::span<const int> AFinalRows, const std::vector<int>& AFlags)
{
    if (FRows.Count() == 0 && std::find(AFlags.begin(), AFlags.end(), 1) == AFlags.end())
        return;
    const std::vector<int> Order = FRows.Order();
    FRows.Clear();
    for (int Row : Order) {
        // A row moves down by the rows put at or before its new place.
        FRows.Select(RealIndexOf(AFinalRows, Row));
    }
    for (std::size_t I = 0; I < AFinalRows.size(); ++I)
        if (AFlags[I])
            FRows.Select(AFinalRows[I]);
}

}  // namespace skelda::grid
