#pragma once

#include <span>
#include <vector>

namespace skelda::grid {

class TCellGridHost;

// The marks a row carries besides its cells: modified (shown by the fixed column's marker) and
// disabled. The lists grow as rows are written, up to the library's row limit; rows never
// written read as unmodified and enabled.
class TRowMarks {
public:
    explicit TRowMarks(TCellGridHost& AGrid)
        : FGrid(AGrid)
    {
    }

    bool GetRowModified(int ARow) const;
    // Repaints the row's fixed cell, where the marker shows; a row beyond any grid is ignored.
    void SetRowModified(int ARow, bool State);
    int ModifiedRowCount() const;
    void ClearModifiedRows();
    bool GetRowEnabled(int ARow) const;
    // Rows opened: the marks stay with their rows (closed rows: TakeRows).
    void RowsInserted(int ARow, int ACount);
    void SetRowEnabled(int ARow, bool State);

    // The marks of many rows out (ascending rows) and back in (at ascending final rows), each in
    // one pass, with the rows they belong to.
    struct TMarks {
        std::vector<int> Modified;
        std::vector<int> Disabled;
    };
    TMarks TakeRows(std::span<const int> ASortedRows);
    void PutRows(std::span<const int> AFinalRows, TMarks AMarks);

private:
    TCellGridHost& FGrid;
    std::vector<int> FModifiedRows;
    std::vector<int> FDisabledRows;
};

}  // namespace skelda::grid
