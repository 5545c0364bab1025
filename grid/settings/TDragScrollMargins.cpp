#include "grid/settings/TDragScrollMargins.h"

namespace skelda::grid {

void TDragScrollMargins::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TDragScrollMargins*>(&Source);
    if (!source)
        return;
    FTopMargin = source->FTopMargin;
    FBottomMargin = source->FBottomMargin;
    FLeftMargin = source->FLeftMargin;
    FRightMargin = source->FRightMargin;
}

}  // namespace skelda::grid
