#pragma once

#include <vector>

namespace skelda::grid {

class TLineInsertion;
class TStructureHost;

// Rows and columns removed by what they hold or by the selection. Rows go in one pass over the
// rows and every list kept with them, with one cells-changed notification, however many there
// are; the normal rows are those between the fixed rows and the footers.
class TBulkRemoval {
public:
    TBulkRemoval(TStructureHost& AHost, TLineInsertion& ALines) : FHost(AHost), FLines(ALines) {}

    // Normal rows whose display text in ACol (a display column) was seen in a row above;
    // DoCase compares with case, else without.
    void RemoveDuplicates(int ACol, bool DoCase);
    // The disjunct row selection, or without it the rows of the range selection.
    void RemoveSelectedRows();
    // The normal rows not selected; with RowSelectPersistent the remaining normal rows are
    // selected afterwards, else the row selection is cleared.
    void RemoveUnSelectedRows();
    // The disjunct column selection, or without it the columns of the range selection.
    void RemoveSelectedCols();
    // Columns from FixedCols on that are not selected; the column selection is cleared.
    void RemoveUnSelectedCols();

private:
    bool IsRowSelected(int ARow) const;
    void RemoveRowsAt(const std::vector<int>& ASortedRows);
    // Columns as (first, count) runs, removed from the right so that indexes stay valid.
    void RemoveColumns(const std::vector<int>& ASortedCols);

    TStructureHost& FHost;
    TLineInsertion& FLines;
};

}  // namespace skelda::grid
