#include "grid/settings/TFloatingFooter.h"

namespace skelda::grid {

void TFloatingFooter::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TFloatingFooter*>(&Source);
    if (!source)
        return;
    FCalculateHiddenRows = source->FCalculateHiddenRows;
    FColor = source->FColor;
    FColumn = source->FColumn;
    FCustomTemplate = source->FCustomTemplate;
    FFooterStyle = source->FFooterStyle;
    FVisible = source->FVisible;
    FShowHint = source->FShowHint;
}

}  // namespace skelda::grid
