#pragma once

#include "platform/system/Shell.h"

namespace plat {

// Opens allowed links with the desktop's default handler.
class DesktopShell : public IShell {
public:
    TOpenResult OpenUrl(const std::string& url) override;
};

}  // namespace plat
