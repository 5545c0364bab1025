#include "grid/settings/TBalloonSettings.h"

namespace skelda::grid {

void TBalloonSettings::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TBalloonSettings*>(&Source);
    if (!source)
        return;
    FEnable = source->FEnable;
    FTextColor = source->FTextColor;
    FBackgroundColor = source->FBackgroundColor;
    FInitialDelay = source->FInitialDelay;
    FAutoHideDelay = source->FAutoHideDelay;
    FReshowDelay = source->FReshowDelay;
}

}  // namespace skelda::grid
