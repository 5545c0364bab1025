#pragma once

#include "pager/glow/GlowTypes.h"
#include "pager/office/PagerBackgrounds.h"
#include "platform/graphics/TFont.h"

namespace skelda::pager {

// The colours of a pager's tabs in each state (normal, hot, selected, disabled, pressed), the
// shadow and highlight lines, the tab font and the strip's background. A changed colour,
// gradient or text colour fires OnChange once; the hot border, the shadow and the highlight
// colours are stored quietly (they only take effect at the next paint). A change of the
// background fires OnChange, a change of the font OnFontChange.
class TCustomTabAppearance : public TNotifyingPersistent {
public:
    TCustomTabAppearance();
    TCustomTabAppearance(const TCustomTabAppearance&) = delete;
    TCustomTabAppearance& operator=(const TCustomTabAppearance&) = delete;

    std::string ClassName() const override { return "TCustomTabAppearance"; }
    // Every property; the font and the background by copying.
    void Assign(const plat::TPersistent& Source) override;
    // Every colour to clNone without announcing; gradients and font stay.
    void ClearColors();

    plat::TColor GetBorderColor() const { return FBorderColor; }
    void SetBorderColor(plat::TColor Value) { Change(FBorderColor, Value); }
    plat::TColor GetColor() const { return FColor; }
    void SetColor(plat::TColor Value) { Change(FColor, Value); }
    plat::TColor GetColorTo() const { return FColorTo; }
    void SetColorTo(plat::TColor Value) { Change(FColorTo, Value); }
    plat::TColor GetColorHot() const { return FColorHot; }
    void SetColorHot(plat::TColor Value) { Change(FColorHot, Value); }
    plat::TColor GetColorHotTo() const { return FColorHotTo; }
    void SetColorHotTo(plat::TColor Value) { Change(FColorHotTo, Value); }
    plat::TColor GetColorSelectedTo() const { return FColorSelectedTo; }
    void SetColorSelectedTo(plat::TColor Value) { Change(FColorSelectedTo, Value); }
    plat::TColor GetBorderColorDisabled() const { return FBorderColorDisabled; }
    void SetBorderColorDisabled(plat::TColor Value) { Change(FBorderColorDisabled, Value); }
    plat::TColor GetBorderColorSelected() const { return FBorderColorSelected; }
    void SetBorderColorSelected(plat::TColor Value) { Change(FBorderColorSelected, Value); }
    plat::TColor GetColorDisabled() const { return FColorDisabled; }
    void SetColorDisabled(plat::TColor Value) { Change(FColorDisabled, Value); }
    plat::TColor GetColorDisabledTo() const { return FColorDisabledTo; }
    void SetColorDisabledTo(plat::TColor Value) { Change(FColorDisabledTo, Value); }
    plat::TColor GetColorSelected() const { return FColorSelected; }
    void SetColorSelected(plat::TColor Value) { Change(FColorSelected, Value); }
    plat::TColor GetColorMirror() const { return FColorMirror; }
    void SetColorMirror(plat::TColor Value) { Change(FColorMirror, Value); }
    plat::TColor GetColorMirrorTo() const { return FColorMirrorTo; }
    void SetColorMirrorTo(plat::TColor Value) { Change(FColorMirrorTo, Value); }
    plat::TColor GetColorMirrorHot() const { return FColorMirrorHot; }
    void SetColorMirrorHot(plat::TColor Value) { Change(FColorMirrorHot, Value); }
    plat::TColor GetColorMirrorHotTo() const { return FColorMirrorHotTo; }
    void SetColorMirrorHotTo(plat::TColor Value) { Change(FColorMirrorHotTo, Value); }
    TGDIPGradient GetGradientMirror() const { return FGradientMirror; }
    void SetGradientMirror(TGDIPGradient Value) { Change(FGradientMirror, Value); }
    TGDIPGradient GetGradientMirrorHot() const { return FGradientMirrorHot; }
    void SetGradientMirrorHot(TGDIPGradient Value) { Change(FGradientMirrorHot, Value); }
    TGDIPGradient GetGradient() const { return FGradient; }
    void SetGradient(TGDIPGradient Value) { Change(FGradient, Value); }
    TGDIPGradient GetGradientHot() const { return FGradientHot; }
    void SetGradientHot(TGDIPGradient Value) { Change(FGradientHot, Value); }
    plat::TColor GetColorMirrorDisabledTo() const { return FColorMirrorDisabledTo; }
    void SetColorMirrorDisabledTo(plat::TColor Value) { Change(FColorMirrorDisabledTo, Value); }
    plat::TColor GetColorMirrorDisabled() const { return FColorMirrorDisabled; }
    void SetColorMirrorDisabled(plat::TColor Value) { Change(FColorMirrorDisabled, Value); }
    plat::TColor GetColorMirrorSelectedTo() const { return FColorMirrorSelectedTo; }
    void SetColorMirrorSelectedTo(plat::TColor Value) { Change(FColorMirrorSelectedTo, Value); }
    plat::TColor GetColorMirrorSelected() const { return FColorMirrorSelected; }
    void SetColorMirrorSelected(plat::TColor Value) { Change(FColorMirrorSelected, Value); }
    TGDIPGradient GetGradientSelected() const { return FGradientSelected; }
    void SetGradientSelected(TGDIPGradient Value) { Change(FGradientSelected, Value); }
    TGDIPGradient GetGradientDisabled() const { return FGradientDisabled; }
    void SetGradientDisabled(TGDIPGradient Value) { Change(FGradientDisabled, Value); }
    TGDIPGradient GetGradientMirrorSelected() const { return FGradientMirrorSelected; }
    void SetGradientMirrorSelected(TGDIPGradient Value) { Change(FGradientMirrorSelected, Value); }
    TGDIPGradient GetGradientMirrorDisabled() const { return FGradientMirrorDisabled; }
    void SetGradientMirrorDisabled(TGDIPGradient Value) { Change(FGradientMirrorDisabled, Value); }
    plat::TColor GetTextColorDisabled() const { return FTextColorDisabled; }
    void SetTextColorDisabled(plat::TColor Value) { Change(FTextColorDisabled, Value); }
    plat::TColor GetTextColorSelected() const { return FTextColorSelected; }
    void SetTextColorSelected(plat::TColor Value) { Change(FTextColorSelected, Value); }
    plat::TColor GetTextColor() const { return FTextColor; }
    void SetTextColor(plat::TColor Value) { Change(FTextColor, Value); }
    plat::TColor GetTextColorHot() const { return FTextColorHot; }
    void SetTextColorHot(plat::TColor Value) { Change(FTextColorHot, Value); }
    plat::TColor GetBorderColorSelectedHot() const { return FBorderColorSelectedHot; }
    void SetBorderColorSelectedHot(plat::TColor Value) { Change(FBorderColorSelectedHot, Value); }
    plat::TColor GetBorderColorDown() const { return FBorderColorDown; }
    void SetBorderColorDown(plat::TColor Value) { Change(FBorderColorDown, Value); }
    plat::TColor GetBorderColorHot() const { return FBorderColorHot; }
    void SetBorderColorHot(plat::TColor Value) { FBorderColorHot = Value; }
    plat::TColor GetHighLightColorHot() const { return FHighLightColorHot; }
    void SetHighLightColorHot(plat::TColor Value) { FHighLightColorHot = Value; }
    plat::TColor GetShadowColor() const { return FShadowColor; }
    void SetShadowColor(plat::TColor Value) { FShadowColor = Value; }
    plat::TColor GetHighLightColorDown() const { return FHighLightColorDown; }
    void SetHighLightColorDown(plat::TColor Value) { FHighLightColorDown = Value; }
    plat::TColor GetHighLightColorSelected() const { return FHighLightColorSelected; }
    void SetHighLightColorSelected(plat::TColor Value) { FHighLightColorSelected = Value; }
    plat::TColor GetHighLightColorSelectedHot() const { return FHighLightColorSelectedHot; }
    void SetHighLightColorSelectedHot(plat::TColor Value) { FHighLightColorSelectedHot = Value; }
    plat::TColor GetHighLightColor() const { return FHighLightColor; }
    void SetHighLightColor(plat::TColor Value) { FHighLightColor = Value; }

