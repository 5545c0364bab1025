#include "platform/controls/forms/TGlassFrame.h"

namespace plat {

void TGlassFrame::Assign(const TPersistent& Source)
{
    if (const auto* other = dynamic_cast<const TGlassFrame*>(&Source)) {
        FEnabled = other->FEnabled;
        FTop = other->FTop;
        return;
    }
    TPersistent::Assign(Source);
}

}  // namespace plat
