#include "platform/testing/RecordingShell.h"

#include "platform/system/ShellUrlPolicy.h"

namespace plat::testing {

TOpenResult RecordingShell::OpenUrl(const std::string& url)
{
    TOpenResult result = CheckShellUrl(url);
    if (result.Ok)
        FOpened.push_back(url);
    return result;
}

}  // namespace plat::testing
