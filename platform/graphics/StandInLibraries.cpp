#include "platform/graphics/StandInLibraries.h"

#include "platform/graphics/ThemeLibrary.h"

#include <cstdint>

namespace plat {

namespace {

// Present so that the program finds the kernel of a modern platform; no locale data is served.
int GetLocaleInfoEx(const char*, std::uint32_t, char*, int)
{
    return 0;
}

}  // namespace

TLibraryTable MakeStandInLibraries()
{
    TLibraryTable libraries;
    libraries.AddLibrary("UXTHEME.DLL", uxtheme::Exports());
    libraries.AddLibrary("KERNEL32.DLL", {{"GetLocaleInfoEx", reinterpret_cast<FARPROC>(&GetLocaleInfoEx)}});
    return libraries;
}

}  // namespace plat
