#pragma once

#include "foundation/ZORStyle.h"

#include <string>

namespace skelda::foundation {

// The office suite's settings the controls follow, under HKEY_CURRENT_USER.
inline constexpr const char* Office2010CommonKey = "Software\\Microsoft\\Office\\14.0\\Common";
inline constexpr const char* Office2007CommonKey = "Software\\Microsoft\\Office\\12.0\\Common";

// Whether the platform's kernel library exports "GetLocaleInfoEx".
bool IsVistaOrLater();
// "Segoe UI" from that platform on, else "Tahoma".
std::string GetDefaultFontName();
// 2 when the 2010 suite's settings exist, else 1 for the 2007 suite's, else 0 (the 2003 suite's
// settings are looked at but change nothing).
int InstalledOfficeVersion();
// The colour scheme of the active visual style: 1 "NormalColor", 2 "HomeStead", 3 "Metallic",
// 0 for any other or none (no theme library, themes off, common controls before 6, or below
// version 5.1).
int GetVisualStyleColorIndex();
// The 2010 suite's "Theme" value (1, 2, 3: blue, silver, black), else the 2007 suite's, else
// the visual style's colour scheme mapped onto the 2003 looks; a "Theme" value of any other
// number is the 2003 blue look. A "Theme" value that is not an integer raises the registry's
// error.
TOfficeTheme DetectOfficeTheme();

}  // namespace skelda::foundation
