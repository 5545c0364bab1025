#include "grid/settings/TFooterButton.h"

namespace skelda::grid {

void TFooterButton::Assign(const plat::TPersistent& Source)
{
    if (const auto* source = dynamic_cast<const TFooterButton*>(&Source)) {
        AssignButton(*source);
        FModalResult = source->FModalResult;
    } else {
        TDropDownBarButton::Assign(Source);
    }
}

}  // namespace skelda::grid
