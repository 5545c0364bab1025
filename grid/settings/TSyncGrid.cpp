#include "grid/settings/TSyncGrid.h"

namespace skelda::grid {

TSyncGrid::TSyncGrid(plat::TComponent* AOwnerGrid)
    : FOwnerGrid(AOwnerGrid)
{
}

void TSyncGrid::SetGrid(plat::TComponent* Value)
{
    if (Value != FOwnerGrid)
        FGrid = Value;
}

void TSyncGrid::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TSyncGrid*>(&Source);
    if (!source)
        return;
    SetGrid(source->FGrid);
    FScrollHorizontal = source->FScrollHorizontal;
    FScrollVertical = source->FScrollVertical;
    FSelectionRow = source->FSelectionRow;
    FSelectionColumn = source->FSelectionColumn;
    FMoveRow = source->FMoveRow;
    FMoveColumn = source->FMoveColumn;
}

}  // namespace skelda::grid
