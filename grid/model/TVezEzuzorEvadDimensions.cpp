// The string grid's dimensions: counts with their bookkeeping, rows inserted and removed one
// at a time, fixed lines and sizes, hidden rows and the sort cross-reference.

#include "grid/model/TVezEzuzorEvad.h"

#include "grid/model/TVezEzuzorEvadState.h"
#include "grid/settings/TFloatingFooter.h"
#include "grid/settings/TMouseActions.h"
#include "grid/settings/TSearchFooter.h"
#include "grid/settings/TSyncGrid.h"
#include "platform/core/TCollection.h"
#include "grid/support/TIntList.h"
#include "platform/core/ScopedRestore.h"
#include "platform/grids/EInvalidGridOperation.h"
#include "platform/grids/TGridCellStore.h"
#include "platform/system/SystemMetrics.h"

#include <algorithm>
#include <climits>

namespace skelda::grid {

// ---- Counts ---------------------------------------------------------------------------------

void TVezEzuzorEvad::SetRowCount(int Value)
{
    const int OldCount = GetRowCount();
    plat::TStringGrid::SetRowCount(Value);
    // An unchanged count reaches no SizeChanged, yet the setter settles the fixed rows all the same.
    if (GetRowCount() == OldCount)
        RowCountSet(OldCount);
}

void TVezEzuzorEvad::SetColCount(int Value)
{
    const int OldCount = GetColCount();
    plat::TStringGrid::SetColCount(Value);
    if (GetColCount() == OldCount)
        ColCountSet();
}

// The library grid calls these on every change of the counts, also when it is reached as the
// library type, whose count setters are not the string grid's.
void TVezEzuzorEvad::SizeChanging(int NewColCount, int NewRowCount)
{
    TBaseGrid::SizeChanging(NewColCount, NewRowCount);
    // Blocks in the footer row are split while that row still lies inside the grid; rows being
    // inserted or deleted take the footer row along instead.
    if (FState->FloatingFooter->GetVisible() && !FState->RowsShifting && NewRowCount != GetRowCount())
        SplitBlocksInRow(GetRowCount() - 1);
}

void TVezEzuzorEvad::SizeChanged(int OldColCount, int OldRowCount)
{
    TBaseGrid::SizeChanged(OldColCount, OldRowCount);
    if (GetColCount() != OldColCount)
        ColCountSet();
    if (GetRowCount() == OldRowCount)
        return;
    // Rows inserted or deleted take the footer row along with the others.
    if (FState->RowsShifting)
        RowCountChanged();
    else
        RowCountSet(OldRowCount);
}

void TVezEzuzorEvad::RowCountSet(int OldCount)
{
    if (FState->FixedRowAlways && FState->MinFixedRows < GetRowCount())
        SetFixedRows(FState->MinFixedRows);
    RowCountChanged();
    if (!FState->FloatingFooter->GetVisible() || GetRowCount() == OldCount)
        return;
    MoveFooterRow(OldCount - 1, GetRowCount() - 1);
    CalcFooter(-1);
}

void TVezEzuzorEvad::RowCountChanged()
{
    FState->MaxRowCount = std::max(FState->MaxRowCount, GetRowCount());
    SetNormalRowCount(GetRowCount());
    RepaintFooter();
    UpdateScrollBarsAlways(false);
}

void TVezEzuzorEvad::ColCountSet()
{
    if (FState->FixedColAlways && FState->MinFixedCols < GetColCount())
        SetFixedCols(FState->MinFixedCols);
    FState->MaxColCount = std::max(FState->MaxColCount, GetColCount());
    RepaintFooter();
    SetBounds(GetLeft(), GetTop(), GetWidth(), GetHeight());
    UpdateScrollBarsAlways(false);
}

void TVezEzuzorEvad::SplitBlocksInRow(int ARow)
{
    if (ARow < 0 || ARow >= GetRowCount())
        return;
    for (int C = 0; C < TotalColCount(); ++C)
        if (IsMergedCell(C, ARow))
            SplitCells(C, ARow);
}

int TVezEzuzorEvad::GetMaxRowCount() const
{
    return FState->MaxRowCount;
}

int TVezEzuzorEvad::GetMaxColCount() const
{
    return FState->MaxColCount;
}

// ---- Rows of the editors and the keyboard ---------------------------------------------------

void TVezEzuzorEvad::InsertRowAt(int ARow)
{
    const int OldCount = GetRowCount();
    if (ARow < 0 || ARow > OldCount)
        plat::GridIndexError();
    const plat::TScopedRestore Shifting(FState->RowsShifting, true);
    plat::TStringGrid::SetRowCount(OldCount + 1);
    // The row past the old count may still hold cells of an earlier, larger grid.
    const int Cols = std::max(TotalColCount(), CellStore().ColExtent());
    FreeCellProperties(0, OldCount, INT_MAX, OldCount);
    for (int C = 0; C < Cols; ++C)
        SetRawCell(C, OldCount, "");
    if (ARow < OldCount)
        plat::TCustomGrid::MoveRow(OldCount, ARow);
}

void TVezEzuzorEvad::RemoveRowAt(int ARow)
{
    plat::CheckGridIndex(ARow, GetRowCount());
    if (GetRowCount() - GetFixedRows() - FState->FixedFooters == 1 && !FState->FixedRowAlways) {
        FreeCellProperties(0, ARow, INT_MAX, ARow);
        for (int C = 0; C < TotalColCount(); ++C)
            SetCellText(C, ARow, "");
    } else {
        DeleteRow(ARow);
    }
    if (OnAutoDeleteRow)
        OnAutoDeleteRow(this, ARow);
}

void TVezEzuzorEvad::DeleteRow(int ARow)
{
    const plat::TScopedRestore Shifting(FState->RowsShifting, true);
    TBaseGrid::DeleteRow(ARow);
}

void TVezEzuzorEvad::IncRowCount()
{
    SetRowCount(GetRowCount() + 1);
}

// ---- Fixed lines and sizes ------------------------------------------------------------------

int TVezEzuzorEvad::GetFixedRows() const
{
    const int Count = plat::TStringGrid::GetFixedRows();
    return Count == 0 && FState->FixedRowAlways ? 1 : Count;
}

void TVezEzuzorEvad::SetFixedRows(int Value)
{
    plat::TStringGrid::SetFixedRows(FState->FixedRowAlways && Value >= GetRowCount() ? GetRowCount() - 1 : Value);
    if (!IsLoading())
        FState->MinFixedRows = Value;
}

int TVezEzuzorEvad::GetFixedCols() const
{
    const int Count = plat::TStringGrid::GetFixedCols();
    return Count == 0 && FState->FixedColAlways ? 1 : Count;
}

void TVezEzuzorEvad::SetFixedCols(int Value)
{
    plat::TStringGrid::SetFixedCols(FState->FixedColAlways && Value >= GetColCount() ? GetColCount() - 1 : Value);
    if (!IsLoading())
        FState->MinFixedCols = Value;
}

bool TVezEzuzorEvad::GetFixedRowAlways() const
{
    return FState->FixedRowAlways;
}

void TVezEzuzorEvad::SetFixedRowAlways(bool Value)
{
    FState->FixedRowAlways = Value;
}

bool TVezEzuzorEvad::GetFixedColAlways() const
{
    return FState->FixedColAlways;
}

void TVezEzuzorEvad::SetFixedColAlways(bool Value)
{
    FState->FixedColAlways = Value;
}

int TVezEzuzorEvad::GetMinFixedRows() const
{
    return FState->MinFixedRows;
}

int TVezEzuzorEvad::GetMinFixedCols() const
{
    return FState->MinFixedCols;
}

int TVezEzuzorEvad::GetFixedFooters() const
{
    return FState->FixedFooters;
}

void TVezEzuzorEvad::SetFixedFooters(int Value)
{
    FState->FixedFooters = Value;
    Invalidate();
}

int TVezEzuzorEvad::GetFixedRightCols() const
{
    return FState->FixedRightCols;
}

void TVezEzuzorEvad::SetFixedRightCols(int Value)
{
    FState->FixedRightCols = Value;
    Invalidate();
}

void TVezEzuzorEvad::SetDefaultRowHeight(int Value)
{
    plat::TStringGrid::SetDefaultRowHeight(Value);
    if (ComponentState().Contains(plat::csDesigning))
        FState->FixedRowHeight = Value;
    FState->FloatingFooter->SetHeight(Value);
    FooterHeightChanged(Value);
}

int TVezEzuzorEvad::GetFixedRowHeight() const
{
    return FState->FixedRowHeight;
}

void TVezEzuzorEvad::SetFixedRowHeight(int Value)
{
    FState->FixedRowHeight = Value;
    if (IsLoading())
        return;
    if (Value == GetDefaultRowHeight()) {
        SetDefaultRowHeight(Value);
        return;
    }
    for (int R = 0; R < GetFixedRows() && R < GetRowCount(); ++R)
        SetRowHeights(R, Value);
}

void TVezEzuzorEvad::SetFixedColWidth(int Value)
{
    if (IsLoading() || Value == GetDefaultColWidth())
        return;
    for (int C = 0; C < GetFixedCols() && C < GetColCount(); ++C)
        SetColWidths(C, Value);
}

void TVezEzuzorEvad::SetCol(int Value)
{
    plat::TStringGrid::SetCol(Value);
    if (!FState->SyncGrid->GetSelectionColumn())
        return;
    auto* Other = dynamic_cast<TVezEzuzorEvad*>(FState->SyncGrid->GetGrid());
    // Two grids that follow each other stop once both stand on the column.
    if (Other && Other != this && Value < Other->GetColCount() && Other->GetCol() != Value)
        Other->SetCol(Value);
}

void TVezEzuzorEvad::SetRow(int Value)
{
    if (GetCol() < 0 || GetCol() >= GetColCount())
        plat::TCustomGrid::FocusCell(GetFixedCols(), Value, true);
    const int OldRow = GetRow();
    plat::TStringGrid::SetRow(Value);
    const int NewRow = GetRow();
    if (NewRow != FState->ReportedRow && OnRowChanged) {
        FState->ReportedRow = NewRow;
        OnRowChanged(this, OldRow, NewRow);
    }
    // As a committed row move from the keyboard: the new row is the one selected row.
    if (FState->MouseActions->GetDisjunctRowSelect() && NewRow != OldRow) {
        FSelection->ClearRowSelect();
        FSelection->SetRowSelect(NewRow, true);
    }
    if (FState->SyncGrid->GetSelectionRow()) {
        auto* Other = dynamic_cast<TVezEzuzorEvad*>(FState->SyncGrid->GetGrid());
        // Two grids that follow each other stop once both stand on the row.
        if (Other && Other != this && Value < Other->GetRowCount() && Other->GetRow() != Value)
            Other->SetRow(Value);
    }
    if (Value == GetRowCount() - 1)
        ScrollAboveSearchFooter();
}

void TVezEzuzorEvad::SetTopRow(int Value)
{
    if (Value >= GetFixedRows() && Value <= GetRowCount() - 1)
        plat::TStringGrid::SetTopRow(Value);
}

void TVezEzuzorEvad::ScrollInView(int ColIndex, int RowIndex)
{
    if (ColIndex >= GetColCount() || RowIndex >= GetRowCount())
        return;
    const int VisibleCols = GetVisibleColCount();
    const int VisibleRows = GetVisibleRowCount();
    int LeftCol = GetLeftCol();
    if (ColIndex < LeftCol || ColIndex >= LeftCol + VisibleCols) {
        SetCol(ColIndex);
        LeftCol = std::max(ColIndex - VisibleCols / 2, GetFixedCols());
    }
    int TopRow = GetTopRow();
    if (RowIndex < TopRow || RowIndex >= TopRow + VisibleRows) {
        SetRow(RowIndex);
        TopRow = std::max(RowIndex - VisibleRows / 2, GetFixedRows());
    }
    if (GetFixedCols() + VisibleCols < GetColCount())
        SetLeftCol(std::min(LeftCol, GetColCount() - VisibleCols + 1));
    if (GetFixedRows() + VisibleRows >= GetRowCount())
        return;
    SetTopRow(std::min(TopRow, GetRowCount() - VisibleRows + 1));
    if (!FState->SearchFooter->GetVisible())
        return;
    const int ScrollBarPx = VisibleCols < GetColCount() ? plat::GetSystemMetrics(plat::SM_CYHSCROLL) : 0;
    const int BottomPx = GetHeight() - SearchPanelHeight() - ScrollBarPx;
    while (CalcCellRect(0, RowIndex).Bottom > BottomPx) {
        const int Before = GetTopRow();
        SetTopRow(Before + 1);
        if (GetTopRow() == Before)
            return;
    }
}

void TVezEzuzorEvad::SetWordWrap(bool Value)
{
    TBaseGrid::SetWordWrap(Value);
    FLook->SetWordWrap(Value);
}

// ---- Hidden rows and the sort cross-reference -----------------------------------------------


int TVezEzuzorEvad::SortedRowIndex(int ARow) const
{
    return ARow >= 0 && ARow < FState->SortXRef->Count() ? FState->SortXRef->GetValue(ARow) : ARow;
}

int TVezEzuzorEvad::UnSortedRowIndex(int ARow) const
{
    const int Count = FState->SortXRef->Count();
    if (Count == 0)
        return ARow;
    for (int I = 0; I < Count; ++I)
        if (FState->SortXRef->GetValue(I) == ARow)
            return I;
    return Count;
}

TIntList& TVezEzuzorEvad::SortXRef()
{
    return *FState->SortXRef;
}

}  // namespace skelda::grid
