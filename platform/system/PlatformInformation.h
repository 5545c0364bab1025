#pragma once

#include "platform/system/FileVersionInfo.h"

#include <cstdint>
#include <optional>
#include <string>

namespace plat {

// Platform ids of the version information.
enum : int {
    VER_PLATFORM_WIN32s = 0,
    VER_PLATFORM_WIN32_WINDOWS = 1,
    VER_PLATFORM_WIN32_NT = 2,
};

// Product types of the version information.
enum : int {
    VER_NT_WORKSTATION = 1,
    VER_NT_DOMAIN_CONTROLLER = 2,
    VER_NT_SERVER = 3,
};

// Processor architectures of the system information.
enum : int {
    PROCESSOR_ARCHITECTURE_INTEL = 0,
    PROCESSOR_ARCHITECTURE_ARM = 5,
    PROCESSOR_ARCHITECTURE_IA64 = 6,
    PROCESSOR_ARCHITECTURE_AMD64 = 9,
    PROCESSOR_ARCHITECTURE_ARM64 = 12,
    PROCESSOR_ARCHITECTURE_UNKNOWN = 0xFFFF,
};

// The operating-system version as the widget library read it (GetVersionEx).
struct TOSVersionInfo {
    int MajorVersion = 0;
    int MinorVersion = 0;
    int BuildNumber = 0;
    int PlatformId = VER_PLATFORM_WIN32_NT;
    // The service-pack text ("Service Pack 1"), empty without one.
    std::string CSDVersion;
    int ServicePackMajor = 0;
    int ServicePackMinor = 0;
    int ProductType = VER_NT_WORKSTATION;
    friend bool operator==(const TOSVersionInfo&, const TOSVersionInfo&) = default;
};

// The computer as the native system information described it (GetNativeSystemInfo).
struct TSystemInfo {
    int ProcessorArchitecture = PROCESSOR_ARCHITECTURE_UNKNOWN;
    int NumberOfProcessors = 1;
    int PageSizeBytes = 4096;
    int AllocationGranularityBytes = 4096;
    friend bool operator==(const TSystemInfo&, const TSystemInfo&) = default;
};

// The memory of the computer as the global memory status reported it (GlobalMemoryStatusEx),
// in 64-bit counts.
struct TMemoryStatusEx {
    std::uint64_t TotalPhysBytes = 0;
    friend bool operator==(const TMemoryStatusEx&, const TMemoryStatusEx&) = default;
};

// What the program asks of the operating system before it picks a code path: its version, the
// processor, the common-controls version and desktop composition; and what it shows of the
// computer and of itself: the memory size and its own file version. Production reports the
// platform the design was written for, version 6.1 with common controls 6.0 and no composition,
// so that every decision takes its modern, themed, unglazed path; the processor figures are the
// computer's own. Tests put a double in the environment (plat::Env().Platform) and change the
// answers. Every answer is cheap and never fails.
class IPlatformInformation {
public:
    virtual ~IPlatformInformation() = default;

    virtual TOSVersionInfo GetVersionEx() const = 0;
    virtual TSystemInfo GetNativeSystemInfo() const = 0;
    // The SM_SERVERR2 system metric: non-zero on the second release of a server version.
    virtual int GetServerR2() const = 0;
    // The file version of the common-controls library.
    virtual TFileVersionInfo GetCommonControlsVersion() const = 0;
    // Whether the desktop window manager composes the desktop (glass).
    virtual bool DwmIsCompositionEnabled() const = 0;
    // Total physical memory; 0 when the system does not say, as a platform that leaves this out
    // answers.
    virtual TMemoryStatusEx GlobalMemoryStatusEx() const { return {}; }
    // The fixed file version of FileName's version information; none when the file carries
    // none. Only the program's own file does here (ProgramFileName()); a platform that leaves
    // this out knows of no version information.
    virtual std::optional<TFileVersionInfo> GetFileVersionInfo(const std::string& /*FileName*/) const
    {
        return std::nullopt;
    }
};

}  // namespace plat
