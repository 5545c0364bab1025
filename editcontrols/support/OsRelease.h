#pragma once

#include <cstdint>
#include <string>

namespace skelda::editcontrols {

enum TOsRelease {
    osUnknown,
    os95,
    os95OSR2,
    os98,
    os98SE,
    osME,
    osNT31,
    osNT35,
    osNT351,
    osNT4,
    os2000,
    osXP,
    osServer2003,
    osXP64,
    osServer2003R2,
    osVista,
    osServer2008,
    os7,
    osServer2008R2
};

// What the release is told by: the version information (platform id VER_PLATFORM_*, major and
// minor version, service-pack text, product type VER_NT_*), the native processor
// architecture (PROCESSOR_ARCHITECTURE_*), the SM_SERVERR2 metric and, consulted on the 9x
// family only, the product version of the system library (high part: major << 16 | minor).
struct TOsReleaseFacts {
    int PlatformId = 0;
    int MajorVersion = 0;
    int MinorVersion = 0;
    std::string CSDVersion;
    int ProductType = 0;
    int NativeProcessorArchitecture = 0;
    int ServerR2 = 0;
    std::uint32_t SystemLibraryProductVersion = 0;
};

// The release those facts describe; osUnknown for any the table does not name.
TOsRelease DetectWindowsVersion(const TOsReleaseFacts& AFacts);

// The release the platform information of the environment (plat::Env().Platform) reports;
// osUnknown when the environment has none. There is no 9x system library to read, so its
// product version counts 0.
TOsRelease DetectWindowsVersion();

}  // namespace skelda::editcontrols
