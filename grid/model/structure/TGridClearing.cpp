#include "grid/model/structure/TGridClearing.h"

#include "grid/model/structure/TStructureHost.h"
#include "grid/text/TextTrim.h"

namespace skelda::grid {

int TGridClearing::CellColumn(int ACol) const
{
    return FHost.SaveHiddenCells() ? FHost.RealColIndex(ACol) : ACol;
}

int TGridClearing::AllColsLast() const
{
    return FHost.ColCount() + FHost.NumHiddenColumns() - 1;
}

void TGridClearing::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2)
{
    const bool Destroying = FHost.Destroying();
    for (int ACol = ACol1; ACol <= ACol2; ++ACol) {
        const int C = CellColumn(ACol);
        for (int R = ARow1; R <= ARow2; ++R) {
            if (!FHost.ClearTextOnly() && FHost.HasRecord(C, R))
                FHost.FreeRecord(C, R);
            if (Destroying || FHost.CellText(C, R).empty())
                continue;
            FHost.SetCellText(C, R, "");
            if (C != ACol)
                FHost.RepaintCell(ACol, R);
        }
    }
    // The flag lets freeing every record skip the walk, so it may only fall once none is left:
    // records beyond the block, in hidden columns or past the counts would leak.
    const bool WholeGrid = ACol1 <= 0 && ARow1 <= 0 && ACol2 >= FHost.ColCount() - 1 && ARow2 >= FHost.RowCount() - 1;
    if (WholeGrid && !FHost.AnyRecordLeft())
        FHost.MarkRecordless();
    if (!Destroying)
        FHost.CellsChanged({CellColumn(ACol1), ARow1, CellColumn(ACol2), ARow2});
}

void TGridClearing::ClearRows(int RowIndex, int RCount)
{
    if (FHost.RowCount() > 0 && FHost.ColCount() > 0 && RCount > 0)
        ClearRect(0, RowIndex, AllColsLast(), RowIndex + RCount - 1);
}

void TGridClearing::ClearNormalRows(int RowIndex, int RCount)
{
    if (FHost.RowCount() > 0 && FHost.ColCount() > 0 && RCount > 0)
        ClearRect(FHost.FixedCols(), RowIndex, AllColsLast() - FHost.FixedRightCols(), RowIndex + RCount - 1);
}

void TGridClearing::ClearCols(int ColIndex, int CCount)
{
    if (FHost.RowCount() > 0 && FHost.ColCount() > 0 && CCount > 0)
        ClearRect(ColIndex, 0, ColIndex + CCount - 1, FHost.RowCount() - 1);
}

void TGridClearing::ClearNormalCols(int ColIndex, int CCount)
{
    if (FHost.RowCount() > 0 && FHost.ColCount() > 0 && CCount > 0)
        ClearRect(ColIndex, FHost.FixedRows(), ColIndex + CCount - 1, FHost.RowCount() - FHost.FixedFooters() - 1);
}

void TGridClearing::ClearNormalCells()
{
    if (FHost.FixedCols() == 0)
        FHost.RemoveAllNodes();
    if (FHost.RowCount() > 0 && FHost.ColCount() > 0)
        ClearRect(FHost.FixedCols(), FHost.FixedRows(), AllColsLast() - FHost.FixedRightCols(),
                  FHost.RowCount() - FHost.FixedFooters() - 1);
}

void TGridClearing::ClearSelection()
{
    if (FHost.DisjunctRowSelect()) {
        for (int R = FHost.FixedRows(); R < FHost.RowCount(); ++R)
            if (FHost.RowSelected(FHost.RowSelectPersistent() ? FHost.RealRowIndex(R) : R))
                ClearRows(R, 1);
    } else if (!FHost.DisjunctColSelect()) {
        const plat::TGridRect Sel = FHost.Selection();
        ClearRect(Sel.Left, Sel.Top, Sel.Right, Sel.Bottom);
    } else {
        for (int C = FHost.FixedCols(); C < FHost.ColCount(); ++C)
            if (FHost.ColSelected(C))
                ClearCols(C, 1);
    }
}

void TGridClearing::Clear()
{
    if (!FHost.Destroying())
        FHost.RemoveAllNodes();
    if (FHost.RowCount() > 0 && FHost.ColCount() > 0)
        ClearRect(0, 0, AllColsLast(), FHost.RowCount() - 1);
    FHost.ClearSearchText();
    if (FHost.NumHiddenColumns() > 0)
        FHost.RepaintGrid();
}

void TGridClearing::ClearAll()
{
    Clear();
    FHost.ClearHiddenRowCells();
}

void TGridClearing::TrimRect(int ACol1, int ARow1, int ACol2, int ARow2)
{
    for (int ACol = ACol1; ACol <= ACol2; ++ACol) {
        const int C = CellColumn(ACol);
        for (int R = ARow1; R <= ARow2; ++R) {
            const std::string Text = FHost.CellText(C, R);
            const std::string_view Trimmed = TrimText(Text);
            if (Trimmed.size() != Text.size())
                FHost.SetCellText(C, R, std::string(Trimmed));
        }
    }
}

void TGridClearing::TrimColumn(int ACol)
{
    TrimRect(ACol, 0, ACol, FHost.RowCount() - 1);
}

void TGridClearing::TrimRow(int ARow)
{
    TrimRect(0, ARow, FHost.ColCount() - 1, ARow);
}

void TGridClearing::TrimAll()
{
    TrimRect(0, 0, FHost.ColCount() - 1, FHost.RowCount() - 1);
}

void TGridClearing::ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, plat::TColor AColor)
{
    for (int C = ACol1; C <= ACol2; ++C)
        for (int R = ARow1; R <= ARow2; ++R)
            FHost.SetCellColor(C, R, AColor);
}

bool TGridClearing::IsWideCell(int ACol, int ARow)
{
    return FHost.CellText(ACol, ARow).starts_with("|\\");
}

bool TGridClearing::IsCell(const std::string& SubStr, int& ACol, int& ARow) const
{
    for (int R = 0; R < FHost.RowCount(); ++R)
        for (int C = 0; C < FHost.ColCount(); ++C)
            if (FHost.RawText(C, R) == SubStr) {
                ACol = C;
                ARow = R;
                return true;
            }
    return false;
}

}  // namespace skelda::grid
