#pragma once

#include "platform/grids/TGridCell.h"

#include <vector>

namespace plat {

// The cells of one row of the store, columns 0 .. Count() - 1; a column at or beyond Count()
// holds nothing. The store moves rows as whole objects, so column operations are the only ones
// that touch cells.
class TGridRow {
public:
    int Count() const { return static_cast<int>(FCells.size()); }
    // The cell of ACol (>= 0), nullptr when the row does not reach that far.
    const TGridCell* Find(int ACol) const;
    // The cell of ACol (>= 0), the row grown to reach it. AWidthHint is the width the store's
    // rows usually have: a row below it grows to it at once, so rows filled left to right
    // allocate once.
    TGridCell& Reach(int ACol, int AWidthHint);

    // Column operations; a column beyond the row's reach changes nothing that is stored.
    void InsertCell(int ACol);
    void DeleteCell(int ACol);
    void MoveCell(int AFrom, int ATo);

private:
    std::vector<TGridCell> FCells;
};

}  // namespace plat
