#pragma once

#include <string>

namespace plat {
class TComponent;
}

namespace skelda::grid {

class TCellProperties;

// What the cell records, the merged-block bookkeeping, the undo component and the string grid's
// row marks ask of the grid that holds them. TBaseGrid answers in the program; keeping the
// questions this narrow lets those classes be built and checked without a window.
class TCellGridHost {
public:
    virtual ~TCellGridHost() = default;

    // The cells that can carry a record: columns 0 .. RecordColCount() - 1 (hidden columns
    // included) and rows 0 .. RecordRowCount() - 1.
    virtual int RecordColCount() const = 0;
    virtual int RecordRowCount() const = 0;
    // The record in the cell's object slot, nullptr when there is none. The cell lies inside
    // the bounds above.
    virtual TCellProperties* FindCellProperties(int ACol, int ARow) const = 0;
    // The cell's record, made with the cell's present look when there is none yet.
    virtual TCellProperties& GetCellProperties(int ACol, int ARow) = 0;
    // Told by every new record, so the grid knows it holds records.
    virtual void CellPropertiesCreated() = 0;

    virtual std::string GetCellText(int ACol, int ARow) = 0;
    virtual void SetCellText(int ACol, int ARow, const std::string& Value) = 0;
    // The display column of a real column.
    virtual int DisplColIndex(int ACol) const = 0;
    // Makes (ACol, ARow), a display column and a row, the current cell.
    virtual void FocusCell(int ACol, int ARow) = 0;

    virtual void RepaintCell(int ACol, int ARow) = 0;
    virtual void RepaintGrid() = 0;

    // The grid as a component, for free notifications.
    virtual plat::TComponent& GridComponent() = 0;
};

}  // namespace skelda::grid
