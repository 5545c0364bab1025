#include "pager/office/TVezOfficePagerOfficeStyler.h"

#include "foundation/OfficeTheme.h"
#include "foundation/TThemeNotifier.h"
#include "pager/office/TNotifierWindow.h"
#include "platform/controls/core/WindowHandles.h"

namespace skelda::pager {

using namespace skelda::foundation;

namespace {

constexpr plat::TColor kDisabledGlowBorder = 0xD3D3D3;
constexpr plat::TColor kDisabledTabText = 0x808080;
constexpr int kCommonBlendFactor = 50;
constexpr int kClassicBlendFactor = 80;

plat::TWinControl* FirstWindowedOwner(plat::TComponent* Owner)
{
    for (plat::TComponent* c = Owner; c; c = c->Owner())
        if (auto* windowed = dynamic_cast<plat::TWinControl*>(c))
            return windowed;
    return nullptr;
}

}  // namespace

TOfficePagerStyle StyleOfOfficeTheme(TOfficeTheme Theme)
{
    switch (Theme) {
    case ot2003Blue: return psOffice2003Blue;
    case ot2003Silver: return psOffice2003Silver;
    case ot2003Olive: return psOffice2003Olive;
    case ot2003Classic: return psOffice2003Classic;
    case ot2007Blue: return psOffice2007Luna;
    case ot2007Silver: return psOffice2007Silver;
    case ot2007Black: return psOffice2007Obsidian;
    case ot2010Blue: return psOffice2010Blue;
    case ot2010Silver: return psOffice2010Silver;
    case ot2010Black: return psOffice2010Black;
    case otUnknown: break;
    }
    return psCustom;
}

TVezOfficePagerOfficeStyler::TVezOfficePagerOfficeStyler(plat::TComponent* AOwner)
    : TCustomVezOfficePagerStyler(AOwner), DetectTheme(&DetectOfficeTheme)
{
    FTones = MakeDefaultTones();
    FMetroColor = FTones.Selected.BrushColor;
    FNotifierWnd = new TNotifierWindow(this);
    FNotifierWnd->Hide();
    FNotifierWnd->SetParent(FirstWindowedOwner(Owner()));
    FNotifierWnd->OnThemeChange = [this](plat::TObject* Sender) { ThemeChanged(Sender); };
    // Two different looks in a row, so that the second is applied whatever the first found.
    SetStyle(psWindowsXP);
    SetStyle(psOffice2007Luna);
}

TVezOfficePagerOfficeStyler::~TVezOfficePagerOfficeStyler()
{
    if (GetAutoThemeAdapt())
        RegisterNotifier(false);
}

bool TVezOfficePagerOfficeStyler::Quiet() const
{
    return ComponentState().Contains(plat::csDesigning) || ComponentState().Contains(plat::csLoading);
}

void TVezOfficePagerOfficeStyler::RegisterNotifier(bool Register)
{
    if (!FNotifierWnd || !FNotifierWnd->HandleAllocated())
        return;
    TThemeNotifier* notifier = GetThemeNotifier(FirstWindowedOwner(Owner()));
    if (!notifier)
        return;
    const plat::HWND handle = plat::WindowHandleOf(*FNotifierWnd);
    if (Register)
        notifier->RegisterWindow(handle);
    else
        notifier->UnRegisterWindow(handle);
}

void TVezOfficePagerOfficeStyler::Loaded()
{
    TCustomVezOfficePagerStyler::Loaded();
    if (!ComponentState().Contains(plat::csDesigning)) {
        ThemeChanged(this);
        if (GetAutoThemeAdapt())
            RegisterNotifier(true);
    }
    if (FMetro)
        NotifyColorTones(FTones);
}

void TVezOfficePagerOfficeStyler::SetComponentStyle(TZORStyle AStyle)
{
    SetStyle(static_cast<TOfficePagerStyle>(AStyle));
}

void TVezOfficePagerOfficeStyler::ChangeTones()
{
    FTones = MakeMetroTones(FMetroStyle == msLight, FMetroColor, FMetroTextColor);
    if (FOfficePagerStyle == psCustom && FMetro)
        NotifyColorTones(FTones);
}

void TVezOfficePagerOfficeStyler::ThemeChanged(plat::TObject*)
{
    if (!GetAutoThemeAdapt() || Quiet())
        return;
    const TOfficeTheme theme = DetectTheme ? DetectTheme() : otUnknown;
    if (theme == FOldOfficeTheme)
        return;
    FOfficePagerStyle = psCustom;
    const TOfficePagerStyle style = StyleOfOfficeTheme(theme);
    if (style != psCustom)
        SetStyle(style);
    FOldOfficeTheme = theme;
}

void TVezOfficePagerOfficeStyler::SetAutoThemeAdapt(bool Value)
{
    if (GetAutoThemeAdapt() == Value)
        return;
    TCustomVezOfficePagerStyler::SetAutoThemeAdapt(Value);
    if (Value)
        ThemeChanged(this);
    if (!Quiet())
        RegisterNotifier(Value);
}

void TVezOfficePagerOfficeStyler::SetStyle(TOfficePagerStyle Value)
{
    if (Value == FOfficePagerStyle)
        return;
    FOfficePagerStyle = Value;
    SetBlendFactor(kCommonBlendFactor);
    SetShow3D(true);
    SetShowShadow(true);
    GlowButtonAppearance().SetBorderColorDisabled(kDisabledGlowBorder);
    if (const TPagerColorSet* set = PagerColorSet(Value)) {
        ApplyColorSet(*set);
        GlowButtonAppearance().SetGradientMirrorChecked(ggVertical);
    }
    Change(scPageAppearance);
}

void TVezOfficePagerOfficeStyler::ApplyColorSet(const TPagerColorSet& S)
{
    TTabAppearance& tab = TabAppearance();
    tab.BackGround().SetColor(S.TabBackGroundColor);
    tab.BackGround().SetColorTo(S.TabBackGroundColorTo);
    if (S.Style == psOffice2007Obsidian)
        tab.BackGround().SetDirection(gdVertical);
    tab.SetBorderColor(S.TabBorderColor);
    tab.SetBorderColorDisabled(plat::clNone);
    tab.SetBorderColorHot(S.TabBorderColorHot);
    tab.SetBorderColorSelected(S.TabBorderColorSelected);
    tab.SetBorderColorSelectedHot(S.TabBorderColorSelectedHot);
    tab.SetTextColor(S.TabTextColor);
    tab.SetTextColorHot(S.TabTextColorHot);
    tab.SetTextColorSelected(S.TabTextColorSelected);
    tab.SetTextColorDisabled(kDisabledTabText);
    tab.SetColorSelected(S.TabColorSelected);
    tab.SetColorSelectedTo(S.TabColorSelectedTo);
    tab.SetColorMirrorSelected(S.TabColorMirrorSelected);
    tab.SetColorMirrorSelectedTo(S.TabColorMirrorSelectedTo);
    tab.SetColorDisabled(S.TabColorDisabled);
    tab.SetColorDisabledTo(S.TabColorDisabledTo);
    tab.SetColorMirrorDisabled(S.TabColorDisabled);
    tab.SetColorMirrorDisabledTo(S.TabColorDisabledTo);
    tab.SetColorHot(S.TabColorHot);
    tab.SetColorHotTo(S.TabColorHotTo);
    tab.SetColorMirrorHot(S.TabColorMirrorHot);
    tab.SetColorMirrorHotTo(S.TabColorMirrorHotTo);
    tab.SetGradient(ggVertical);
    tab.SetGradientDisabled(ggVertical);
    tab.SetGradientMirrorDisabled(ggVertical);
    tab.SetGradientMirrorSelected(ggVertical);
    tab.SetGradientSelected(ggVertical);
    tab.SetGradientHot(S.TabGradientHot);
    tab.SetGradientMirrorHot(S.TabGradientMirrorHot);
    tab.SetShadowColor(S.TabShadowColor);
    if (S.TabHighLightColor)
        tab.SetHighLightColor(*S.TabHighLightColor);
    tab.SetHighLightColorHot(S.TabHighLightColorHot);
    tab.SetHighLightColorSelected(S.TabHighLightColorSelected);
    tab.SetHighLightColorSelectedHot(S.TabHighLightColorSelectedHot);
    tab.SetHighLightColorDown(S.TabHighLightColorDown);

    SetRoundEdges(S.RoundEdges);
    if (S.Style == psOffice2003Classic)
        SetBlendFactor(kClassicBlendFactor);

    TVistaBackground& page = PageAppearance();
    page.SetBorderColor(S.PageBorderColor);
    page.SetColor(S.PageColor);
    page.SetColorTo(S.PageColorTo);
    page.SetColorMirror(S.PageColorTo);
    page.SetColorMirrorTo(S.PageColorMirrorTo);
    page.SetGradient(ggVertical);
    page.SetGradientMirror(ggVertical);

    TGlowButtonAppearance& glow = GlowButtonAppearance();
    glow.SetColor(S.GlowColor);
    glow.SetColorTo(S.GlowColorTo);
    glow.SetColorMirror(S.GlowColorMirror);
    glow.SetColorMirrorTo(S.GlowColorMirrorTo);
    glow.SetBorderColor(S.GlowBorderColor);
    glow.SetGradient(ggVertical);
    glow.SetGradientMirror(ggVertical);
    glow.SetColorHot(S.GlowColorHot);
    glow.SetColorHotTo(S.GlowColorHotTo);
    glow.SetColorMirrorHot(S.GlowColorMirrorHot);
    glow.SetColorMirrorHotTo(S.GlowColorMirrorHotTo);
    glow.SetBorderColorHot(S.GlowBorderColorHot);
    glow.SetGradientHot(ggVertical);
    glow.SetGradientMirrorHot(ggVertical);
    glow.SetColorDown(S.GlowColorDown);
    glow.SetColorDownTo(S.GlowColorDownTo);
    glow.SetColorMirrorDown(S.GlowColorMirrorDown);
    glow.SetColorMirrorDownTo(S.GlowColorMirrorDownTo);
    glow.SetBorderColorDown(S.GlowBorderColorDown);
    glow.SetGradientDown(ggVertical);
    glow.SetGradientMirrorDown(ggVertical);
    glow.SetColorChecked(S.GlowColorChecked);
    glow.SetColorCheckedTo(S.GlowColorCheckedTo);
    glow.SetColorMirrorChecked(S.GlowColorMirrorChecked);
    glow.SetColorMirrorCheckedTo(S.GlowColorMirrorCheckedTo);
    if (S.GlowBorderColorChecked)
        glow.SetBorderColorChecked(*S.GlowBorderColorChecked);
    glow.SetGradientChecked(ggVertical);
}

void TVezOfficePagerOfficeStyler::SetMetro(bool Value)
{
    if (FMetro == Value)
        return;
    FMetro = Value;
    if (Value && ComponentState().Contains(plat::csDesigning))
        FOfficePagerStyle = psCustom;
    if (Value)
        ChangeTones();
}

void TVezOfficePagerOfficeStyler::SetMetroColor(plat::TColor Value)
{
    if (FMetroColor == Value)
        return;
    FMetroColor = Value;
    ChangeTones();
}

void TVezOfficePagerOfficeStyler::SetMetroTextColor(plat::TColor Value)
{
    if (FMetroTextColor == Value)
        return;
    FMetroTextColor = Value;
    ChangeTones();
}

void TVezOfficePagerOfficeStyler::SetMetroStyle(TMetroStyle Value)
{
    if (FMetroStyle == Value)
        return;
    FMetroStyle = Value;
    ChangeTones();
}

}  // namespace skelda::pager
