#pragma once

#include "platform/system/OpenResult.h"

#include <string>

namespace plat {

// Opens links with the desktop's handler for them ("open" in the shell). Only http, https,
// mailto and file URLs are opened; anything else is refused with a result, never run.
class IShell {
public:
    virtual ~IShell() = default;
    virtual TOpenResult OpenUrl(const std::string& url) = 0;
};

}  // namespace plat
