#include "grid/controls/TGridUnitEditBtn.h"

#include "grid/cells/TBaseGrid.h"

namespace skelda::grid {

TGridUnitEditBtn::TGridUnitEditBtn(plat::TComponent* AOwner)
    : plat::TEdit(AOwner), FGrid(dynamic_cast<TBaseGrid*>(AOwner))
{
}

}  // namespace skelda::grid
