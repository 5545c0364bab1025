#include "platform/system/Environment.h"
#include "platform/system/MemoryStatus.h"
#include "platform/system/PlatformInformation.h"
#include "platform/system/ProgramFile.h"
#include "platform/system/SystemPlatformInformation.h"
#include "platform/testing/ScopedEnvironment.h"

#include <sys/utsname.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>

namespace plat {
namespace {

TEST(PlatformInformationTest, ProductionReportsVersion61WorkstationWithCommonControls6AndNoGlass)
{
    const IPlatformInformation& platform = *Env().Platform;
    const TOSVersionInfo version = platform.GetVersionEx();
    EXPECT_EQ(version.PlatformId, VER_PLATFORM_WIN32_NT);
    EXPECT_EQ(version.MajorVersion, 6);
    EXPECT_EQ(version.MinorVersion, 1);
    EXPECT_EQ(version.ProductType, VER_NT_WORKSTATION);
    EXPECT_GT(version.BuildNumber, 0);
    EXPECT_EQ(version.CSDVersion.empty(), version.ServicePackMajor == 0) << "the text names the service pack";
    EXPECT_EQ(platform.GetServerR2(), 0);
    const TFileVersionInfo comctl = platform.GetCommonControlsVersion();
    EXPECT_EQ(comctl.Major, 6);
    EXPECT_EQ(comctl.Minor, 0);
    EXPECT_FALSE(platform.DwmIsCompositionEnabled());
}

TEST(PlatformInformationTest, ProductionDescribesThisComputer)
{
    const TSystemInfo system = Env().Platform->GetNativeSystemInfo();
    utsname name{};
    ASSERT_EQ(::uname(&name), 0);
    if (std::string(name.machine) == "x86_64") {
        EXPECT_EQ(system.ProcessorArchitecture, PROCESSOR_ARCHITECTURE_AMD64);
    }
    EXPECT_NE(system.ProcessorArchitecture, PROCESSOR_ARCHITECTURE_UNKNOWN) << name.machine;
    EXPECT_EQ(system.NumberOfProcessors, std::max(1u, std::thread::hardware_concurrency()));
    EXPECT_EQ(system.PageSizeBytes, ::sysconf(_SC_PAGESIZE));
    EXPECT_GE(system.AllocationGranularityBytes, system.PageSizeBytes);
    EXPECT_EQ(system.AllocationGranularityBytes % system.PageSizeBytes, 0);
}

TEST(PlatformInformationTest, ProductionGivesTheMemoryAndTheVersionOfTheProgramFileOnly)
{
    const SystemPlatformInformation platform;
    EXPECT_EQ(platform.GlobalMemoryStatusEx().TotalPhysBytes, TotalPhysicalMemoryBytes());

    const std::string program = ProgramFileName();
    ASSERT_TRUE(program.ends_with("/test_platform_services")) << program;
    EXPECT_EQ(ExtractFilePath(program) + "test_platform_services", program);
    const std::optional<TFileVersionInfo> own = platform.GetFileVersionInfo(program);
    ASSERT_TRUE(own.has_value());
    EXPECT_EQ(own->Text(), ProgramFileVersion().Text());
    // The same file reached by another path is still the program.
    EXPECT_TRUE(platform.GetFileVersionInfo(ExtractFilePath(program) + "./test_platform_services").has_value());
    EXPECT_FALSE(platform.GetFileVersionInfo("/bin/sh").has_value());
    EXPECT_FALSE(platform.GetFileVersionInfo("").has_value());
    EXPECT_FALSE(platform.GetFileVersionInfo(ExtractFilePath(program) + "no-such-file").has_value());
}

TEST(PlatformInformationTest, FilePathsEndWithTheirSlash)
{
    EXPECT_EQ(ExtractFilePath("/opt/skelda/skelda"), "/opt/skelda/");
    EXPECT_EQ(ExtractFilePath("/skelda"), "/");
    EXPECT_EQ(ExtractFilePath("skelda"), "");
}

TEST(PlatformInformationTest, TheTestDoubleStartsWithTheProductionVersionAndTakesOtherAnswers)
{
    IPlatformInformation* production = Env().Platform;
    {
        testing::ScopedEnvironment env;
        const IPlatformInformation& platform = *Env().Platform;
        ASSERT_EQ(&platform, &env.Platform());
        EXPECT_EQ(platform.GetVersionEx(), production->GetVersionEx());
        EXPECT_EQ(platform.GetCommonControlsVersion().Text(), production->GetCommonControlsVersion().Text());
        EXPECT_FALSE(platform.DwmIsCompositionEnabled());
        EXPECT_EQ(platform.GetNativeSystemInfo(), (TSystemInfo{PROCESSOR_ARCHITECTURE_AMD64, 4, 4096, 65536}));

        TOSVersionInfo server2003;
        server2003.MajorVersion = 5;
        server2003.MinorVersion = 2;
        server2003.ProductType = VER_NT_SERVER;
        env.Platform().SetVersionEx(server2003);
        env.Platform().SetServerR2(1);
        env.Platform().SetNativeSystemInfo({PROCESSOR_ARCHITECTURE_INTEL, 1, 4096, 65536});
        env.Platform().SetCommonControlsVersion({5, 82, 0, 0});
        env.Platform().SetCompositionEnabled(true);
        EXPECT_EQ(platform.GetVersionEx(), server2003);
        EXPECT_EQ(platform.GetServerR2(), 1);
        EXPECT_EQ(platform.GetNativeSystemInfo().ProcessorArchitecture, PROCESSOR_ARCHITECTURE_INTEL);
        EXPECT_EQ(platform.GetCommonControlsVersion().Major, 5);
        EXPECT_TRUE(platform.DwmIsCompositionEnabled());

        EXPECT_EQ(platform.GlobalMemoryStatusEx().TotalPhysBytes, std::uint64_t{8} << 30);
        EXPECT_EQ(platform.GetFileVersionInfo("skelda")->Text(), ProgramFileVersion().Text());
        env.Platform().SetTotalPhysBytes(3221225472);
        env.Platform().SetFileVersionInfo(std::nullopt);
        EXPECT_EQ(platform.GlobalMemoryStatusEx().TotalPhysBytes, 3221225472u);
        EXPECT_FALSE(platform.GetFileVersionInfo("skelda").has_value());
    }
    EXPECT_EQ(Env().Platform, production);
}

}  // namespace
}  // namespace plat
