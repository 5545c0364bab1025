#pragma once

#include "foundation/ColorTones.h"
#include "pager/glow/GlowTypes.h"
#include "platform/core/TPersistent.h"
#include "platform/graphics/Colors.h"

#include <functional>

namespace skelda::pager {

// The colours and gradients a glow button paints with: one set per state (normal, hot, down,
// checked, disabled), each an upper half from the colour to its colour-to, a lower half from the
// mirror colour-to to the mirror colour, a border colour and two gradient kinds; the caption
// colours while hot and down; whether the button takes the platform's UI font; whether a
// transparent button stays transparent while hot.
//
// Every setter that changes a value fires OnChange once, so a style applied property by property
// repaints the button once per changed property. The down, checked and disabled colours are
// derived from the hot and normal ones when the object is made.
class TGlowButtonAppearance : public plat::TPersistent {
public:
    TGlowButtonAppearance();

    std::string ClassName() const override { return "TGlowButtonAppearance"; }

    // From another appearance, property by property through the setters, then TranspHover;
    // any other source goes to the base class, which refuses it.
    void Assign(const plat::TPersistent& Source) override;

    // The colours of the colour tones: the normal, hot, down and disabled states take the
    // background, hover, selected and background tones (disabled border: the disabled tone's
    // text colour), the hot and down captions the hover and selected text colours. The checked
    // colours and every gradient stay.
    void ApplyColorTones(const foundation::TColorTones& Tones);

    plat::TColor GetBorderColor() const { return FBorderColor; }
    void SetBorderColor(plat::TColor Value) { Change(FBorderColor, Value); }
    plat::TColor GetBorderColorHot() const { return FBorderColorHot; }
    void SetBorderColorHot(plat::TColor Value) { Change(FBorderColorHot, Value); }
    plat::TColor GetBorderColorDown() const { return FBorderColorDown; }
    void SetBorderColorDown(plat::TColor Value) { Change(FBorderColorDown, Value); }
    plat::TColor GetColor() const { return FColor; }
    void SetColor(plat::TColor Value) { Change(FColor, Value); }
    plat::TColor GetColorTo() const { return FColorTo; }
    void SetColorTo(plat::TColor Value) { Change(FColorTo, Value); }
    plat::TColor GetColorDown() const { return FColorDown; }
    void SetColorDown(plat::TColor Value) { Change(FColorDown, Value); }
    plat::TColor GetColorDownTo() const { return FColorDownTo; }
    void SetColorDownTo(plat::TColor Value) { Change(FColorDownTo, Value); }
    plat::TColor GetColorHot() const { return FColorHot; }
    void SetColorHot(plat::TColor Value) { Change(FColorHot, Value); }
    plat::TColor GetColorHotTo() const { return FColorHotTo; }
    void SetColorHotTo(plat::TColor Value) { Change(FColorHotTo, Value); }
    plat::TColor GetColorCheckedTo() const { return FColorCheckedTo; }
    void SetColorCheckedTo(plat::TColor Value) { Change(FColorCheckedTo, Value); }
    plat::TColor GetBorderColorDisabled() const { return FBorderColorDisabled; }
    void SetBorderColorDisabled(plat::TColor Value) { Change(FBorderColorDisabled, Value); }
    plat::TColor GetBorderColorChecked() const { return FBorderColorChecked; }
    void SetBorderColorChecked(plat::TColor Value) { Change(FBorderColorChecked, Value); }
    plat::TColor GetColorDisabled() const { return FColorDisabled; }
    void SetColorDisabled(plat::TColor Value) { Change(FColorDisabled, Value); }
    plat::TColor GetColorDisabledTo() const { return FColorDisabledTo; }
    void SetColorDisabledTo(plat::TColor Value) { Change(FColorDisabledTo, Value); }
    plat::TColor GetColorChecked() const { return FColorChecked; }
    void SetColorChecked(plat::TColor Value) { Change(FColorChecked, Value); }
    plat::TColor GetColorMirror() const { return FColorMirror; }
    void SetColorMirror(plat::TColor Value) { Change(FColorMirror, Value); }
    plat::TColor GetColorMirrorTo() const { return FColorMirrorTo; }
    void SetColorMirrorTo(plat::TColor Value) { Change(FColorMirrorTo, Value); }
    plat::TColor GetColorMirrorHot() const { return FColorMirrorHot; }
    void SetColorMirrorHot(plat::TColor Value) { Change(FColorMirrorHot, Value); }
    plat::TColor GetColorMirrorHotTo() const { return FColorMirrorHotTo; }
    void SetColorMirrorHotTo(plat::TColor Value) { Change(FColorMirrorHotTo, Value); }
    plat::TColor GetColorMirrorDown() const { return FColorMirrorDown; }
    void SetColorMirrorDown(plat::TColor Value) { Change(FColorMirrorDown, Value); }
    plat::TColor GetColorMirrorDownTo() const { return FColorMirrorDownTo; }
    void SetColorMirrorDownTo(plat::TColor Value) { Change(FColorMirrorDownTo, Value); }
    TGDIPGradient GetGradientDown() const { return FGradientDown; }
    void SetGradientDown(TGDIPGradient Value) { Change(FGradientDown, Value); }
    TGDIPGradient GetGradientMirror() const { return FGradientMirror; }
    void SetGradientMirror(TGDIPGradient Value) { Change(FGradientMirror, Value); }
    TGDIPGradient GetGradientMirrorHot() const { return FGradientMirrorHot; }
    void SetGradientMirrorHot(TGDIPGradient Value) { Change(FGradientMirrorHot, Value); }
    TGDIPGradient GetGradient() const { return FGradient; }
    void SetGradient(TGDIPGradient Value) { Change(FGradient, Value); }
    TGDIPGradient GetGradientMirrorDown() const { return FGradientMirrorDown; }
    void SetGradientMirrorDown(TGDIPGradient Value) { Change(FGradientMirrorDown, Value); }
    TGDIPGradient GetGradientHot() const { return FGradientHot; }
    void SetGradientHot(TGDIPGradient Value) { Change(FGradientHot, Value); }
    plat::TColor GetColorMirrorDisabledTo() const { return FColorMirrorDisabledTo; }
    void SetColorMirrorDisabledTo(plat::TColor Value) { Change(FColorMirrorDisabledTo, Value); }
    plat::TColor GetColorMirrorDisabled() const { return FColorMirrorDisabled; }
    void SetColorMirrorDisabled(plat::TColor Value) { Change(FColorMirrorDisabled, Value); }
    plat::TColor GetColorMirrorCheckedTo() const { return FColorMirrorCheckedTo; }
    void SetColorMirrorCheckedTo(plat::TColor Value) { Change(FColorMirrorCheckedTo, Value); }
    plat::TColor GetColorMirrorChecked() const { return FColorMirrorChecked; }
    void SetColorMirrorChecked(plat::TColor Value) { Change(FColorMirrorChecked, Value); }
    TGDIPGradient GetGradientChecked() const { return FGradientChecked; }
    void SetGradientChecked(TGDIPGradient Value) { Change(FGradientChecked, Value); }
    TGDIPGradient GetGradientDisabled() const { return FGradientDisabled; }
    void SetGradientDisabled(TGDIPGradient Value) { Change(FGradientDisabled, Value); }
    TGDIPGradient GetGradientMirrorChecked() const { return FGradientMirrorChecked; }
    void SetGradientMirrorChecked(TGDIPGradient Value) { Change(FGradientMirrorChecked, Value); }
    TGDIPGradient GetGradientMirrorDisabled() const { return FGradientMirrorDisabled; }
    void SetGradientMirrorDisabled(TGDIPGradient Value) { Change(FGradientMirrorDisabled, Value); }
    plat::TColor GetTextColorHot() const { return FTextColorHot; }
    void SetTextColorHot(plat::TColor Value) { Change(FTextColorHot, Value); }
    plat::TColor GetTextColorDown() const { return FTextColorDown; }
    void SetTextColorDown(plat::TColor Value) { Change(FTextColorDown, Value); }
    bool GetSystemFont() const { return FSystemFont; }
    void SetSystemFont(bool Value) { Change(FSystemFont, Value); }

