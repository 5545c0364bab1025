#pragma once

#include "platform/system/PlatformInformation.h"

namespace plat::testing {

// Platform answers a test sets. It starts with the production version answers (6.1 workstation,
// common controls 6.0, no composition) and a fixed computer: AMD64, 4 processors, 4096-byte
// pages, 65536-byte allocation granularity, 8 GiB of memory. Every file it is asked about
// carries the program's own version information until the test sets another, or none.
class FakePlatformInformation : public IPlatformInformation {
public:
    FakePlatformInformation();

    TOSVersionInfo GetVersionEx() const override { return FVersion; }
    TSystemInfo GetNativeSystemInfo() const override { return FSystem; }
    int GetServerR2() const override { return FServerR2; }
    TFileVersionInfo GetCommonControlsVersion() const override { return FCommonControls; }
    bool DwmIsCompositionEnabled() const override { return FComposition; }
    TMemoryStatusEx GlobalMemoryStatusEx() const override { return FMemory; }
    std::optional<TFileVersionInfo> GetFileVersionInfo(const std::string&) const override { return FFileVersion; }

    void SetVersionEx(const TOSVersionInfo& Value) { FVersion = Value; }
    void SetNativeSystemInfo(const TSystemInfo& Value) { FSystem = Value; }
    void SetServerR2(int Value) { FServerR2 = Value; }
    void SetCommonControlsVersion(const TFileVersionInfo& Value) { FCommonControls = Value; }
    void SetCompositionEnabled(bool Value) { FComposition = Value; }
    void SetTotalPhysBytes(std::uint64_t Value) { FMemory.TotalPhysBytes = Value; }
    void SetFileVersionInfo(std::optional<TFileVersionInfo> Value) { FFileVersion = Value; }

private:
    TOSVersionInfo FVersion;
    TSystemInfo FSystem;
    int FServerR2 = 0;
    TFileVersionInfo FCommonControls;
    bool FComposition = false;
    TMemoryStatusEx FMemory{std::uint64_t{8} << 30};
    std::optional<TFileVersionInfo> FFileVersion;
};

}  // namespace plat::testing
