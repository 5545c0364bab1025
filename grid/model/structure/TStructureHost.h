#pragma once

#include "grid/cells/TGridLinesHost.h"
#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"
#include "platform/grids/GridTypes.h"

#include <string>
#include <vector>

namespace skelda::grid {

class TControlList;
class TIntList;
class TLineMoves;
class TSortIndexList;

// What the structure operations (insertion, removal, clearing, merging by content, moves and
// the column order) ask of their grid. Rows are display rows and columns real columns unless a
// name says otherwise. The line operations below (InsertRowLines ... ExchangeColLines) keep
// every list the grid holds per row or column in step (records, heights and widths, selection
// flags, row marks, cell controls); the notices tell the hidden lines what moved, so that the
// hidden store can shift its indexes.
class TStructureHost : public TGridLinesHost {
public:
    // ---- Lines and their maps ---------------------------------------------------------------
    virtual int TotalColCount() const = 0;
    virtual int NumHiddenColumns() const = 0;
    virtual int RealRowIndex(int ARow) const = 0;
    virtual int RealColIndex(int ADisplCol) const = 0;
    virtual int DisplColIndex(int ACol) const = 0;
    virtual int ColWidth(int ADisplCol) const = 0;
    virtual void SetColWidth(int ADisplCol, int AWidth) = 0;
    virtual int RowHeight(int ARow) const = 0;
    virtual void SetRowHeight(int ARow, int AHeight) = 0;

    // ---- Cells --------------------------------------------------------------------------------
    // The stored text of exactly that cell, and the text the grid shows (display-text hooks).
    virtual const std::string& RawText(int ACol, int ARow) const = 0;
    virtual std::string CellText(int ACol, int ARow) = 0;
    virtual void SetCellText(int ACol, int ARow, const std::string& Value) = 0;
    virtual bool HasRecord(int ACol, int ARow) const = 0;
    // Frees the cell's record with the cell object it owns.
    virtual void FreeRecord(int ACol, int ARow) = 0;
    // Whether any cell holds a record: beyond the counts and in hidden columns too.
    virtual bool AnyRecordLeft() const = 0;
    // Tells the grid it holds no record, so that freeing them all may skip the walk.
    virtual void MarkRecordless() = 0;
    virtual void SetCellColor(int ACol, int ARow, plat::TColor AColor) = 0;
    virtual void RepaintCell(int ADisplCol, int ARow) = 0;
    virtual void RepaintGrid() = 0;

    // ---- Merged blocks --------------------------------------------------------------------------
    virtual bool MergeCells(int ACol, int ARow, int SpanX, int SpanY) = 0;
    virtual bool SplitCells(int ACol, int ARow) = 0;
    virtual bool IsMergedCell(int ACol, int ARow) const = 0;
    // Block width - 1 and height - 1; (0, 0) for an unmerged cell.
    virtual plat::TPoint CellSpan(int ACol, int ARow) const = 0;
    virtual bool RowSpanIdentical(int ARow1, int ARow2) const = 0;
    virtual bool ColSpanIdentical(int ACol1, int ACol2) const = 0;

    // ---- Line operations --------------------------------------------------------------------------
    // ACount empty rows of default height open at ARow (0 .. RowCount); with AMoveControls the
    // controls in cells at or below them move down too.
    virtual void InsertRowLines(int ARow, int ACount, bool AMoveControls) = 0;
    // The rows (ascending, distinct, inside the grid) go in one pass; with AFreeRecords their
    // records are freed, else they stay with whoever else refers to them.
    virtual void RemoveRowLines(const std::vector<int>& ASortedRows, bool AFreeRecords) = 0;
    // ACount empty columns of default width open at real column ACol.
    virtual void InsertColLines(int ACol, int ACount) = 0;
    // Real columns ACol .. ACol + ACount - 1 go with their records.
    virtual void RemoveColLines(int ACol, int ACount) = 0;
    // The library's move of a display column or row: sizes, current cell and cells move and the
    // moved hook is told.
    virtual void MoveColLine(int AFrom, int ATo) = 0;
    virtual void MoveRowLine(int AFrom, int ATo) = 0;
    // Cells and records of two whole rows (hidden columns included) or two real columns.
    virtual void ExchangeRowLines(int ARow1, int ARow2) = 0;
    virtual void ExchangeColLines(int ACol1, int ACol2) = 0;
    // True while the grid opens or closes lines by moving them: such a move is the store's
    // alone, not a column or row the user moved.
    virtual bool ShiftingLines() const = 0;
    // The class library's part of a column or row move: the cells and records.
    virtual void MoveColCells(int AFrom, int ATo) = 0;
    virtual void MoveRowCells(int AFrom, int ATo) = 0;

    // ---- Notices for the hidden lines ---------------------------------------------------------
    virtual void RowsInserted(int ARealRow, int ACount) = 0;
    virtual void RowsRemoved(const std::vector<int>& ASortedRealRows) = 0;
    virtual void ColsInserted(int ARealCol, int ACount) = 0;
    virtual void ColsRemoved(int ARealCol, int ACount) = 0;
    virtual void ColumnMoved(int ARealFrom, int ARealTo) = 0;
    virtual void UnHideColumnsAll() = 0;
    // The cells parked with hidden rows are emptied.
    virtual void ClearHiddenRowCells() = 0;

    // ---- Settings -------------------------------------------------------------------------------
    virtual bool SaveHiddenCells() const = 0;
    virtual bool ClearTextOnly() const = 0;
    virtual bool EnhRowColMove() const = 0;
    virtual bool Destroying() const = 0;
    virtual bool FloatingFooterVisible() const = 0;
    // The floating footer shows the last row (fsFixedLastRow).
    virtual bool FooterIsLastRow() const = 0;
    virtual bool Grouped() const = 0;
    virtual int GroupColumn() const = 0;

    // ---- Selection, sorting, controls, order ------------------------------------------------------
    virtual bool DisjunctRowSelect() const = 0;
    virtual bool DisjunctColSelect() const = 0;
    virtual bool RowSelectPersistent() const = 0;
    virtual bool RowSelected(int ARow) const = 0;
    virtual bool ColSelected(int ACol) const = 0;
    virtual void SelectRows(int ARow, int ACount) = 0;
    virtual void ClearRowSelect() = 0;
    virtual void ClearColSelect() = 0;
    virtual int SortColumn() const = 0;
    virtual void SetSortColumn(int ACol) = 0;
    virtual bool SortIndexShow() const = 0;
    virtual TSortIndexList& SortIndexes() = 0;
    // The controls placed in cells (column, real row), and their placement after a change.
    virtual TControlList& CellControls() = 0;
    virtual void CellControlsUpdate() = 0;
    // The floating footer's panel paints again (its columns follow a moved column).
    virtual void RepaintFooterPanel() = 0;
    virtual TIntList& ColumnOrder() = 0;

    // ---- Grid-wide --------------------------------------------------------------------------------
    virtual void RemoveAllNodes() = 0;
    virtual void ClearSearchText() = 0;
    virtual void BeginUpdate() = 0;
    virtual void EndUpdate() = 0;
    // The cells-changed notification: OnCellsChanged, the notifiers, the footer.
    virtual void CellsChanged(const plat::TRect& R) = 0;
    // The moves of the grid that follows this one's column (row) moves; nullptr for none.
    virtual TLineMoves* SyncedMoves(bool AColumns) = 0;

protected:
    ~TStructureHost() = default;
};

}  // namespace skelda::grid
