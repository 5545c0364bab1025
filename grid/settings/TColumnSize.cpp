#include "grid/settings/TColumnSize.h"

namespace skelda::grid {

void TColumnSize::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TColumnSize*>(&Source);
    if (!source)
        return;
    FStretch = source->FStretch;
    FStretchColumn = source->FStretchColumn;
    FRows = source->FRows;
    FSave = source->FSave;
    FKey = source->FKey;
    FSection = source->FSection;
    FLocation = source->FLocation;
    FSynchWithGrid = source->FSynchWithGrid;
    FSynchNormalCellsOnly = source->FSynchNormalCellsOnly;
}

}  // namespace skelda::grid
