#pragma once

#include "platform/graphics/ThemeServices.h"

#include <string_view>

namespace skelda::editcontrols {

// Whether the controls draw with visual styles now: a theme service is installed and its
// themes are on.
bool ThemesActive();

// The theme data of a class for the length of a scope: opened on construction (0 where no theme
// is on or the class is unknown), closed however the scope ends. Only while ThemesActive.
class TThemeHandle {
public:
    explicit TThemeHandle(std::string_view ClassList);
    ~TThemeHandle();
    TThemeHandle(const TThemeHandle&) = delete;
    TThemeHandle& operator=(const TThemeHandle&) = delete;

    plat::HTHEME Get() const { return FTheme; }
    explicit operator bool() const { return FTheme != 0; }

private:
    plat::IThemeServices* FThemes = nullptr;
    plat::HTHEME FTheme = 0;
};

}  // namespace skelda::editcontrols
