#pragma once

#include "grid/cells/TGridLinesHost.h"
#include "platform/core/Types.h"
#include "platform/grids/GridTypes.h"

namespace skelda::grid {

// What the disjunct selection asks of its grid besides its lines: the hidden rows, the range
// selection and the current cell to set, the merged blocks at the selection's edges, repaints,
// and the owner's say on a row.
class TDisjunctSelectionHost : public TGridLinesHost {
public:
    virtual int NumHiddenRows() const = 0;
    virtual void SetCurrentCol(int ACol) = 0;
    virtual void SetCurrentRow(int ARow) = 0;
    virtual void SetSelection(const plat::TGridRect& Value) = 0;
    virtual bool IsMergedCell(int ACol, int ARow) const = 0;
    // Block width - 1 and height - 1 of the block holding the cell.
    virtual plat::TPoint CellSpan(int ACol, int ARow) const = 0;
    // The fixed column shows a row indicator, which marks the selected rows too.
    virtual bool HasRowIndicator() const = 0;
    virtual void RepaintRow(int ARow) = 0;
    virtual void RepaintCol(int ACol) = 0;
    virtual void RepaintGrid() = 0;
    // The owner may refuse a row's change of state (Allow arrives true), and hears of a change.
    virtual void RowDisjunctSelect(int ARow, bool Select, bool& Allow) = 0;
    virtual void RowDisjunctSelected(int ARow) = 0;

protected:
    ~TDisjunctSelectionHost() = default;
};

}  // namespace skelda::grid
