#pragma once

#include "platform/grids/GridTypes.h"

#include <cstdint>
#include <optional>
#include <unordered_set>
#include <vector>

namespace skelda::grid {

// The disjunct cell selection of a grid: cells in the order they were selected, each once.
// Cells are keyed by their whole row and column, so no row or column, however high, stands in
// for another.
//
// A rectangle can stand for its cells (AssignRect) without listing them: a select-all over a
// million rows costs nothing until a single cell is added or removed.
class TCellSelection {
public:
    bool Contains(int ACol, int ARow) const;
    // False, nothing changed, for a cell already listed.
    bool Add(int ACol, int ARow);
    // False when the cell was not listed.
    bool Remove(int ACol, int ARow);
    // Counts above the integer range read as its maximum.
    int Count() const;
    // The cell at Index (0 .. Count - 1) as column and row; rectangle cells go row by row.
    plat::TGridCoord Item(int Index) const;
    void Clear();
    // The cells of Rect, Left .. Right and Top .. Bottom, replace the list.
    void AssignRect(const plat::TGridRect& Rect);

private:
    static std::uint64_t Key(int ACol, int ARow);
    void ListRect();

    std::vector<plat::TGridCoord> FOrder;
    std::unordered_set<std::uint64_t> FKeys;
    std::optional<plat::TGridRect> FRect;
};

}  // namespace skelda::grid
