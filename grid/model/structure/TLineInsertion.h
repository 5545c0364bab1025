#pragma once

namespace skelda::grid {

class TStructureHost;

// Rows and columns opened and closed one block at a time, with the notices the hidden lines
// shift their indexes by. Ranges are cut to what exists: a row block starting outside the rows
// is ignored and its count cut at the last row; a column block is cut at the last real column.
// Each removal ends with one cells-changed notification; insertions send none.
class TLineInsertion {
public:
    explicit TLineInsertion(TStructureHost& AHost) : FHost(AHost) {}

    // Ignored for a negative count or a RowIndex outside 0 .. RowCount. Rows for the end open
    // above the floating footer's last row.
    // Controls in cells at or below the opened rows move down with them while UpdateCellControls.
    void InsertRows(int RowIndex, int RCount, bool UpdateCellControls);
    // Display rows with their records.
    void RemoveRows(int RowIndex, int RCount);
    // The records of the removed rows stay with whoever else refers to them.
    void RemoveRowsEx(int RowIndex, int RCount);
    // The node-aware removal: the block's records are freed, then the rows go.
    void DeleteRows(int RowIndex, int RCount) { RemoveRows(RowIndex, RCount); }
    void InsertCols(int ColIndex, int CCount);
    // Real columns, hidden ones included: the hidden count falls by those among them.
    void RemoveCols(int ColIndex, int CCount);
    // With the floating footer showing the last row the new row opens above it.
    void AddRow();
    void AddColumn();

private:
    void Remove(int RowIndex, int RCount, bool FreeRecords);

    TStructureHost& FHost;
};

}  // namespace skelda::grid
