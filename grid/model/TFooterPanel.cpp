#include "grid/model/TFooterPanel.h"

#include "grid/model/TBaseGrid.h"

namespace skelda::grid {

TFooterPanel::TFooterPanel(plat::TComponent* AOwner)
    : plat::TCustomPanel(AOwner), FGrid(dynamic_cast<TBaseGrid*>(AOwner))
{
}

}  // namespace skelda::grid
