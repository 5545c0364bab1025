#include "platform/testing/RecordingHelpViewer.h"

namespace plat::testing {

TOpenResult RecordingHelpViewer::ShowContents(const std::string& helpFile)
{
    FRequests.push_back({helpFile, true, 0});
    return TOpenResult::Success();
}

TOpenResult RecordingHelpViewer::ShowContext(const std::string& helpFile, int contextId)
{
    FRequests.push_back({helpFile, false, contextId});
    return TOpenResult::Success();
}

}  // namespace plat::testing
