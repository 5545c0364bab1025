#include "pager/office/TPagerTabSettings.h"

#include <algorithm>

namespace skelda::pager {

void TPagerTabSettings::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TPagerTabSettings*>(&Source);
    if (!source) {
        plat::TPersistent::Assign(Source);
        return;
    }
    SetLeftMargin(source->FLeftMargin);
    SetRightMargin(source->FRightMargin);
    SetHeight(source->FHeight);
    SetStartMargin(source->FStartMargin);
    SetEndMargin(source->FEndMargin);
    SetWidth(source->FWidth);
    SetWordWrap(source->FWordWrap);
    SetImagePosition(source->FImagePosition);
    SetShape(source->FShape);
    SetRounding(source->FRounding);
    SetAlignment(source->FAlignment);
    SetGlass(source->FGlass);
}

void TPagerTabSettings::SetRounding(int Value)
{
    Change(FRounding, std::clamp(Value, 0, kMaxRounding));
}

void TPagerTabSettings::SetGlass(bool Value)
{
    if (FGlass == Value)
        return;
    FGlass = Value;
    if (OnGlassChange)
        OnGlassChange(Value);
    Changed();
}

}  // namespace skelda::pager
