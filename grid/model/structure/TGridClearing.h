#pragma once

#include "platform/graphics/Colors.h"

#include <string>

namespace skelda::grid {

class TStructureHost;

// Emptying blocks of cells, trimming and colouring them, and two cell queries. Columns are real
// columns, or display columns mapped to real ones while SaveHiddenCells is set. A clearer frees
// the records of the cells it empties unless ClearTextOnly is set; each block clear ends with
// one cells-changed notification.
class TGridClearing {
public:
    explicit TGridClearing(TStructureHost& AHost) : FHost(AHost) {}

    void ClearRect(int ACol1, int ARow1, int ACol2, int ARow2);
    // Whole rows over every column, hidden ones included.
    void ClearRows(int RowIndex, int RCount);
    // Whole columns over every row.
    void ClearCols(int ColIndex, int CCount);
    // Rows without the fixed and right fixed columns.
    void ClearNormalRows(int RowIndex, int RCount);
    // Columns without the fixed rows and the footers.
    void ClearNormalCols(int ColIndex, int CCount);
    // Every normal cell; the nodes go first when there is no fixed column to hold them.
    void ClearNormalCells();
    // The selected rows, else the range selection, else the selected columns.
    void ClearSelection();
    // Every cell, after the nodes; the incremental search text goes too.
    void Clear();
    // Clear, and the cells parked with hidden rows.
    void ClearAll();

    // Leading and trailing blanks and control characters go.
    void TrimRect(int ACol1, int ARow1, int ACol2, int ARow2);
    void TrimColumn(int ACol);
    void TrimRow(int ARow);
    void TrimAll();
    void ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, plat::TColor AColor);
    // The display text is packed wide text.
    bool IsWideCell(int ACol, int ARow);
    // The first cell, row by row, whose stored text is SubStr exactly.
    bool IsCell(const std::string& SubStr, int& ACol, int& ARow) const;

private:
    int CellColumn(int ACol) const;
    int AllColsLast() const;

    TStructureHost& FHost;
};

}  // namespace skelda::grid
