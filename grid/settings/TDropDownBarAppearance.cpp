#include "grid/settings/TDropDownBarAppearance.h"

#include "platform/core/ChangeValue.h"
#include "platform/graphics/TFont.h"

namespace skelda::grid {

TDropDownBarAppearance::TDropDownBarAppearance() : FFont(std::make_unique<plat::TFont>()) {}

TDropDownBarAppearance::~TDropDownBarAppearance() = default;

void TDropDownBarAppearance::SetVisible(bool Value)
{
    if (plat::ChangeValue(FVisible, Value) && OnChange)
        OnChange(this);
}

void TDropDownBarAppearance::SetFont(const plat::TFont& Value)
{
    FFont->Assign(Value);
}

void TDropDownBarAppearance::AssignBar(const TDropDownBarAppearance& Source)
{
    FColorTo = Source.FColorTo;
    FColor = Source.FColor;
    FBorderColor = Source.FBorderColor;
    FCaption = Source.FCaption;
    FFont->Assign(*Source.FFont);
    FImageIndex = Source.FImageIndex;
    FBorderWidth = Source.FBorderWidth;
    FGradientDirection = Source.FGradientDirection;
    FHeight = Source.FHeight;
    SetVisible(Source.FVisible);
    FButtonAlignment = Source.FButtonAlignment;
}

void TDropDownBarAppearance::ButtonsChanged()
{
    if (OnButtonsChanged)
        OnButtonsChanged(this);
}

}  // namespace skelda::grid
