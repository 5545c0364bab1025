#include "platform/testing/Artifacts.h"

#include <cstdlib>
#include <filesystem>

namespace plat::testing {

std::string ArtifactsDir()
{
    const char* configured = std::getenv("SKELDA_ARTIFACTS");
    std::filesystem::path dir = configured && *configured ? configured : "artifacts";
    std::filesystem::create_directories(dir);
    return dir.string();
}

std::string ArtifactPath(const std::string& fileName)
{
    return (std::filesystem::path(ArtifactsDir()) / fileName).string();
}

}  // namespace plat::testing
