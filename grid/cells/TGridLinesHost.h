#pragma once

#include "platform/grids/GridTypes.h"

namespace skelda::grid {

// What the grid's helper classes (the cell painters, the disjunct selection) ask about its lines:
// the counts, the fixed lines at either end, the current cell and the range selection. The
// string grid answers with its own rules (FixedRowAlways and the like).
class TGridLinesHost {
public:
    virtual int FixedCols() const = 0;
    virtual int FixedRows() const = 0;
    virtual int ColCount() const = 0;
    virtual int RowCount() const = 0;
    // The fixed columns at the right and the footer rows at the bottom.
    virtual int FixedRightCols() const = 0;
    virtual int FixedFooters() const = 0;
    virtual int CurrentCol() const = 0;
    virtual int CurrentRow() const = 0;
    virtual plat::TGridRect Selection() const = 0;

protected:
    ~TGridLinesHost() = default;
};

}  // namespace skelda::grid
