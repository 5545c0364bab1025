#include "platform/graphics/TBrush.h"

namespace plat {

void TBrush::Assign(const TPersistent& Source)
{
    if (const auto* brush = dynamic_cast<const TBrush*>(&Source)) {
        FColor = brush->FColor;
        FStyle = brush->FStyle;
        FBitmap = brush->FBitmap;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}

void TBrush::SetColor(TColor Value)
{
    // A colour turns a clear brush solid again, as the widget library did.
    if (Value == FColor && FStyle != bsClear)
        return;
    FColor = Value;
    if (FStyle == bsClear)
        FStyle = bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle Value)
{
    if (Value == FStyle)
        return;
    FStyle = Value;
    Changed();
}

void TBrush::SetBitmap(const TGraphic* Value)
{
    if (Value == FBitmap)
        return;
    FBitmap = Value;
    Changed();
}

}  // namespace plat
