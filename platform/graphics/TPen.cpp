#include "platform/graphics/TPen.h"

namespace plat {

void TPen::Assign(const TPersistent& Source)
{
    if (const auto* pen = dynamic_cast<const TPen*>(&Source)) {
        FColor = pen->FColor;
        FWidthPx = pen->FWidthPx;
        FStyle = pen->FStyle;
        FMode = pen->FMode;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}

void TPen::SetColor(TColor Value)
{
    if (Value == FColor)
        return;
    FColor = Value;
    Changed();
}

void TPen::SetWidth(int Value)
{
    if (Value == FWidthPx)
        return;
    FWidthPx = Value;
    Changed();
}

void TPen::SetStyle(TPenStyle Value)
{
    if (Value == FStyle)
        return;
    FStyle = Value;
    Changed();
}

void TPen::SetMode(TPenMode Value)
{
    if (Value == FMode)
        return;
    FMode = Value;
    Changed();
}

}  // namespace plat
