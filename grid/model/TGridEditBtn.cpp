#include "grid/model/TGridEditBtn.h"

#include "grid/model/TBaseGrid.h"

namespace skelda::grid {

TGridEditBtn::TGridEditBtn(plat::TComponent* AOwner)
    : plat::TEdit(AOwner), FGrid(dynamic_cast<TBaseGrid*>(AOwner))
{
}

}  // namespace skelda::grid
