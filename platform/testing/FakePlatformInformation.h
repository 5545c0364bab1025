#pragma once

#include "platform/system/PlatformInformation.h"

namespace plat::testing {

// Platform answers a test sets. It starts with the production version answers (6.1 workstation,
// common controls 6.0, no composition) and a fixed computer: AMD64, 4 processors, 4096-byte
// pages, 65536-byte allocation granularity.
class FakePlatformInformation : public IPlatformInformation {
public:
    FakePlatformInformation();

    TOSVersionInfo GetVersionEx() const override { return FVersion; }
    TSystemInfo GetNativeSystemInfo() const override { return FSystem; }
    int GetServerR2() const override { return FServerR2; }
    TFileVersionInfo GetCommonControlsVersion() const override { return FCommonControls; }
    bool DwmIsCompositionEnabled() const override { return FComposition; }

    void SetVersionEx(const TOSVersionInfo& Value) { FVersion = Value; }
    void SetNativeSystemInfo(const TSystemInfo& Value) { FSystem = Value; }
    void SetServerR2(int Value) { FServerR2 = Value; }
    void SetCommonControlsVersion(const TFileVersionInfo& Value) { FCommonControls = Value; }
    void SetCompositionEnabled(bool Value) { FComposition = Value; }

private:
    TOSVersionInfo FVersion;
    TSystemInfo FSystem;
    int FServerR2 = 0;
    TFileVersionInfo FCommonControls;
    bool FComposition = false;
};

}  // namespace plat::testing
