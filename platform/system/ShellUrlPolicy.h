#pragma once

#include "platform/system/OpenResult.h"

#include <string>

namespace plat {

// Whether a link may be handed to the desktop: http and https with a host, mailto with an
// address, file with a path. Anything else (other schemes, no scheme, control characters) is
// refused, so text from a document or the network can never start a program.
TOpenResult CheckShellUrl(const std::string& url);

}  // namespace plat
