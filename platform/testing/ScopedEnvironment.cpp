#include "platform/testing/ScopedEnvironment.h"

#include "platform/graphics/StandInLibraries.h"

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <vector>

namespace plat::testing {

namespace {

std::string MakeTemporaryFolder()
{
    const std::string pattern = (std::filesystem::temp_directory_path() / "skelda-config-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (!::mkdtemp(name.data()))
        throw std::runtime_error("Cannot make a temporary settings folder from " + pattern);
    return std::string(name.data()) + '/';
}

}  // namespace

ScopedEnvironment::ScopedEnvironment()
    : FSaved(Env()), FLibraries(MakeStandInLibraries()), FConfigDir(MakeTemporaryFolder())
{
    Environment& env = Env();
    env.Clock = &FClock;
    env.Http = &FHttp;
    env.Shell = &FShell;
    env.Help = &FHelp;
    env.Beeper = &FBeeper;
    env.Platform = &FPlatform;
    env.Themes = &FThemes;
    env.Libraries = &FLibraries;
    env.ConfigDir = FConfigDir;
}

ScopedEnvironment::~ScopedEnvironment()
{
    Env() = FSaved;
    std::error_code ignored;
    std::filesystem::remove_all(FConfigDir, ignored);
}

}  // namespace plat::testing
