#include "grid/settings/TShowModified.h"

namespace skelda::grid {

void TShowModified::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TShowModified*>(&Source);
    if (!source)
        return;
    FEnabled = source->FEnabled;
    FColor = source->FColor;
}

}  // namespace skelda::grid
