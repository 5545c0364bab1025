#include "grid/controls/TSearchPanel.h"

#include "grid/cells/TBaseGrid.h"

namespace skelda::grid {

TSearchPanel::TSearchPanel(plat::TComponent* AOwner)
    : plat::TPanel(AOwner), FGrid(dynamic_cast<TBaseGrid*>(AOwner))
{
}

void TSearchPanel::SetColorTo(plat::TColor Value)
{
    if (Value == FColorTo)
        return;
    FColorTo = Value;
    Invalidate();
}

}  // namespace skelda::grid
