#pragma once

#include "platform/controls/standard/TComboBox.h"

namespace skelda::grid {

class TBaseGrid;

// The combo box the grid shows over a fixed cell when fixed cells are editable.
class TGridTransCombo : public plat::TComboBox {
public:
    explicit TGridTransCombo(plat::TComponent* AOwner);

    std::string ClassName() const override { return "TGridTransCombo"; }

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
