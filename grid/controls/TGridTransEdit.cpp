#include "grid/controls/TGridTransEdit.h"

#include "grid/cells/TBaseGrid.h"

namespace skelda::grid {

TGridTransEdit::TGridTransEdit(plat::TComponent* AOwner)
    : plat::TEdit(AOwner), FGrid(dynamic_cast<TBaseGrid*>(AOwner))
{
}

}  // namespace skelda::grid
