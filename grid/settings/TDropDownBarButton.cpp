#include "grid/settings/TDropDownBarButton.h"

#include "platform/core/ChangeValue.h"

namespace skelda::grid {

void TDropDownBarButton::SetCaption(const std::string& Value)
{
    if (plat::ChangeValue(FCaption, Value))
        Changed();
}

void TDropDownBarButton::SetEnabled(bool Value)
{
    if (plat::ChangeValue(FEnabled, Value))
        Changed();
}

void TDropDownBarButton::SetWidth(int Value)
{
    if (plat::ChangeValue(FWidth, Value))
        Changed();
}

void TDropDownBarButton::AssignButton(const TDropDownBarButton& Source)
{
    SetCaption(Source.FCaption);
    SetImageIndex(Source.FImageIndex);
    SetEnabled(Source.FEnabled);
    SetWidth(Source.FWidth);
    SetHeight(Source.FHeight);
}

}  // namespace skelda::grid
