#include "grid/settings/TFocusHelper.h"

namespace skelda::grid {

void TFocusHelper::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TFocusHelper*>(&Source);
    if (!source)
        return;
    FEnabled = source->FEnabled;
}

}  // namespace skelda::grid
