// Colour tones: the pager's own flat look made from a styler's tones, in place of the styler's
// colours until the styler next announces a change.

#include "foundation/OfficeTheme.h"
#include "pager/glow/TGlowButtonAppearance.h"
#include "pager/office/PagerBackgrounds.h"
#include "pager/office/PagerEnvironment.h"
#include "pager/office/TTabAppearance.h"
#include "pager/office/TVezOfficePager.h"

namespace skelda::pager {

namespace {

void ApplyTonesToPage(TVistaBackground& Page, const foundation::TColorTones& Tones)
{
    Page.SetColor(Tones.Background.BrushColor);
    Page.SetBorderColor(Tones.Selected.BorderColor);
    Page.SetColorTo(plat::clNone);
    Page.SetColorMirror(plat::clNone);
    Page.SetColorMirrorTo(plat::clNone);
}

// The selected tab joins the page in the background tone; the others stand in the selection
// tone, as does the strip behind them. Colours the tones do not name stay unset, so that no
// gradient or mirror of an earlier look shows through.
void ApplyTonesToTabs(TTabAppearance& Tab, const foundation::TColorTones& Tones)
{
    Tab.ClearColors();
    Tab.BackGround().SetColor(Tones.Selected.BrushColor);
    Tab.BackGround().SetColorTo(plat::clNone);
    Tab.SetColor(Tab.BackGround().GetColor());
    Tab.SetTextColor(Tones.Background.TextColor);
    Tab.SetColorSelected(Tones.Background.BrushColor);
    Tab.SetBorderColorSelected(Tones.Background.BrushColor);
    Tab.SetTextColorSelected(Tones.Background.TextColor);
    Tab.SetColorHot(Tones.Hover.BrushColor);
    Tab.SetBorderColorHot(Tones.Hover.BorderColor);
    Tab.SetTextColorHot(Tones.Hover.TextColor);
    Tab.SetColorDisabled(Tones.Disabled.BrushColor);
    Tab.SetBorderColorDisabled(Tones.Disabled.BorderColor);
    Tab.SetTextColorDisabled(Tones.Disabled.TextColor);
    Tab.SetBorderColorSelectedHot(Tab.GetBorderColorSelected());
    Tab.Font().SetName(foundation::GetDefaultFontName());
}

void ApplyTonesToButtons(TGlowButtonAppearance& Button, const foundation::TColorTones& Tones)
{
    ClearGlowAppearanceColors(&Button);
    Button.SetColor(Tones.Background.BrushColor);
    Button.SetColorMirror(Tones.Background.BrushColor);
    Button.SetColorHot(Tones.Hover.BrushColor);
    Button.SetColorMirrorHot(Tones.Hover.BrushColor);
    Button.SetBorderColorHot(Tones.Hover.BorderColor);
    Button.SetTextColorHot(Tones.Hover.TextColor);
    Button.SetTextColorDown(Tones.Selected.TextColor);
    Button.SetColorDown(Tones.Selected.BrushColor);
    Button.SetColorMirrorDown(Tones.Selected.BrushColor);
    Button.SetBorderColorDown(Tones.Selected.BorderColor);
    Button.SetColorDisabled(plat::clSilver);
    Button.SetColorDisabledTo(plat::clSilver);
    Button.SetColorMirrorDisabled(plat::clSilver);
    Button.SetColorMirrorDisabledTo(plat::clSilver);
}

}  // namespace

void TVezOfficePager::SetColorTones(const foundation::TColorTones& Tones)
{
    FTones = Tones;
    FItones = true;
    FTabRoundEdges = false;
    FShow3D = false;
    FShadow = false;
    if (!FPageAppearance)
        FPageAppearance = std::make_unique<TVistaBackground>();
    ApplyTonesToPage(*FPageAppearance, Tones);
    if (!FTabAppearance)
        FTabAppearance = std::make_unique<TTabAppearance>();
    ApplyTonesToTabs(*FTabAppearance, Tones);
    if (!FGlowButtonAppearance)
        FGlowButtonAppearance = std::make_unique<TGlowButtonAppearance>();
    ApplyTonesToButtons(*FGlowButtonAppearance, Tones);
    // The tone font and the page area (one pixel taller) move tabs and pages.
    TabLengthsChanged();
    SetPagesCacheValid(false);
    AlignPages();
    UpdateScroller();
    // No tab glows under tones: the pulse stops with them.
    UpdateGlowTimer();
    Invalidate();
    InvalidateActivePage();
}

}  // namespace skelda::pager
