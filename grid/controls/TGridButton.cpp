#include "grid/controls/TGridButton.h"

#include "grid/cells/TBaseGrid.h"

namespace skelda::grid {

TGridButton::TGridButton(plat::TComponent* AOwner)
    : plat::TButton(AOwner), FGrid(dynamic_cast<TBaseGrid*>(AOwner))
{
}

}  // namespace skelda::grid
