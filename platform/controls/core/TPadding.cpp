#include "platform/controls/core/TPadding.h"

#include <algorithm>

namespace plat {

TRect TPadding::Inside(const TRect& Rect) const
{
    TRect inside{Rect.Left + FLeft, Rect.Top + FTop, Rect.Right - FRight, Rect.Bottom - FBottom};
    inside.Right = std::max(inside.Right, inside.Left);
    inside.Bottom = std::max(inside.Bottom, inside.Top);
    return inside;
}

void TPadding::Assign(const TPersistent& Source)
{
    const auto* padding = dynamic_cast<const TPadding*>(&Source);
    if (!padding) {
        TPersistent::Assign(Source);
        return;
    }
    FLeft = padding->FLeft;
    FTop = padding->FTop;
    FRight = padding->FRight;
    FBottom = padding->FBottom;
    if (FOnChange)
        FOnChange();
}

void TPadding::Change(int& Field, int Value)
{
    Value = std::max(Value, 0);
    if (Field == Value)
        return;
    Field = Value;
    if (FOnChange)
        FOnChange();
}

}  // namespace plat
