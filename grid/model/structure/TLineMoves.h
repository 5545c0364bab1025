#pragma once

#include "grid/model/structure/LineIndexes.h"

namespace skelda::grid {

class TColumnOrder;
class TStructureHost;

// Columns and rows moved and swapped, from code or by the user. A move carries the records,
// the hidden lines, the recorded column order, the sort columns and the cell controls along;
// with EnhRowColMove the widths (heights) go with their lines, else they stay in place. A grid
// that follows this one's moves (SyncGrid) does each move once: the move it is handed is not
// handed back.
//
// Indexes between the two ends shift by one towards the place the line left: moving right
// (From < To), From < i <= To becomes i - 1; moving left, To <= i < From becomes i + 1.
class TLineMoves {
public:
    TLineMoves(TStructureHost& AHost, TColumnOrder& AOrder) : FHost(AHost), FOrder(AOrder) {}

    // Display columns (rows). Records the column order first when none is recorded.
    void MoveColumn(int FromIndex, int ToIndex);
    void MoveRow(int FromIndex, int ToIndex);
    // The hooks the library calls once it moved the line, for a move from code or a drag.
    void ColumnMoved(int FromIndex, int ToIndex);
    void RowMoved(int FromIndex, int ToIndex);
    // Real columns, with their records and widths; display rows over every column.
    void SwapColumns(int ACol1, int ACol2);
    void SwapRows(int ARow1, int ARow2);

private:
    // The sizes of the lines between the ends go back where they were before the library moved them.
    template <typename Get, typename Set>
    static void PutSizesBack(int FromIndex, int ToIndex, Get Size, Set SetSize);
    void MoveControls(int FromIndex, int ToIndex, bool Columns);
    void ExchangeControls(int A, int B, bool Columns);
    void FollowOnSyncedGrid(int FromIndex, int ToIndex, bool Columns);

    TStructureHost& FHost;
    TColumnOrder& FOrder;
    // Set on a grid while it does the move its synchronised grid handed it.
    bool FSyncedMove = false;
};

}  // namespace skelda::grid
