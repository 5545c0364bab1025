#include "foundation/TDesktopComposition.h"

#include "foundation/GPColors.h"

namespace skelda::foundation {

plat::HRESULT TDesktopComposition::CallDwmIsCompositionEnabled(std::int32_t& Enabled)
{
    if (!FEntry) {
        plat::ILibraryLoader& loader = plat::Libraries();
        if (FLibrary == 0)
            FLibrary = loader.LoadLibrary("DWMAPI.DLL");
        if (FLibrary != 0)
            FEntry = reinterpret_cast<DwmIsCompositionEnabledProc>(loader.GetProcAddress(FLibrary, "DwmIsCompositionEnabled"));
        if (!FEntry)
            return plat::E_NOTIMPL;
    }
    return FEntry(&Enabled);
}

bool TDesktopComposition::IsCompositionEnabled()
{
    if (!IsWindows6OrLater())
        return false;
    std::int32_t enabled = 0;
    return CallDwmIsCompositionEnabled(enabled) == plat::S_OK && enabled != 0;
}

void TDesktopComposition::Free()
{
    if (FLibrary != 0)
        plat::Libraries().FreeLibrary(FLibrary);
    FLibrary = 0;
    FEntry = nullptr;
}

TDesktopComposition& DesktopComposition()
{
    static TDesktopComposition composition;
    return composition;
}

plat::HRESULT CallDwmIsCompositionEnabled(std::int32_t& Enabled)
{
    return DesktopComposition().CallDwmIsCompositionEnabled(Enabled);
}

bool IsCompositionEnabled()
{
    return DesktopComposition().IsCompositionEnabled();
}

}  // namespace skelda::foundation
