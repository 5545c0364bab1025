#pragma once

#include "platform/grids/GridTypes.h"

#include <optional>

namespace skelda::grid {

class THiddenLinesHost;

// The selection while the grid has no normal row to hold it: parked on the cell (ColCount,
// RowCount), just outside the grid, and the rectangle it had kept for its return. It comes back
// as it was when that rectangle still starts inside the grid, else on the first normal cell (the
// first cell at all for a grid that has only fixed lines, kept with FixedColAlways and
// FixedRowAlways). Display indexes throughout.
class TParkedSelection {
public:
    explicit TParkedSelection(THiddenLinesHost& AHost) : FHost(AHost) {}

    bool Parked() const { return FParked; }
    void Park();
    void Restore();
    // Parks when rows have left and no normal row is there any more.
    void RowsLeft();
    // Rows coming in would take a parked current cell inside: the selection returns first.
    void RowsComing();

private:
    THiddenLinesHost& FHost;
    bool FParked = false;
    std::optional<plat::TGridRect> FKept;
};

}  // namespace skelda::grid
