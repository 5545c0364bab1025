#pragma once

#include "platform/system/HelpViewer.h"

#include <string>
#include <vector>

namespace plat::testing {

// Shows nothing: keeps what was asked for.
class RecordingHelpViewer : public IHelpViewer {
public:
    struct TRequest {
        std::string HelpFile;
        // The table of contents, else the topic of ContextId.
        bool Contents = false;
        int ContextId = 0;
        friend bool operator==(const TRequest&, const TRequest&) = default;
    };

    TOpenResult ShowContents(const std::string& helpFile) override;
    TOpenResult ShowContext(const std::string& helpFile, int contextId) override;

    const std::vector<TRequest>& Requests() const { return FRequests; }

private:
    std::vector<TRequest> FRequests;
};

}  // namespace plat::testing
