#include "platform/system/FileVersionInfo.h"

namespace plat {

std::string TFileVersionInfo::Text() const
{
    return std::to_string(Major) + '.' + std::to_string(Minor) + '.' + std::to_string(Release) + '.' +
           std::to_string(Build);
}

TFileVersionInfo ProgramFileVersion()
{
    return {SKELDA_VERSION_MAJOR, SKELDA_VERSION_MINOR, SKELDA_VERSION_RELEASE, SKELDA_VERSION_BUILD};
}

}  // namespace plat
