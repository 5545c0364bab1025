#pragma once

#include <string>

namespace skelda::grid {

class TLineMoves;
class TStructureHost;

// The initial column order: empty until recorded; once recorded, entry p holds the initial
// index of the column now at real position p, and column moves permute it in step. While the
// grid is grouped the group column counts as taken out.
class TColumnOrder {
public:
    TColumnOrder(TStructureHost& AHost, TLineMoves& AMoves) : FHost(AHost), FMoves(AMoves) {}

    // Records 0 .. ColCount - 1.
    void SetColumnOrder();
    // Shows every column and moves them back into the recorded order (records it when none is).
    void ResetColumnOrder();
    // Current position of initial column ACol.
    int ColumnPosition(int ACol) const;
    // Initial column at position ACol.
    int ColumnAtPosition(int ACol);
    // The first real column whose row-0 text is AValue; -1 when none.
    int ColumnByHeader(const std::string& AValue) const;

    bool Recorded() const;
    // A column moved from real RF to real RT.
    void ColumnMoved(int RF, int RT);

private:
    TStructureHost& FHost;
    TLineMoves& FMoves;
};

}  // namespace skelda::grid
