#pragma once

#include "platform/controls/standard/TCheckBox.h"

namespace skelda::grid {

class TBaseGrid;

// The grid's check box cell editor.
class TGridCheckBox : public plat::TCheckBox {
public:
    explicit TGridCheckBox(plat::TComponent* AOwner);

    std::string ClassName() const override { return "TGridCheckBox"; }

    // The owning grid; nullptr when the owner is no grid.
    TBaseGrid* Grid() const { return FGrid; }

private:
    TBaseGrid* FGrid = nullptr;
};

}  // namespace skelda::grid
