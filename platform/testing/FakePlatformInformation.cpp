#include "platform/testing/FakePlatformInformation.h"

#include "platform/system/SystemPlatformInformation.h"

namespace plat::testing {

FakePlatformInformation::FakePlatformInformation()
{
    const SystemPlatformInformation production;
    FVersion = production.GetVersionEx();
    FServerR2 = production.GetServerR2();
    FCommonControls = production.GetCommonControlsVersion();
    FComposition = production.DwmIsCompositionEnabled();
    FSystem = {PROCESSOR_ARCHITECTURE_AMD64, 4, 4096, 65536};
    FFileVersion = ProgramFileVersion();
}

}  // namespace plat::testing
