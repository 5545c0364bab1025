#include "pager/office/TTabProgress.h"

namespace skelda::pager {

void TTabProgress::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TTabProgress*>(&Source);
    if (!source) {
        plat::TPersistent::Assign(Source);
        return;
    }
    FColor = source->FColor;
    FColorTo = source->FColorTo;
    FCompleteColor = source->FCompleteColor;
    FCompleteColorTo = source->FCompleteColorTo;
    FMin = source->FMin;
    FMax = source->FMax;
    FPosition = source->FPosition;
    FVisible = source->FVisible;
    Changed();
}

}  // namespace skelda::pager
