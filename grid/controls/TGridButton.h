#pragma once

#include "platform/controls/standard/TButton.h"

namespace skelda::grid {

class TBaseGrid;

// The grid's push button cell editor.
class TGridButton : public plat::TButton {
public:
    explicit TGridButton(plat::TComponent* AOwner);

    std::string ClassName() const override { return "TGridButton"; }

    // The owning grid; nullptr when the owner is no grid.
    TBaseGrid* Grid() const { return FGrid; }

private:
    TBaseGrid* FGrid = nullptr;
};

}  // namespace skelda::grid
