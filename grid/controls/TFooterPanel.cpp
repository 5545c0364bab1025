#include "grid/controls/TFooterPanel.h"

#include "grid/cells/TBaseGrid.h"

namespace skelda::grid {

TFooterPanel::TFooterPanel(plat::TComponent* AOwner)
    : plat::TCustomPanel(AOwner), FGrid(dynamic_cast<TBaseGrid*>(AOwner))
{
}

}  // namespace skelda::grid
