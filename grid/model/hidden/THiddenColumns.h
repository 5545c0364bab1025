#pragma once

#include <vector>

namespace skelda::grid {

// The hidden columns: their real indexes, ascending, and the width each real column had when
// it was hidden. Any column can be hidden; widths are whole ints. Maps cost O(log n); hiding or
// showing one column O(n) in the hidden columns.
class THiddenColumns {
public:
    int Count() const { return static_cast<int>(FHidden.size()); }
    bool Contains(int ARealCol) const;
    int RealColIndex(int ADisplCol) const;
    int DisplColIndex(int ARealCol) const;
    // The width kept for the column; negative when none was.
    int Width(int ARealCol) const;
    void Hide(int ARealCol, int AWidthPx);
    void Show(int ARealCol);

    // Structure changes of real columns: flags and widths shift with their columns; a removed
    // hidden column is hidden no more.
    void ColumnsInserted(int ARealCol, int ACount);
    void ColumnsRemoved(int ARealCol, int ACount);
    void ColumnMoved(int AFrom, int ATo);

private:
    std::vector<int> FHidden;
    std::vector<int> FWidthsPx;
};

}  // namespace skelda::grid
