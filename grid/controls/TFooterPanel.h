#pragma once

#include "platform/controls/standard/TPanel.h"

namespace skelda::grid {

class TBaseGrid;

// The bar below the cells that shows the floating footer; owned and sized by its grid.
class TFooterPanel : public plat::TCustomPanel {
public:
    explicit TFooterPanel(plat::TComponent* AOwner);

    std::string ClassName() const override { return "TFooterPanel"; }

    // The owning grid; nullptr when the owner is no grid.
    TBaseGrid* Grid() const { return FGrid; }
    // The column whose hint is showing, -1 for none.
    int GetLastHintX() const { return FLastHintX; }

private:
    TBaseGrid* FGrid = nullptr;
    int FLastHintX = -1;
};

}  // namespace skelda::grid
