#pragma once

#include "foundation/ZORStyle.h"
#include "pager/office/PagerColorSets.h"
#include "pager/office/TCustomVezOfficePagerStyler.h"

#include <functional>

namespace skelda::pager {

class TNotifierWindow;

// A styler with the built-in looks (Style), a Metro colour scheme, and, with AutoThemeAdapt,
// the look of the installed office suite's theme, followed whenever the theme changes.
class TVezOfficePagerOfficeStyler : public TCustomVezOfficePagerStyler, public foundation::IZORStyle {
public:
    explicit TVezOfficePagerOfficeStyler(plat::TComponent* AOwner);
    ~TVezOfficePagerOfficeStyler() override;

    std::string ClassName() const override { return "TVezOfficePagerOfficeStyler"; }

    void SetComponentStyle(foundation::TZORStyle AStyle) override;
    void UpdateTones() override { ChangeTones(); }
    // Recomputes the Metro tones; with psCustom and Metro on, hands them to the pagers.
    void ChangeTones();
    // The notifier window's handler: with AutoThemeAdapt (outside the designer and loading), the
    // look of a newly detected office theme.
    void ThemeChanged(plat::TObject* Sender);

    TOfficePagerStyle GetStyle() const { return FOfficePagerStyle; }
    // Applies the look; the current one again does nothing; psCustom changes no colour.
    void SetStyle(TOfficePagerStyle Value);
    void SetAutoThemeAdapt(bool Value) override;

    bool GetMetro() const { return FMetro; }
    void SetMetro(bool Value);
    plat::TColor GetMetroColor() const { return FMetroColor; }
    void SetMetroColor(plat::TColor Value);
    plat::TColor GetMetroTextColor() const { return FMetroTextColor; }
    void SetMetroTextColor(plat::TColor Value);
    foundation::TMetroStyle GetMetroStyle() const { return FMetroStyle; }
    void SetMetroStyle(foundation::TMetroStyle Value);
    const foundation::TColorTones& Tones() const { return FTones; }

    TNotifierWindow* NotifierWindow() const { return FNotifierWnd; }
    // Where the office theme is read from; the installed suite's unless replaced.
    std::function<foundation::TOfficeTheme()> DetectTheme;

protected:
    void Loaded() override;

private:
    void ApplyColorSet(const TPagerColorSet& Set);
    bool Quiet() const;
    void RegisterNotifier(bool Register);

    foundation::TColorTones FTones;
    foundation::TOfficeTheme FOldOfficeTheme = foundation::otUnknown;
    TNotifierWindow* FNotifierWnd = nullptr;
    TOfficePagerStyle FOfficePagerStyle = psCustom;
    foundation::TMetroStyle FMetroStyle = foundation::msLight;
    bool FMetro = false;
    plat::TColor FMetroTextColor = 0x000000;
    plat::TColor FMetroColor = plat::clNone;
};

// The built-in look that shows an office theme; psCustom for an unknown theme.
TOfficePagerStyle StyleOfOfficeTheme(foundation::TOfficeTheme Theme);

}  // namespace skelda::pager
