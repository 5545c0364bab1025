#include "pager/office/TabColors.h"

#include "pager/glow/PagerGlowVariants.h"
#include "pager/office/TTabAppearance.h"

namespace skelda::pager {

namespace {

// The five colours a state group gives a tab body: four fill colours and the border.
struct TBodyColors {
    plat::TColor Color, ColorTo, ColorMirror, ColorMirrorTo, Border;
};

TBodyColors HotColors(const TCustomTabAppearance& A)
{
    return {A.GetColorHot(), A.GetColorHotTo(), A.GetColorMirrorHot(), A.GetColorMirrorHotTo(),
            A.GetBorderColorHot()};
}

TBodyColors NormalColors(const TCustomTabAppearance& A)
{
    return {A.GetColor(), A.GetColorTo(), A.GetColorMirror(), A.GetColorMirrorTo(), A.GetBorderColor()};
}

TBodyColors SelectedColors(const TCustomTabAppearance& A)
{
    return {A.GetColorSelected(), A.GetColorSelectedTo(), A.GetColorMirrorSelected(), A.GetColorMirrorSelectedTo(),
            A.GetBorderColorSelected()};
}

// The strip itself: a tab that rests without a body fades towards it.
TBodyColors BackgroundColors(const TCustomTabAppearance& A)
{
    const plat::TColor color = A.BackGround().GetColor();
    const plat::TColor colorTo = A.BackGround().GetColorTo() == plat::clNone ? color : A.BackGround().GetColorTo();
    return {color, colorTo, color, color, color};
}

void SetBody(TTabColors& Out, const TBodyColors& Body)
{
    Out.Fill.Color = Body.Color;
    Out.Fill.ColorTo = Body.ColorTo;
    Out.Fill.ColorMirror = Body.ColorMirror;
    Out.Fill.ColorMirrorTo = Body.ColorMirrorTo;
    Out.Border = Body.Border;
}

void Blend(TTabColors& Out, const TBodyColors& From, const TBodyColors& To, int Percent)
{
    SetBody(Out, {PagerMixColors(From.Color, To.Color, Percent), PagerMixColors(From.ColorTo, To.ColorTo, Percent),
                  PagerMixColors(From.ColorMirror, To.ColorMirror, Percent),
                  PagerMixColors(From.ColorMirrorTo, To.ColorMirrorTo, Percent),
                  PagerMixColors(From.Border, To.Border, Percent)});
}

void ActiveRefinements(TTabColors& Out, const TCustomTabAppearance& A, const TTabStateInputs& S)
{
    if (S.Hot) {
        Out.Border = A.GetBorderColorSelectedHot();
        Out.Highlight = A.GetHighLightColorSelectedHot();
    }
    if (S.FadeRunning && S.FadeState == gsPush)
        Blend(Out, SelectedColors(A), HotColors(A), S.StepPushPercent);
    else if (S.FadeRunning && S.FadeState == gsHover)
        Out.Border = PagerMixColors(A.GetBorderColorSelectedHot(), A.GetBorderColorSelected(), S.StepHoverPercent);
    if (S.Down) {
        Out.Border = A.GetBorderColorDown();
        Out.Highlight = A.GetHighLightColorDown();
    }
}

}  // namespace

TTabColors ChooseTabColors(const TCustomTabAppearance& A, const TTabStateInputs& S)
{
    TTabColors out;
    out.Highlight = A.GetHighLightColor();
    const bool fadingHover = S.FadeRunning && S.FadeState == gsHover;
    const auto takeGroup = [&](const TBodyColors& Body, TGDIPGradient Gradient, TGDIPGradient GradientMirror,
                               plat::TColor Text) {
        SetBody(out, Body);
        out.Fill.Gradient = Gradient;
        out.Fill.GradientMirror = GradientMirror;
        out.Text = Text;
    };

    if (!S.TabEnabled && S.ShowNonSelectedTabs) {
        takeGroup({A.GetColorDisabled(), A.GetColorDisabledTo(), A.GetColorMirrorDisabled(),
                   A.GetColorMirrorDisabledTo(), A.GetBorderColorDisabled()},
                  A.GetGradientDisabled(), A.GetGradientMirrorDisabled(), A.GetTextColorDisabled());
    } else if (S.Active) {
        takeGroup(SelectedColors(A), A.GetGradientSelected(), A.GetGradientMirrorSelected(),
                  A.GetTextColorSelected());
        out.Highlight = A.GetHighLightColor();
        ActiveRefinements(out, A, S);
    } else if (S.Hot) {
        takeGroup(HotColors(A), A.GetGradientHot(), A.GetGradientMirrorHot(), A.GetTextColorHot());
        out.Highlight = A.GetHighLightColorHot();
        if (fadingHover)
            Blend(out, HotColors(A), S.ShowNonSelectedTabs ? NormalColors(A) : BackgroundColors(A),
                  S.StepHoverPercent);
    } else if (S.ShowNonSelectedTabs) {
        takeGroup(NormalColors(A), A.GetGradient(), A.GetGradientMirror(), A.GetTextColor());
        if (fadingHover)
            Blend(out, HotColors(A), NormalColors(A), S.StepHoverPercent);
    } else {
        out.Text = S.TabEnabled ? A.GetTextColor() : A.GetTextColorDisabled();
        out.Fill.Gradient = A.GetGradientHot();
        out.Fill.GradientMirror = A.GetGradientMirrorHot();
        out.PaintBody = false;
        if (fadingHover) {
            Blend(out, HotColors(A), BackgroundColors(A), S.StepHoverPercent);
            out.PaintBody = true;
        } else {
            out.Fill.ColorTo = plat::clNone;
            out.Fill.ColorMirror = plat::clNone;
        }
    }

    if (S.PagerFocused && S.Active) {
        SetBody(out, HotColors(A));
        out.Border = A.GetBorderColorSelectedHot();
        out.Fill.Gradient = A.GetGradientHot();
        out.Fill.GradientMirror = A.GetGradientMirrorHot();
        out.Text = A.GetTextColorHot();
        out.Highlight = A.GetHighLightColorSelected();
        out.Focused = true;
    }
    if (S.Glowing && S.GlowColor != plat::clNone)
        out.Border = PagerMixColors(S.GlowColor, out.Border, S.PagerStepHoverPercent);
    return out;
}

}  // namespace skelda::pager
