#include "foundation/TThemeLibraryBinding.h"

#include "platform/core/Exception.h"
#include "platform/graphics/ThemeLibrary.h"

#include <utility>

namespace skelda::foundation {

namespace {

// Handles below this value were the platform loader's error codes.
constexpr plat::HMODULE FirstValidHandle = 32;

}  // namespace

TThemeLibraryBinding::TThemeLibraryBinding(std::string ModuleName) : FModuleName(std::move(ModuleName)) {}

void TThemeLibraryBinding::Bind()
{
    static_assert(EntryCount == plat::uxtheme::EntryCount);
    if (FLoaded)
        return;
    plat::ILibraryLoader& loader = plat::Libraries();
    FHandle = loader.LoadLibrary("UXTHEME.DLL");
    if (FHandle < FirstValidHandle)
        return;
    FLoaded = true;
    for (int i = 0; i < EntryCount; ++i) {
        const std::string name(plat::uxtheme::EntryNames[static_cast<std::size_t>(i)]);
        FTable[static_cast<std::size_t>(i)] = loader.GetProcAddress(FHandle, name);
        if (!FTable[static_cast<std::size_t>(i)])
            throw plat::EAssertionFailed("Assertion failure (" + FModuleName + ": " + name + ")");
    }
}

void TThemeLibraryBinding::Free()
{
    if (!FLoaded)
        return;
    plat::Libraries().FreeLibrary(FHandle);
    FLoaded = false;
    FHandle = 0;
    FTable.fill(nullptr);
}

TThemeLibraryBinding& VezXPVS()
{
    static TThemeLibraryBinding binding("VezXPVS");
    return binding;
}

TThemeLibraryBinding& ATXPVS()
{
    return VezXPVS();
}

TThemeLibraryBinding& ACXPVS()
{
    return VezXPVS();
}

}  // namespace skelda::foundation