    // Not stored and not announced.
    bool GetTranspHover() const { return FTranspHover; }
    void SetTranspHover(bool Value) { FTranspHover = Value; }

    std::function<void(plat::TObject* Sender)> OnChange;

private:
    template <typename T>
    void Change(T& Field, T Value)
    {
        if (Field == Value)
            return;
        Field = Value;
        if (OnChange)
            OnChange(this);
    }

    plat::TColor FBorderColor = 0xC0C0C0;
    plat::TColor FBorderColorHot = 0xFF0000;
    plat::TColor FBorderColorDown = 0x800000;
    plat::TColor FColor = 0xFFFFFF;
    plat::TColor FColorTo = 0xFFFFFF;
    plat::TColor FColorDown = plat::clNone;
    plat::TColor FColorDownTo = plat::clNone;
    plat::TColor FColorHot = 0xF5F0E1;
    plat::TColor FColorHotTo = 0xF9D2B2;
    plat::TColor FColorCheckedTo = plat::clNone;
    plat::TColor FBorderColorDisabled = 0x808080;
    plat::TColor FBorderColorChecked = 0xFF0000;
    plat::TColor FColorDisabled = plat::clNone;
    plat::TColor FColorDisabledTo = plat::clNone;
    plat::TColor FColorChecked = plat::clNone;
    plat::TColor FColorMirror = 0xC0C0C0;
    plat::TColor FColorMirrorTo = 0xFFFFFF;
    plat::TColor FColorMirrorHot = 0xF5C8AD;
    plat::TColor FColorMirrorHotTo = 0xFFF8F4;
    plat::TColor FColorMirrorDown = plat::clNone;
    plat::TColor FColorMirrorDownTo = plat::clNone;
    TGDIPGradient FGradientDown = ggRadial;
    TGDIPGradient FGradientMirror = ggVertical;
    TGDIPGradient FGradientMirrorHot = ggRadial;
    TGDIPGradient FGradient = ggVertical;
    TGDIPGradient FGradientMirrorDown = ggRadial;
    TGDIPGradient FGradientHot = ggRadial;
    plat::TColor FColorMirrorDisabledTo = plat::clNone;
    plat::TColor FColorMirrorDisabled = plat::clNone;
    plat::TColor FColorMirrorCheckedTo = plat::clNone;
    plat::TColor FColorMirrorChecked = plat::clNone;
    TGDIPGradient FGradientChecked = ggRadial;
    TGDIPGradient FGradientDisabled = ggRadial;
    TGDIPGradient FGradientMirrorChecked = ggVertical;
    TGDIPGradient FGradientMirrorDisabled = ggRadial;
    plat::TColor FTextColorHot = plat::clBlack;
    plat::TColor FTextColorDown = plat::clBlack;
    bool FSystemFont = true;
    bool FTranspHover = false;
};

}  // namespace skelda::pager
