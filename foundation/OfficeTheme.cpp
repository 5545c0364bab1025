#include "foundation/OfficeTheme.h"

#include "platform/graphics/ThemeLibrary.h"
#include "platform/system/Environment.h"
#include "platform/system/LibraryLoader.h"
#include "platform/system/PlatformInformation.h"
#include "platform/system/TRegistry.h"

#include <array>

namespace skelda::foundation {

namespace {

// The "Theme" value under the key, -1 when the key or the value is missing.
int ReadTheme(const char* key)
{
    plat::TRegistry registry;
    registry.SetRootKey(plat::HKEY_CURRENT_USER);
    if (!registry.OpenKeyReadOnly(key) || !registry.ValueExists("Theme"))
        return -1;
    return registry.ReadInteger("Theme");
}

bool KeyExists(const char* key)
{
    plat::TRegistry registry;
    registry.SetRootKey(plat::HKEY_CURRENT_USER);
    return registry.KeyExists(key);
}

// The colour scheme name of the active visual style, empty without one.
std::string VisualStyleColorName(plat::ILibraryLoader& loader, plat::HMODULE library)
{
    const auto isThemeActive =
        reinterpret_cast<plat::uxtheme::IsThemeActiveProc>(loader.GetProcAddress(library, "IsThemeActive"));
    if (!isThemeActive || !isThemeActive())
        return {};
    // A library whose version cannot be read (all zeros) counts as a recent one.
    const plat::TFileVersionInfo controls = plat::Env().Platform->GetCommonControlsVersion();
    const bool unreadable = controls.Major == 0 && controls.Minor == 0 && controls.Release == 0 && controls.Build == 0;
    if (!unreadable && controls.Major <= 5)
        return {};
    const auto currentThemeName =
        reinterpret_cast<plat::uxtheme::GetCurrentThemeNameProc>(loader.GetProcAddress(library, "GetCurrentThemeName"));
    if (!currentThemeName)
        return {};
    constexpr int size = 255;
    std::array<char, size> file{};
    std::array<char, size> color{};
    std::array<char, size> sizeName{};
    if (currentThemeName(file.data(), size, color.data(), size, sizeName.data(), size) < 0)
        return {};
    color.back() = '\0';
    return color.data();
}

}  // namespace

bool IsVistaOrLater()
{
    plat::ILibraryLoader& loader = plat::Libraries();
    const plat::HMODULE kernel = loader.LoadLibrary("KERNEL32.DLL");
    if (kernel == 0)
        return false;
    const bool exported = loader.GetProcAddress(kernel, "GetLocaleInfoEx") != nullptr;
    loader.FreeLibrary(kernel);
    return exported;
}

std::string GetDefaultFontName()
{
    return IsVistaOrLater() ? "Segoe UI" : "Tahoma";
}

int InstalledOfficeVersion()
{
    const bool has2010 = KeyExists("Software\\Microsoft\\Office\\14.0\\Common\\General");
    const bool has2007 = KeyExists("Software\\Microsoft\\Office\\12.0\\Common\\General");
    KeyExists("Software\\Microsoft\\Office\\11.0\\Common\\General");
    return has2010 ? 2 : has2007 ? 1 : 0;
}

int GetVisualStyleColorIndex()
{
    const plat::TOSVersionInfo version = plat::Env().Platform->GetVersionEx();
    if (version.MajorVersion < 5 || (version.MajorVersion == 5 && version.MinorVersion < 1))
        return 0;
    plat::ILibraryLoader& loader = plat::Libraries();
    const plat::HMODULE library = loader.LoadLibrary("uxtheme.dll");
    if (library == 0)
        return 0;
    const std::string color = VisualStyleColorName(loader, library);
    loader.FreeLibrary(library);
    if (color.find("NormalColor") != std::string::npos)
        return 1;
    if (color.find("HomeStead") != std::string::npos)
        return 2;
    if (color.find("Metallic") != std::string::npos)
        return 3;
    return 0;
}

TOfficeTheme DetectOfficeTheme()
{
    switch (ReadTheme(Office2010CommonKey)) {
    case -1: break;
    case 1: return ot2010Blue;
    case 2: return ot2010Silver;
    case 3: return ot2010Black;
    default: return ot2003Blue;
    }
    switch (ReadTheme(Office2007CommonKey)) {
    case -1: break;
    case 1: return ot2007Blue;
    case 2: return ot2007Silver;
    case 3: return ot2007Black;
    default: return ot2003Blue;
    }
    switch (GetVisualStyleColorIndex()) {
    case 1: return ot2003Blue;
    case 2: return ot2003Olive;
    case 3: return ot2003Silver;
    default: return ot2003Classic;
    }
}

}  // namespace skelda::foundation
