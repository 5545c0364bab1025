#pragma once

#include <string>

namespace skelda::grid {

// What the header texts ask of their grid: the fixed lines they go into, the cells they write
// (through the grid's cell text road) and the grid's hook for a change of the column headers.
class THeaderTextsHost {
public:
    virtual int FixedCols() const = 0;
    virtual int FixedRows() const = 0;
    // Columns including hidden ones.
    virtual int TotalColCount() const = 0;
    virtual int RowCount() const = 0;
    virtual bool IsDesigning() const = 0;
    virtual void SetCellText(int ACol, int ARow, const std::string& Value) = 0;
    virtual void ColumnHeadersChanged() = 0;

protected:
    ~THeaderTextsHost() = default;
};

}  // namespace skelda::grid
