#include "pager/glow/TGlowButtonAppearance.h"

#include "pager/glow/GlowColors.h"

namespace skelda::pager {

TGlowButtonAppearance::TGlowButtonAppearance()
{
    // Down and checked: the hot colours with less red and green; disabled: the normal ones a
    // shade darker.
    const auto pressed = [](plat::TColor Color) { return ShadeColorChannels(Color, -10, -10, 0); };
    SetColorDown(pressed(FColorHot));
    SetColorDownTo(pressed(FColorHotTo));
    SetColorMirrorDown(pressed(FColorMirrorHot));
    SetColorMirrorDownTo(pressed(FColorMirrorHotTo));
    SetColorChecked(pressed(FColorHot));
    SetColorCheckedTo(pressed(FColorHotTo));
    SetColorMirrorChecked(pressed(FColorMirrorHot));
    SetColorMirrorCheckedTo(pressed(FColorMirrorHotTo));
    const plat::TColor disabledLight = ShadeColorChannels(0xFFFFFF, -5, -5, -5);
    const plat::TColor disabledDark = ShadeColorChannels(0xC0C0C0, -5, -5, -5);
    SetColorDisabled(disabledLight);
    SetColorDisabledTo(disabledLight);
    SetColorMirrorDisabled(disabledDark);
    SetColorMirrorDisabledTo(disabledLight);
}

void TGlowButtonAppearance::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TGlowButtonAppearance*>(&Source);
    if (!source) {
        plat::TPersistent::Assign(Source);
        return;
    }
    SetColor(source->GetColor());
    SetColorTo(source->GetColorTo());
    SetColorMirror(source->GetColorMirror());
    SetColorMirrorTo(source->GetColorMirrorTo());
    SetColorHot(source->GetColorHot());
    SetColorHotTo(source->GetColorHotTo());
    SetColorMirrorHot(source->GetColorMirrorHot());
    SetColorMirrorHotTo(source->GetColorMirrorHotTo());
    SetColorDown(source->GetColorDown());
    SetColorDownTo(source->GetColorDownTo());
    SetColorMirrorDown(source->GetColorMirrorDown());
    SetColorMirrorDownTo(source->GetColorMirrorDownTo());
    SetColorChecked(source->GetColorChecked());
    SetColorCheckedTo(source->GetColorCheckedTo());
    SetColorMirrorChecked(source->GetColorMirrorChecked());
    SetColorMirrorCheckedTo(source->GetColorMirrorCheckedTo());
    SetColorDisabled(source->GetColorDisabled());
    SetColorDisabledTo(source->GetColorDisabledTo());
    SetColorMirrorDisabled(source->GetColorMirrorDisabled());
    SetColorMirrorDisabledTo(source->GetColorMirrorDisabledTo());
    SetBorderColor(source->GetBorderColor());
    SetBorderColorHot(source->GetBorderColorHot());
    SetBorderColorDown(source->GetBorderColorDown());
    SetBorderColorChecked(source->GetBorderColorChecked());
    SetBorderColorDisabled(source->GetBorderColorDisabled());
    SetGradient(source->GetGradient());
    SetGradientMirror(source->GetGradientMirror());
    SetGradientHot(source->GetGradientHot());
    SetGradientMirrorHot(source->GetGradientMirrorHot());
    SetGradientDown(source->GetGradientDown());
    SetGradientMirrorDown(source->GetGradientMirrorDown());
    SetGradientChecked(source->GetGradientChecked());
    SetGradientMirrorChecked(source->GetGradientMirrorChecked());
    SetGradientDisabled(source->GetGradientDisabled());
    SetGradientMirrorDisabled(source->GetGradientMirrorDisabled());
    SetTextColorHot(source->GetTextColorHot());
    SetTextColorDown(source->GetTextColorDown());
    SetSystemFont(source->GetSystemFont());
    FTranspHover = source->FTranspHover;
}

void TGlowButtonAppearance::ApplyColorTones(const foundation::TColorTones& Tones)
{
    SetColor(Tones.Background.BrushColor);
    SetColorMirror(Tones.Background.BrushColor);
    SetColorTo(plat::clNone);
    SetColorMirrorTo(plat::clNone);
    SetBorderColor(Tones.Background.BorderColor);

    SetColorHot(Tones.Hover.BrushColor);
    SetColorMirrorHot(Tones.Hover.BrushColor);
    SetColorHotTo(plat::clNone);
    SetColorMirrorHotTo(plat::clNone);
    SetBorderColorHot(Tones.Hover.BorderColor);
    SetTextColorHot(Tones.Hover.TextColor);

    SetTextColorDown(Tones.Selected.TextColor);
    SetColorDown(Tones.Selected.BrushColor);
    SetColorMirrorDown(Tones.Selected.BrushColor);
    SetColorDownTo(plat::clNone);
    SetColorMirrorDownTo(plat::clNone);
    SetBorderColorDown(Tones.Selected.BorderColor);

    SetColorDisabled(Tones.Background.BrushColor);
    SetColorDisabledTo(Tones.Background.BrushColor);
    SetColorMirrorDisabled(Tones.Background.BrushColor);
    SetColorMirrorDisabledTo(Tones.Background.BrushColor);
    SetBorderColorDisabled(Tones.Disabled.TextColor);
}

}  // namespace skelda::pager
