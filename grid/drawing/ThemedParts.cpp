#include "grid/drawing/ThemedParts.h"

#include "platform/graphics/ThemeServices.h"
#include "platform/system/Environment.h"
#include "platform/system/PlatformInformation.h"

namespace skelda::grid {

namespace {

// Closes the theme data however the drawing ends.
class TOpenTheme {
public:
    TOpenTheme(plat::IThemeServices& Themes, std::string_view ClassName)
        : FThemes(Themes), FTheme(Themes.OpenThemeData(ClassName))
    {
    }
    ~TOpenTheme()
    {
        if (FTheme)
            FThemes.CloseThemeData(FTheme);
    }
    TOpenTheme(const TOpenTheme&) = delete;
    TOpenTheme& operator=(const TOpenTheme&) = delete;

    plat::HTHEME Handle() const { return FTheme; }

private:
    plat::IThemeServices& FThemes;
    plat::HTHEME FTheme;
};

}  // namespace

bool ThemedControlsAvailable()
{
    return plat::ThemeServices().ThemesEnabled() && plat::Env().Platform->GetCommonControlsVersion().Major > 5;
}

bool DrawThemedPart(plat::TCanvas& Canvas, std::string_view ClassName, int PartId, int StateId,
                    const plat::TRect& Rect)
{
    plat::IThemeServices& themes = plat::ThemeServices();
    if (!themes.ThemesEnabled())
        return false;
    const TOpenTheme theme(themes, ClassName);
    return theme.Handle() &&
           plat::SUCCEEDED(themes.DrawThemeBackground(theme.Handle(), Canvas, PartId, StateId, Rect, nullptr));
}

}  // namespace skelda::grid