    plat::TFont& Font() { return FFont; }
    const plat::TFont& Font() const { return FFont; }
    void SetFont(const plat::TFont& Value) { FFont.Assign(Value); }
    TGradientBackground& BackGround() { return FBackGround; }
    const TGradientBackground& BackGround() const { return FBackGround; }
    void SetBackGround(const TGradientBackground& Value) { FBackGround.Assign(Value); }

    std::function<void(plat::TObject* Sender)> OnFontChange;

private:
    plat::TColor FBorderColor = plat::clBtnFace;
    plat::TColor FColor = plat::clBtnFace;
    plat::TColor FColorTo = plat::clWhite;
    plat::TColor FColorHot = plat::clYellow;
    plat::TColor FColorHotTo = plat::clNone;
    plat::TColor FColorSelectedTo = plat::clBtnFace;
    plat::TColor FBorderColorDisabled = plat::clNone;
    plat::TColor FBorderColorSelected = plat::clBtnFace;
    plat::TColor FColorDisabled = plat::clNone;
    plat::TColor FColorDisabledTo = plat::clNone;
    plat::TColor FColorSelected = plat::clWhite;
    plat::TColor FColorMirror = plat::clWhite;
    plat::TColor FColorMirrorTo = plat::clWhite;
    plat::TColor FColorMirrorHot = plat::clNone;
    plat::TColor FColorMirrorHotTo = plat::clNone;
    TGDIPGradient FGradientMirror = ggVertical;
    TGDIPGradient FGradientMirrorHot = ggVertical;
    TGDIPGradient FGradient = ggVertical;
    TGDIPGradient FGradientHot = ggVertical;
    plat::TColor FColorMirrorDisabledTo = plat::clNone;
    plat::TColor FColorMirrorDisabled = plat::clNone;
    plat::TColor FColorMirrorSelectedTo = plat::clWhite;
    plat::TColor FColorMirrorSelected = plat::clWhite;
    TGDIPGradient FGradientSelected = ggVertical;
    TGDIPGradient FGradientDisabled = ggVertical;
    TGDIPGradient FGradientMirrorSelected = ggVertical;
    TGDIPGradient FGradientMirrorDisabled = ggVertical;
    plat::TColor FTextColorDisabled = plat::clWhite;
    plat::TColor FTextColorSelected = plat::clBlue;
    plat::TColor FTextColor = plat::clBlue;
    plat::TColor FTextColorHot = plat::clBlue;
    plat::TColor FBorderColorSelectedHot = plat::clNone;
    plat::TColor FBorderColorDown = plat::clNone;
    plat::TColor FBorderColorHot = plat::clBlue;
    plat::TColor FHighLightColorHot = 0xFDF4ED;
    plat::TColor FShadowColor = 0xE8C7AE;
    plat::TColor FHighLightColorDown = 0xFFFBD0;
    plat::TColor FHighLightColorSelected = 0x63CCF8;
    plat::TColor FHighLightColorSelectedHot = 0xBDFFFF;
    plat::TColor FHighLightColor = 0xFFFABF;
    TGradientBackground FBackGround;
    plat::TFont FFont;
};

// The tab appearance the pager and its styler expose.
class TTabAppearance : public TCustomTabAppearance {
public:
    std::string ClassName() const override { return "TTabAppearance"; }
};

}  // namespace skelda::pager
