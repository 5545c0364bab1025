#include "editcontrols/support/OsRelease.h"

#include "platform/system/Environment.h"
#include "platform/system/PlatformInformation.h"

namespace skelda::editcontrols {

namespace {

// Product version 4.90 of the system library: the last release of the 9x family.
constexpr std::uint32_t kMillenniumProductVersion = 0x0004005A;

TOsRelease Windows9xRelease(const TOsReleaseFacts& AFacts)
{
    const int minor = AFacts.MinorVersion;
    if (minor < 10)
        return AFacts.CSDVersion == "B" || AFacts.CSDVersion == "C" ? os95OSR2 : os95;
    if (minor <= 89) {
        if (AFacts.SystemLibraryProductVersion == kMillenniumProductVersion)
            return osME;
        return AFacts.CSDVersion == "A" ? os98SE : os98;
    }
    return minor == 90 ? osME : osUnknown;
}

TOsRelease WindowsNTRelease(const TOsReleaseFacts& AFacts)
{
    const bool workstation = AFacts.ProductType == plat::VER_NT_WORKSTATION;
    switch (AFacts.MajorVersion) {
    case 3:
        switch (AFacts.MinorVersion) {
        case 1:
            return osNT31;
        case 5:
            return osNT35;
        case 51:
            return osNT351;
        default:
            return osUnknown;
        }
    case 4:
        return osNT4;
    case 5:
        switch (AFacts.MinorVersion) {
        case 0:
            return os2000;
        case 1:
            return osXP;
        case 2:
            if (AFacts.ServerR2 != 0)
                return osServer2003R2;
            if (AFacts.NativeProcessorArchitecture != plat::PROCESSOR_ARCHITECTURE_INTEL && workstation)
                return osXP64;
            return osServer2003;
        default:
            return osUnknown;
        }
    case 6:
        switch (AFacts.MinorVersion) {
        case 0:
            return workstation ? osVista : osServer2008;
        case 1:
            return workstation ? os7 : osServer2008R2;
        default:
            return osUnknown;
        }
    default:
        return osUnknown;
    }
}

}  // namespace

TOsRelease DetectWindowsVersion(const TOsReleaseFacts& AFacts)
{
    switch (AFacts.PlatformId) {
    case plat::VER_PLATFORM_WIN32_WINDOWS:
        return Windows9xRelease(AFacts);
    case plat::VER_PLATFORM_WIN32_NT:
        return WindowsNTRelease(AFacts);
    default:
        return osUnknown;
    }
}

TOsRelease DetectWindowsVersion()
{
    const plat::IPlatformInformation* platform = plat::Env().Platform;
    if (!platform)
        return osUnknown;
    const plat::TOSVersionInfo version = platform->GetVersionEx();
    TOsReleaseFacts facts;
    facts.PlatformId = version.PlatformId;
    facts.MajorVersion = version.MajorVersion;
    facts.MinorVersion = version.MinorVersion;
    facts.CSDVersion = version.CSDVersion;
    facts.ProductType = version.ProductType;
    facts.NativeProcessorArchitecture = platform->GetNativeSystemInfo().ProcessorArchitecture;
    facts.ServerR2 = platform->GetServerR2();
    return DetectWindowsVersion(facts);
}

}  // namespace skelda::editcontrols
