#include "platform/system/SystemPlatformInformation.h"

#include "platform/system/MemoryStatus.h"
#include "platform/system/ProgramFile.h"

#include <sys/utsname.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <thread>

namespace plat {

namespace {

int ArchitectureOf(std::string_view machine)
{
    if (machine == "x86_64")
        return PROCESSOR_ARCHITECTURE_AMD64;
    if (machine == "i386" || machine == "i486" || machine == "i586" || machine == "i686")
        return PROCESSOR_ARCHITECTURE_INTEL;
    if (machine == "aarch64" || machine == "arm64")
        return PROCESSOR_ARCHITECTURE_ARM64;
    if (machine.starts_with("arm"))
        return PROCESSOR_ARCHITECTURE_ARM;
    if (machine == "ia64")
        return PROCESSOR_ARCHITECTURE_IA64;
    return PROCESSOR_ARCHITECTURE_UNKNOWN;
}

int PageSizeBytes()
{
    const long bytes = ::sysconf(_SC_PAGESIZE);
    return bytes > 0 ? static_cast<int>(bytes) : 4096;
}

}  // namespace

TOSVersionInfo SystemPlatformInformation::GetVersionEx() const
{
    TOSVersionInfo info;
    info.MajorVersion = 6;
    info.MinorVersion = 1;
    info.BuildNumber = 7601;
    info.PlatformId = VER_PLATFORM_WIN32_NT;
    info.CSDVersion = "Service Pack 1";
    info.ServicePackMajor = 1;
    info.ServicePackMinor = 0;
    info.ProductType = VER_NT_WORKSTATION;
    return info;
}

TSystemInfo SystemPlatformInformation::GetNativeSystemInfo() const
{
    TSystemInfo info;
    utsname name{};
    info.ProcessorArchitecture = ::uname(&name) == 0 ? ArchitectureOf(name.machine) : PROCESSOR_ARCHITECTURE_UNKNOWN;
    info.NumberOfProcessors = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    info.PageSizeBytes = PageSizeBytes();
    info.AllocationGranularityBytes = info.PageSizeBytes;
    return info;
}

TFileVersionInfo SystemPlatformInformation::GetCommonControlsVersion() const
{
    return {6, 0, 0, 0};
}

TMemoryStatusEx SystemPlatformInformation::GlobalMemoryStatusEx() const
{
    return {TotalPhysicalMemoryBytes()};
}

std::optional<TFileVersionInfo> SystemPlatformInformation::GetFileVersionInfo(const std::string& FileName) const
{
    std::error_code error;
    const std::string program = ProgramFileName();
    if (program.empty() || FileName.empty() || !std::filesystem::equivalent(FileName, program, error))
        return std::nullopt;
    return ProgramFileVersion();
}

}  // namespace plat
