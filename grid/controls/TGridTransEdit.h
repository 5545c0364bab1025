#pragma once

#include "platform/controls/standard/TEdit.h"

namespace skelda::grid {

class TBaseGrid;

// The plain edit the grid shows over a fixed cell when fixed cells are editable.
class TGridTransEdit : public plat::TEdit {
public:
    explicit TGridTransEdit(plat::TComponent* AOwner);

    std::string ClassName() const override { return "TGridTransEdit"; }

    // The owning grid; nullptr when the owner is no grid.
    TBaseGrid* Grid() const { return FGrid; }
    // The fixed cell being edited.
    int GetCol() const { return FCol; }
    void SetCol(int Value) { FCol = Value; }
    int GetRow() const { return FRow; }
    void SetRow(int Value) { FRow = Value; }

private:
    TBaseGrid* FGrid = nullptr;
    int FRow = 0;
    int FCol = 0;
};

}  // namespace skelda::grid
