#include "pager/office/TTabAppearance.h"

namespace skelda::pager {

TCustomTabAppearance::TCustomTabAppearance()
{
    FFont.SetName("Tahoma");
    FFont.SetSize(8);
    FFont.OnChange = [this](plat::TObject*) {
        if (OnFontChange)
            OnFontChange(this);
    };
    FBackGround.OnChange = [this](plat::TObject*) { Changed(); };
}

void TCustomTabAppearance::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TCustomTabAppearance*>(&Source);
    if (!source) {
        plat::TPersistent::Assign(Source);
        return;
    }
    FBorderColor = source->FBorderColor;
    FColor = source->FColor;
    FColorTo = source->FColorTo;
    FColorHot = source->FColorHot;
    FColorHotTo = source->FColorHotTo;
    FColorSelectedTo = source->FColorSelectedTo;
    FBorderColorDisabled = source->FBorderColorDisabled;
    FBorderColorSelected = source->FBorderColorSelected;
    FColorDisabled = source->FColorDisabled;
    FColorDisabledTo = source->FColorDisabledTo;
    FColorSelected = source->FColorSelected;
    FColorMirror = source->FColorMirror;
    FColorMirrorTo = source->FColorMirrorTo;
    FColorMirrorHot = source->FColorMirrorHot;
    FColorMirrorHotTo = source->FColorMirrorHotTo;
    FGradientMirror = source->FGradientMirror;
    FGradientMirrorHot = source->FGradientMirrorHot;
    FGradient = source->FGradient;
    FGradientHot = source->FGradientHot;
    FColorMirrorDisabledTo = source->FColorMirrorDisabledTo;
    FColorMirrorDisabled = source->FColorMirrorDisabled;
    FColorMirrorSelectedTo = source->FColorMirrorSelectedTo;
    FColorMirrorSelected = source->FColorMirrorSelected;
    FGradientSelected = source->FGradientSelected;
    FGradientDisabled = source->FGradientDisabled;
    FGradientMirrorSelected = source->FGradientMirrorSelected;
    FGradientMirrorDisabled = source->FGradientMirrorDisabled;
    FTextColorDisabled = source->FTextColorDisabled;
    FTextColorSelected = source->FTextColorSelected;
    FBorderColorSelectedHot = source->FBorderColorSelectedHot;
    FBorderColorDown = source->FBorderColorDown;
    FBorderColorHot = source->FBorderColorHot;
    FHighLightColorHot = source->FHighLightColorHot;
    FShadowColor = source->FShadowColor;
    FHighLightColorDown = source->FHighLightColorDown;
    FHighLightColorSelected = source->FHighLightColorSelected;
    FHighLightColorSelectedHot = source->FHighLightColorSelectedHot;
    FHighLightColor = source->FHighLightColor;
    SetTextColor(source->FTextColor);
    SetTextColorHot(source->FTextColorHot);
    FFont.Assign(source->FFont);
    FBackGround.Assign(source->FBackGround);
}

void TCustomTabAppearance::ClearColors()
{
    FBorderColor = plat::clNone;
    FColor = plat::clNone;
    FColorTo = plat::clNone;
    FColorHot = plat::clNone;
    FColorHotTo = plat::clNone;
    FColorSelectedTo = plat::clNone;
    FBorderColorDisabled = plat::clNone;
    FBorderColorSelected = plat::clNone;
    FColorDisabled = plat::clNone;
    FColorDisabledTo = plat::clNone;
    FColorSelected = plat::clNone;
    FColorMirror = plat::clNone;
    FColorMirrorTo = plat::clNone;
    FColorMirrorHot = plat::clNone;
    FColorMirrorHotTo = plat::clNone;
    FColorMirrorDisabledTo = plat::clNone;
    FColorMirrorDisabled = plat::clNone;
    FColorMirrorSelectedTo = plat::clNone;
    FColorMirrorSelected = plat::clNone;
    FTextColorDisabled = plat::clNone;
    FTextColorSelected = plat::clNone;
    FTextColor = plat::clNone;
    FTextColorHot = plat::clNone;
    FBorderColorSelectedHot = plat::clNone;
    FBorderColorDown = plat::clNone;
    FBorderColorHot = plat::clNone;
    FHighLightColorHot = plat::clNone;
    FShadowColor = plat::clNone;
    FHighLightColorDown = plat::clNone;
    FHighLightColorSelected = plat::clNone;
    FHighLightColorSelectedHot = plat::clNone;
    FHighLightColor = plat::clNone;
}

}  // namespace skelda::pager
