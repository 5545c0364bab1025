#pragma once

#include "platform/system/HResult.h"
#include "platform/system/LibraryLoader.h"

#include <cstdint>

namespace skelda::foundation {

// The published type of the composition library's entry "DwmIsCompositionEnabled".
using DwmIsCompositionEnabledProc = plat::HRESULT (*)(std::int32_t* Enabled);

// Whether the desktop window manager composes the desktop (glass), asked of "DWMAPI.DLL",
// which is loaded on the first question and freed at the end.
class TDesktopComposition {
public:
    TDesktopComposition() = default;
    ~TDesktopComposition() = default;
    TDesktopComposition(const TDesktopComposition&) = delete;
    TDesktopComposition& operator=(const TDesktopComposition&) = delete;

    // The library's answer, or E_NOTIMPL without calling when the library or the entry cannot be
    // found (a later call looks for the entry again).
    plat::HRESULT CallDwmIsCompositionEnabled(std::int32_t& Enabled);
    // False below major version 6 (without loading anything); else whether the library answers
    // S_OK with composition on.
    bool IsCompositionEnabled();
    // Frees the library when it is held.
    void Free();

private:
    plat::HMODULE FLibrary = 0;
    DwmIsCompositionEnabledProc FEntry = nullptr;
};

// The composition check of the process.
TDesktopComposition& DesktopComposition();
plat::HRESULT CallDwmIsCompositionEnabled(std::int32_t& Enabled);
bool IsCompositionEnabled();

}  // namespace skelda::foundation
