#include "grid/model/TGridTransEdit.h"

#include "grid/model/TBaseGrid.h"

namespace skelda::grid {

TGridTransEdit::TGridTransEdit(plat::TComponent* AOwner)
    : plat::TEdit(AOwner), FGrid(dynamic_cast<TBaseGrid*>(AOwner))
{
}

}  // namespace skelda::grid
