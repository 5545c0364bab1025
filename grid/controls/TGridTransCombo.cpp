#include "grid/controls/TGridTransCombo.h"

#include "grid/cells/TBaseGrid.h"

namespace skelda::grid {

TGridTransCombo::TGridTransCombo(plat::TComponent* AOwner)
    : plat::TComboBox(AOwner), FGrid(dynamic_cast<TBaseGrid*>(AOwner))
{
}

}  // namespace skelda::grid
