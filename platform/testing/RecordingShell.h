#pragma once

#include "platform/system/Shell.h"

#include <string>
#include <vector>

namespace plat::testing {

// Opens nothing: keeps the links the production shell would have opened, and refuses the same
// links it refuses.
class RecordingShell : public IShell {
public:
    TOpenResult OpenUrl(const std::string& url) override;

    const std::vector<std::string>& Opened() const { return FOpened; }

private:
    std::vector<std::string> FOpened;
};

}  // namespace plat::testing
