#include "grid/model/TGridCheckBox.h"

#include "grid/model/TBaseGrid.h"

namespace skelda::grid {

TGridCheckBox::TGridCheckBox(plat::TComponent* AOwner)
    : plat::TCheckBox(AOwner), FGrid(dynamic_cast<TBaseGrid*>(AOwner))
{
}

}  // namespace skelda::grid
