#include "grid/controls/TSearchPanel.h"

#include "grid/cells/TBaseGrid.h"
#include "platform/core/ChangeValue.h"

namespace skelda::grid {

TSearchPanel::TSearchPanel(plat::TComponent* AOwner)
    : plat::TPanel(AOwner), FGrid(dynamic_cast<TBaseGrid*>(AOwner))
{
}

void TSearchPanel::SetColorTo(plat::TColor Value)
{
    if (plat::ChangeValue(FColorTo, Value))
        Invalidate();
}

}  // namespace skelda::grid
