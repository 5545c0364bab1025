#include "editcontrols/base/ThemeHandle.h"

#include "platform/system/Environment.h"

namespace skelda::editcontrols {

bool ThemesActive()
{
    const plat::IThemeServices* themes = plat::Env().Themes;
    return themes && themes->ThemesEnabled();
}

TThemeHandle::TThemeHandle(std::string_view ClassList)
{
    if (!ThemesActive())
        return;
    FThemes = plat::Env().Themes;
    FTheme = FThemes->OpenThemeData(ClassList);
}

TThemeHandle::~TThemeHandle()
{
    if (FTheme)
        FThemes->CloseThemeData(FTheme);
}

}  // namespace skelda::editcontrols
