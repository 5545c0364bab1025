#include "editcontrols/support/OsRelease.h"
#include "platform/core/ScopedRestore.h"
#include "platform/system/Environment.h"
#include "platform/system/PlatformInformation.h"

#include <gtest/gtest.h>

namespace skelda::editcontrols {
namespace {

using plat::PROCESSOR_ARCHITECTURE_AMD64;
using plat::PROCESSOR_ARCHITECTURE_IA64;
using plat::PROCESSOR_ARCHITECTURE_INTEL;
using plat::VER_NT_DOMAIN_CONTROLLER;
using plat::VER_NT_SERVER;
using plat::VER_NT_WORKSTATION;
using plat::VER_PLATFORM_WIN32_NT;
using plat::VER_PLATFORM_WIN32_WINDOWS;
using plat::VER_PLATFORM_WIN32s;

constexpr std::uint32_t kProductVersion490 = 0x0004005A;

TOsReleaseFacts Facts(int APlatformId, int AMajor, int AMinor, const char* ACSDVersion = "",
                      int AProductType = VER_NT_WORKSTATION, int AArchitecture = PROCESSOR_ARCHITECTURE_INTEL,
                      int AServerR2 = 0, std::uint32_t ASystemLibraryVersion = 0)
{
    return {APlatformId, AMajor, AMinor, ACSDVersion, AProductType, AArchitecture, AServerR2, ASystemLibraryVersion};
}

TEST(OsReleaseTest, EveryRowOfTheDecisionTable)
{
    const struct {
        TOsReleaseFacts Facts;
        TOsRelease Release;
    } cases[] = {
        // The 9x family.
        {Facts(VER_PLATFORM_WIN32_WINDOWS, 4, 0), os95},
        {Facts(VER_PLATFORM_WIN32_WINDOWS, 4, 0, "A"), os95},
        {Facts(VER_PLATFORM_WIN32_WINDOWS, 4, 3, "B"), os95OSR2},
        {Facts(VER_PLATFORM_WIN32_WINDOWS, 4, 9, "C"), os95OSR2},
        {Facts(VER_PLATFORM_WIN32_WINDOWS, 4, 10), os98},
        {Facts(VER_PLATFORM_WIN32_WINDOWS, 4, 10, "A"), os98SE},
        {Facts(VER_PLATFORM_WIN32_WINDOWS, 4, 89, "B"), os98},
        {Facts(VER_PLATFORM_WIN32_WINDOWS, 4, 10, "A", 0, 0, 0, kProductVersion490), osME},
        {Facts(VER_PLATFORM_WIN32_WINDOWS, 4, 90), osME},
        {Facts(VER_PLATFORM_WIN32_WINDOWS, 4, 91), osUnknown},
        // The NT family.
        {Facts(VER_PLATFORM_WIN32_NT, 3, 1), osNT31},
        {Facts(VER_PLATFORM_WIN32_NT, 3, 5), osNT35},
        {Facts(VER_PLATFORM_WIN32_NT, 3, 51), osNT351},
        {Facts(VER_PLATFORM_WIN32_NT, 3, 0), osUnknown},
        {Facts(VER_PLATFORM_WIN32_NT, 4, 0), osNT4},
        {Facts(VER_PLATFORM_WIN32_NT, 4, 90), osNT4},
        {Facts(VER_PLATFORM_WIN32_NT, 5, 0), os2000},
        {Facts(VER_PLATFORM_WIN32_NT, 5, 1), osXP},
        {Facts(VER_PLATFORM_WIN32_NT, 5, 2, "", VER_NT_WORKSTATION, PROCESSOR_ARCHITECTURE_AMD64, 1), osServer2003R2},
        {Facts(VER_PLATFORM_WIN32_NT, 5, 2, "", VER_NT_SERVER, PROCESSOR_ARCHITECTURE_INTEL, 1), osServer2003R2},
        {Facts(VER_PLATFORM_WIN32_NT, 5, 2, "", VER_NT_WORKSTATION, PROCESSOR_ARCHITECTURE_AMD64), osXP64},
        {Facts(VER_PLATFORM_WIN32_NT, 5, 2, "", VER_NT_WORKSTATION, PROCESSOR_ARCHITECTURE_IA64), osXP64},
        {Facts(VER_PLATFORM_WIN32_NT, 5, 2, "", VER_NT_WORKSTATION, PROCESSOR_ARCHITECTURE_INTEL), osServer2003},
        {Facts(VER_PLATFORM_WIN32_NT, 5, 2, "", VER_NT_SERVER, PROCESSOR_ARCHITECTURE_AMD64), osServer2003},
        {Facts(VER_PLATFORM_WIN32_NT, 5, 3), osUnknown},
        {Facts(VER_PLATFORM_WIN32_NT, 6, 0, "", VER_NT_WORKSTATION), osVista},
        {Facts(VER_PLATFORM_WIN32_NT, 6, 0, "", VER_NT_SERVER), osServer2008},
        {Facts(VER_PLATFORM_WIN32_NT, 6, 0, "", VER_NT_DOMAIN_CONTROLLER), osServer2008},
        {Facts(VER_PLATFORM_WIN32_NT, 6, 1, "Service Pack 1", VER_NT_WORKSTATION), os7},
        {Facts(VER_PLATFORM_WIN32_NT, 6, 1, "", VER_NT_SERVER), osServer2008R2},
        {Facts(VER_PLATFORM_WIN32_NT, 6, 2), osUnknown},
        {Facts(VER_PLATFORM_WIN32_NT, 10, 0), osUnknown},
        // Neither family.
        {Facts(VER_PLATFORM_WIN32s, 3, 1), osUnknown},
    };
    for (const auto& c : cases) {
        const TOsReleaseFacts& f = c.Facts;
        EXPECT_EQ(DetectWindowsVersion(f), c.Release)
            << "platform " << f.PlatformId << ", " << f.MajorVersion << "." << f.MinorVersion << " \""
            << f.CSDVersion << "\", product type " << f.ProductType << ", architecture "
            << f.NativeProcessorArchitecture << ", R2 " << f.ServerR2;
    }
}

class ServerR2Platform : public plat::IPlatformInformation {
public:
    plat::TOSVersionInfo GetVersionEx() const override
    {
        plat::TOSVersionInfo info;
        info.MajorVersion = 5;
        info.MinorVersion = 2;
        info.ProductType = VER_NT_SERVER;
        return info;
    }
    plat::TSystemInfo GetNativeSystemInfo() const override { return {}; }
    int GetServerR2() const override { return 1; }
    plat::TFileVersionInfo GetCommonControlsVersion() const override { return {6, 0, 0, 0}; }
    bool DwmIsCompositionEnabled() const override { return false; }
};

TEST(OsReleaseTest, StartUpDetectionAsksThePlatformInformation)
{
    EXPECT_EQ(DetectWindowsVersion(), os7);
    ServerR2Platform serverR2;
    {
        plat::TScopedRestore<plat::IPlatformInformation*> platform(plat::Env().Platform, &serverR2);
        EXPECT_EQ(DetectWindowsVersion(), osServer2003R2);
    }
    plat::TScopedRestore<plat::IPlatformInformation*> none(plat::Env().Platform, nullptr);
    EXPECT_EQ(DetectWindowsVersion(), osUnknown);
}

}  // namespace
}  // namespace skelda::editcontrols
