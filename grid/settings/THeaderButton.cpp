#include "grid/settings/THeaderButton.h"

namespace skelda::grid {

void THeaderButton::Assign(const plat::TPersistent& Source)
{
    if (const auto* source = dynamic_cast<const THeaderButton*>(&Source))
        AssignButton(*source);
    else
        TDropDownBarButton::Assign(Source);
}

}  // namespace skelda::grid
