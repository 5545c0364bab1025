#include "platform/controls/standard/TPaintBox.h"

namespace plat {

TPaintBox::TPaintBox(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 105, 105);
}

void TPaintBox::Paint()
{
    if (OnPaint && !IsDestroying())
        OnPaint(this);
}

}  // namespace plat
