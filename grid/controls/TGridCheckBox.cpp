#include "grid/controls/TGridCheckBox.h"

#include "grid/cells/TBaseGrid.h"

namespace skelda::grid {

TGridCheckBox::TGridCheckBox(plat::TComponent* AOwner)
    : plat::TCheckBox(AOwner), FGrid(dynamic_cast<TBaseGrid*>(AOwner))
{
}

}  // namespace skelda::grid
