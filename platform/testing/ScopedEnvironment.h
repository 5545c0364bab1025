#pragma once

#include "platform/system/Environment.h"
#include "platform/system/LibraryLoader.h"
#include "platform/testing/CountingBeeper.h"
#include "platform/testing/FakeClock.h"
#include "platform/testing/FakeHttpClient.h"
#include "platform/testing/FakePlatformInformation.h"
#include "platform/testing/RecordingHelpViewer.h"
#include "platform/testing/RecordingShell.h"
#include "platform/testing/SwitchableThemeServices.h"

#include <string>

namespace plat::testing {

// For the life of the object the environment holds test services: a fake clock, a fake HTTP
// client, recorders for the shell, the help viewer and beeps, platform answers the test can
// change, the theme service with its switch (themes on), the stand-in libraries in a table the
// test may change, and an empty temporary settings folder. Afterwards the former environment is back and the folder is gone. Nests.
class ScopedEnvironment {
public:
    ScopedEnvironment();
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

    FakeClock& Clock() { return FClock; }
    FakeHttpClient& Http() { return FHttp; }
    RecordingShell& Shell() { return FShell; }
    RecordingHelpViewer& Help() { return FHelp; }
    CountingBeeper& Beeper() { return FBeeper; }
    FakePlatformInformation& Platform() { return FPlatform; }
    SwitchableThemeServices& Themes() { return FThemes; }
    TLibraryTable& Libraries() { return FLibraries; }
    // Ends in '/'.
    const std::string& ConfigDir() const { return FConfigDir; }

private:
    Environment FSaved;
    FakeClock FClock;
    FakeHttpClient FHttp;
    RecordingShell FShell;
    RecordingHelpViewer FHelp;
    CountingBeeper FBeeper;
    FakePlatformInformation FPlatform;
    SwitchableThemeServices FThemes;
    TLibraryTable FLibraries;
    std::string FConfigDir;
};

}  // namespace plat::testing
