#include "grid/settings/TDragScrollDelays.h"

namespace skelda::grid {

void TDragScrollDelays::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TDragScrollDelays*>(&Source);
    if (!source)
        return;
    FInitialDelay = source->FInitialDelay;
    FRepeatDelay = source->FRepeatDelay;
}

}  // namespace skelda::grid
