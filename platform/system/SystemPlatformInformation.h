#pragma once

#include "platform/system/PlatformInformation.h"

namespace plat {

// The production answers: version 6.1 build 7601 "Service Pack 1", NT, workstation, not the
// second server release; common controls 6.0.0.0; no composition. The processor architecture
// comes from the kernel's machine name (x86_64 is AMD64), the processor count from the standard
// library (at least 1), page size and allocation granularity from sysconf (on this kernel the
// mapping granularity is the page size). The memory is the kernel's count; the program file's
// version is the one it was built as (ProgramFileVersion), other files have none.
class SystemPlatformInformation : public IPlatformInformation {
public:
    TOSVersionInfo GetVersionEx() const override;
    TSystemInfo GetNativeSystemInfo() const override;
    int GetServerR2() const override { return 0; }
    TFileVersionInfo GetCommonControlsVersion() const override;
    bool DwmIsCompositionEnabled() const override { return false; }
    TMemoryStatusEx GlobalMemoryStatusEx() const override;
    std::optional<TFileVersionInfo> GetFileVersionInfo(const std::string& FileName) const override;
};

}  // namespace plat
