#pragma once

#include "platform/grids/GridTypes.h"

#include <memory>
#include <span>
#include <vector>

namespace skelda::grid {

class TGridItem;

// What the hidden rows and columns ask of their grid: the display counts and column widths,
// the editor and repaints, the current cell, the selection and the row selection, and the grid's two row primitives, which take
// display rows out (parked in items with their cells, records, height and marks) and put parked
// rows back at final display positions, each in one pass with one cells-changed notice.
class THiddenLinesHost {
public:
    virtual int RowCount() const = 0;
    virtual int ColCount() const = 0;
    virtual int FixedRows() const = 0;
    virtual int FixedCols() const = 0;
    virtual bool FixedRowAlways() const = 0;
    virtual bool FixedColAlways() const = 0;
    virtual int ColWidth(int ADisplCol) const = 0;
    virtual void SetColWidth(int ADisplCol, int AWidthPx) = 0;
    virtual void SetColCount(int ACount) = 0;
    virtual void HideEditor() = 0;
    virtual void RepaintGrid() = 0;
    virtual int CurrentCol() const = 0;
    virtual int CurrentRow() const = 0;
    virtual plat::TGridRect Selection() const = 0;
    // Any rectangle, one outside the grid too.
    virtual void SetSelection(const plat::TGridRect& Value) = 0;
    virtual bool RowSelected(int ADisplRow) const = 0;
    virtual std::vector<std::unique_ptr<TGridItem>> TakeRowsOut(std::span<const int> ASortedDisplRows) = 0;
    virtual void PutRowsBack(std::span<const int> AFinalDisplRows, std::vector<std::unique_ptr<TGridItem>> AItems) = 0;
    virtual void CellControlsUpdate() = 0;

protected:
    ~THiddenLinesHost() = default;
};

}  // namespace skelda::grid
