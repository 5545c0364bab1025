#include "app/ProgramVersion.h"

#include "platform/system/Environment.h"
#include "platform/system/PlatformInformation.h"
#include "platform/system/ProgramFile.h"

namespace skelda::app {

std::string BuildText()
{
    const std::optional<plat::TFileVersionInfo> version = plat::Env().Platform->GetFileVersionInfo(plat::ProgramFileName());
    return version ? "Build " + version->Text() : std::string();
}

std::string MainWindowCaption(const std::string& buildText)
{
    return std::string(kProgramTitle) + kAuthorCredit + " - " + buildText;
}

}  // namespace skelda::app
