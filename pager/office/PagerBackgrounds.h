#pragma once

#include "pager/glow/GlowTypes.h"
#include "pager/office/TNotifyingPersistent.h"
#include "platform/graphics/Colors.h"

namespace skelda::pager {

enum TGradientDirection { gdHorizontal = 0, gdVertical = 1 };

// The tab strip's background: a banded gradient of Steps bands from Color to ColorTo. Every
// setter announces, even an unchanged value.
class TGradientBackground : public TNotifyingPersistent {
public:
    std::string ClassName() const override { return "TGradientBackground"; }
    // Copies the four values without announcing; another source is ignored.
    void Assign(const plat::TPersistent& Source) override;

    plat::TColor GetColor() const { return FColor; }
    void SetColor(plat::TColor Value) { Store(FColor, Value); }
    plat::TColor GetColorTo() const { return FColorTo; }
    void SetColorTo(plat::TColor Value) { Store(FColorTo, Value); }
    TGradientDirection GetDirection() const { return FDirection; }
    void SetDirection(TGradientDirection Value) { Store(FDirection, Value); }
    int GetSteps() const { return FSteps; }
    void SetSteps(int Value) { Store(FSteps, Value); }

private:
    template <typename T>
    void Store(T& Field, T Value)
    {
        Field = Value;
        Changed();
    }

    int FSteps = 64;
    plat::TColor FColor = plat::clWhite;
    plat::TColor FColorTo = plat::clBtnFace;
    TGradientDirection FDirection = gdHorizontal;
};

// A page's background: a two-half glow (Color → ColorTo, ColorMirror → ColorMirrorTo) and its
// border. A changed value announces once.
class TVistaBackground : public TNotifyingPersistent {
public:
    std::string ClassName() const override { return "TVistaBackground"; }
    // The colours and steps without announcing, then the gradients through their setters.
    void Assign(const plat::TPersistent& Source) override;

    int GetSteps() const { return FSteps; }
    void SetSteps(int Value) { Change(FSteps, Value); }
    plat::TColor GetColor() const { return FColor; }
    void SetColor(plat::TColor Value) { Change(FColor, Value); }
    plat::TColor GetColorTo() const { return FColorTo; }
    void SetColorTo(plat::TColor Value) { Change(FColorTo, Value); }
    plat::TColor GetColorMirror() const { return FColorMirror; }
    void SetColorMirror(plat::TColor Value) { Change(FColorMirror, Value); }
    plat::TColor GetColorMirrorTo() const { return FColorMirrorTo; }
    void SetColorMirrorTo(plat::TColor Value) { Change(FColorMirrorTo, Value); }
    plat::TColor GetBorderColor() const { return FBorderColor; }
    void SetBorderColor(plat::TColor Value) { Change(FBorderColor, Value); }
    TGDIPGradient GetGradient() const { return FGradient; }
    void SetGradient(TGDIPGradient Value) { Change(FGradient, Value); }
    TGDIPGradient GetGradientMirror() const { return FGradientMirror; }
    void SetGradientMirror(TGDIPGradient Value) { Change(FGradientMirror, Value); }

private:
    int FSteps = 64;
    plat::TColor FColor = plat::clWhite;
    plat::TColor FColorTo = plat::clWhite;
    plat::TColor FColorMirror = plat::clSilver;
    plat::TColor FColorMirrorTo = plat::clWhite;
    plat::TColor FBorderColor = plat::clGray;
    TGDIPGradient FGradientMirror = ggVertical;
    TGDIPGradient FGradient = ggVertical;
};

}  // namespace skelda::pager
