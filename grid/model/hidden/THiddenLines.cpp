#include "grid/model/hidden/THiddenLines.h"

#include "grid/model/hidden/THiddenLinesHost.h"
#include "grid/support/TGridItem.h"
#include "grid/support/TIntList.h"

#include <algorithm>
#include <cstddef>

namespace skelda::grid {

// ---- Columns ----------------------------------------------------------------------------------

std::vector<int> THiddenLines::ColWidths() const
{
    std::vector<int> WidthsPx;
    for (int D = 0; D < FHost.ColCount(); ++D)
        WidthsPx.push_back(FHost.ColWidth(D));
    return WidthsPx;
}

void THiddenLines::SetColWidths(const std::vector<int>& AWidthsPx)
{
    FHost.SetColCount(static_cast<int>(AWidthsPx.size()));
    for (std::size_t D = 0; D < AWidthsPx.size(); ++D)
        FHost.SetColWidth(static_cast<int>(D), AWidthsPx[D]);
    FHost.RepaintGrid();
}

void THiddenLines::HideColumns(int AFromCol, int AToCol)
{
    FHost.HideEditor();
    std::vector<int> WidthsPx = ColWidths();
    const int Last = std::min(AToCol, FHost.ColCount() + NumHiddenColumns() - 1);
    bool Changed = false;
    for (int K = std::max(AFromCol, 0); K <= Last && WidthsPx.size() > 1; ++K) {
        if (FColumns.Contains(K))
            continue;
        const auto D = static_cast<std::size_t>(FColumns.DisplColIndex(K));
        FColumns.Hide(K, WidthsPx[D]);
        WidthsPx.erase(WidthsPx.begin() + static_cast<std::ptrdiff_t>(D));
        Changed = true;
    }
    if (Changed)
        SetColWidths(WidthsPx);
}

void THiddenLines::UnHideColumns(int AFromCol, int AToCol)
{
    FHost.HideEditor();
    std::vector<int> WidthsPx = ColWidths();
    bool Changed = false;
    for (int K = std::max(AFromCol, 0); K <= AToCol && NumHiddenColumns() > 0; ++K) {
        if (!FColumns.Contains(K))
            continue;
        FColumns.Show(K);
        WidthsPx.insert(WidthsPx.begin() + FColumns.DisplColIndex(K), FColumns.Width(K));
        Changed = true;
    }
    if (Changed)
        SetColWidths(WidthsPx);
}

void THiddenLines::UnHideColumnsAll()
{
    UnHideColumns(0, FHost.ColCount() + NumHiddenColumns());
}

void THiddenLines::ColumnsInserted(int ARealCol, int ACount)
{
    FColumns.ColumnsInserted(ARealCol, ACount);
    FRows.ColumnsInserted(ARealCol, ACount);
}

void THiddenLines::ColumnsRemoved(int ARealCol, int ACount)
{
    FColumns.ColumnsRemoved(ARealCol, ACount);
    FRows.ColumnsRemoved(ARealCol, ACount);
}

void THiddenLines::ColumnMoved(int AFrom, int ATo)
{
    FColumns.ColumnMoved(AFrom, ATo);
    FRows.ColumnMoved(AFrom, ATo);
}

// ---- Rows -------------------------------------------------------------------------------------

std::vector<int> THiddenLines::ShownRealRows(int AFromRow, int AToRow) const
{
    std::vector<int> Rows;
    const int Last = std::min(AToRow, FHost.RowCount() + NumHiddenRows() - 1);
    for (int R = std::max(AFromRow, 0); R <= Last; ++R)
        if (!FRows.Contains(R))
            Rows.push_back(R);
    return Rows;
}

void THiddenLines::HideRealRows(const std::vector<int>& ARealRows, int ALevel, bool AKeepHeight)
{
    if (ARealRows.empty() || static_cast<int>(ARealRows.size()) >= FHost.RowCount())
        return;
    std::vector<int> DisplRows;
    DisplRows.reserve(ARealRows.size());
    for (int R : ARealRows)
        DisplRows.push_back(FRows.DisplRowIndex(R));
    std::vector<std::unique_ptr<TGridItem>> Items = FHost.TakeRowsOut(DisplRows);
    for (const std::unique_ptr<TGridItem>& Item : Items) {
        Item->SetLevel(ALevel);
        if (!AKeepHeight)
            Item->SetHeight(-1);
    }
    FRows.Add(ARealRows, std::move(Items));
    FHost.CellControlsUpdate();
}

void THiddenLines::HideDisplRows(std::vector<int> ADisplRows, int ALevel)
{
    std::sort(ADisplRows.begin(), ADisplRows.end());
    ADisplRows.erase(std::unique(ADisplRows.begin(), ADisplRows.end()), ADisplRows.end());
    std::erase_if(ADisplRows, [&](int D) { return D < 0 || D >= FHost.RowCount(); });
    // Display rows rise with their real rows, so the map keeps the order.
    for (int& D : ADisplRows)
        D = FRows.RealRowIndex(D);
    HideRealRows(ADisplRows, ALevel, true);
}

void THiddenLines::HideRows(int AFromRow, int AToRow)
{
    HideRealRows(ShownRealRows(AFromRow, AToRow), 0, true);
}

void THiddenLines::HideRowsEx(int AFromRow, int AToRow)
{
    HideRealRows(ShownRealRows(AFromRow, AToRow), 0, false);
}

void THiddenLines::HideRowList(const TIntList& ADisplRows)
{
    std::vector<int> Rows;
    for (int I = 0; I < ADisplRows.Count(); ++I)
        Rows.push_back(ADisplRows.GetValue(I));
    HideDisplRows(std::move(Rows), ++FFilterLevel);
}

void THiddenLines::HideSelectedRows()
{
    std::vector<int> Rows;
    for (int D = FHost.FixedRows(); D < FHost.RowCount(); ++D)
        if (FHost.RowSelected(D))
            Rows.push_back(D);
    HideDisplRows(std::move(Rows), 0);
}

void THiddenLines::HideUnSelectedRows()
{
    std::vector<int> Rows;
    for (int D = FHost.FixedRows(); D < FHost.RowCount(); ++D)
        if (!FHost.RowSelected(D))
            Rows.push_back(D);
    HideDisplRows(std::move(Rows), 0);
}

void THiddenLines::ShowWhere(const std::function<bool(const TGridItem&)>& AShouldReturn)
{
    THiddenRows::TReturning Returning = FRows.TakeWhere(AShouldReturn);
    if (Returning.Items.empty())
        return;
    FHost.PutRowsBack(Returning.DisplRows, std::move(Returning.Items));
    FHost.CellControlsUpdate();
}

void THiddenLines::UnHideRows(int AFromRow, int AToRow)
{
    if (!FRows.Contains(AFromRow))
        return;
    ShowWhere([&](const TGridItem& Item) { return Item.GetIdx() >= AFromRow && Item.GetIdx() <= AToRow; });
}

void THiddenLines::UnHideRowsAll()
{
    ShowWhere([](const TGridItem&) { return true; });
}

void THiddenLines::UnHideRowList()
{
    if (FFilterLevel == 0)
        return;
    const int Level = FFilterLevel--;
    ShowWhere([&](const TGridItem& Item) { return Item.GetLevel() == Level; });
}

plat::TStrings* THiddenLines::GetHiddenRowStrings(int ARealRow) const
{
    TGridItem* Item = FRows.Find(ARealRow);
    return Item ? &Item->Items() : nullptr;
}

void THiddenLines::ClearHiddenRows()
{
    FRows.Clear();
    FFilterLevel = 0;
}

}  // namespace skelda::grid
