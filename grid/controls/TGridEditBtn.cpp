#include "grid/controls/TGridEditBtn.h"

#include "grid/cells/TBaseGrid.h"

namespace skelda::grid {

TGridEditBtn::TGridEditBtn(plat::TComponent* AOwner)
    : plat::TEdit(AOwner), FGrid(dynamic_cast<TBaseGrid*>(AOwner))
{
}

}  // namespace skelda::grid
