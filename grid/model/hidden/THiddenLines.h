#pragma once

#include "grid/model/hidden/THiddenColumns.h"
#include "grid/model/hidden/THiddenRows.h"
#include "grid/model/hidden/TParkedSelection.h"

#include <functional>
#include <span>
#include <vector>

namespace plat {
class TStrings;
}  // namespace plat

namespace skelda::grid {

class THiddenLinesHost;
class TIntList;

// Hidden rows and columns of the string grid, with the real and display indexes they make.
//
// Hidden columns stay in the cell store and leave only the display: ColCount falls, and the
// width of the display column is kept per real column. Hidden rows leave the grid: the host
// takes them out into parked items (cells, records, height, marks) kept by real index, and puts
// them back at the display row their real index takes. Hiding changes no stored index.
//
// Filter passes: HideRowList hides display rows as pass 1, 2, ...; UnHideRowList takes back
// exactly the last pass's rows and leaves rows hidden otherwise. Ranges are cut to what exists;
// a hide that would leave the grid without a row does nothing. Maps cost O(log n); hiding or
// showing k rows costs one pass over the grid's rows and O(k + hidden rows) here.
class THiddenLines {
public:
    explicit THiddenLines(THiddenLinesHost& AHost) : FHost(AHost), FSelection(AHost) {}

    // ---- Columns ----
    int RealColIndex(int ADisplCol) const { return FColumns.RealColIndex(ADisplCol); }
    int DisplColIndex(int ARealCol) const { return FColumns.DisplColIndex(ARealCol); }
    bool IsHiddenColumn(int ARealCol) const { return FColumns.Contains(ARealCol); }
    int NumHiddenColumns() const { return FColumns.Count(); }
    // Real columns; the last shown column stays.
    void HideColumns(int AFromCol, int AToCol);
    void UnHideColumns(int AFromCol, int AToCol);
    void UnHideColumnsAll();

    // ---- Rows ----
    int RealRowIndex(int ADisplRow) const { return FRows.RealRowIndex(ADisplRow); }
    int DisplRowIndex(int ARealRow) const { return FRows.DisplRowIndex(ARealRow); }
    bool IsHiddenRow(int ARealRow) const { return FRows.Contains(ARealRow); }
    int NumHiddenRows() const { return FRows.Count(); }
    int FilterLevel() const { return FFilterLevel; }
    // Real rows; rows hidden already are skipped. HideRowsEx keeps no height: the rows come back
    // with the default height.
    void HideRows(int AFromRow, int AToRow);
    void HideRowsEx(int AFromRow, int AToRow);
    // Display rows, in any order, as the next filter pass.
    void HideRowList(const TIntList& ADisplRows);
    // Display rows FixedRows .. RowCount - 1 that are (not) selected.
    void HideSelectedRows();
    void HideUnSelectedRows();
    // Real rows; nothing happens unless AFromRow is hidden.
    void UnHideRows(int AFromRow, int AToRow);
    void UnHideRowsAll();
    void UnHideRowList();
    // The cells of a hidden real row; nullptr for a shown one.
    plat::TStrings* GetHiddenRowStrings(int ARealRow) const;
    const THiddenRows& Rows() const { return FRows; }
    // Drops every hidden row without showing it (its records are freed) and every pass.
    void ClearHiddenRows();

    // ---- Structure changes of real lines ----
    void RowsInserted(int ARealRow, int ACount) { FRows.RowsInserted(ARealRow, ACount); }
    void RowsRemoved(std::span<const int> ARealRows) { FRows.RowsRemoved(ARealRows); }
    void ColumnsInserted(int ARealCol, int ACount);
    void ColumnsRemoved(int ARealCol, int ACount);
    void ColumnMoved(int AFrom, int ATo);
    void ClearHiddenRowCells() { FRows.ClearCells(); }

    // ---- The selection while no normal row is left ----
    void HideSelection() { FSelection.Park(); }
    void UnHideSelection() { FSelection.Restore(); }
    bool SelectionParked() const { return FSelection.Parked(); }
    // Around the grid's row primitives: after rows left, before rows come in.
    void RowsLeft() { FSelection.RowsLeft(); }
    void RowsComing() { FSelection.RowsComing(); }

private:
    void HideRealRows(const std::vector<int>& ARealRows, int ALevel, bool AKeepHeight);
    void HideDisplRows(std::vector<int> ADisplRows, int ALevel);
    void ShowWhere(const std::function<bool(const TGridItem&)>& AShouldReturn);
    std::vector<int> ColWidths() const;
    void SetColWidths(const std::vector<int>& AWidthsPx);
    std::vector<int> ShownRealRows(int AFromRow, int AToRow) const;

    THiddenLinesHost& FHost;
    THiddenColumns FColumns;
    THiddenRows FRows;
    TParkedSelection FSelection;
    int FFilterLevel = 0;
};

}  // namespace skelda::grid
