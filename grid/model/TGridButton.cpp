#include "grid/model/TGridButton.h"

#include "grid/model/TBaseGrid.h"

namespace skelda::grid {

TGridButton::TGridButton(plat::TComponent* AOwner)
    : plat::TButton(AOwner), FGrid(dynamic_cast<TBaseGrid*>(AOwner))
{
}

}  // namespace skelda::grid
