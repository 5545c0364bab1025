#include "platform/graphics/TGraphic.h"

namespace plat {

void TGraphic::SetTransparent(bool Value)
{
    if (Value == FTransparent)
        return;
    FTransparent = Value;
    Changed(this);
}

void TGraphic::Changed(TObject* Sender)
{
    if (OnChange)
        OnChange(Sender);
}

}  // namespace plat
