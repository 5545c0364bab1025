#pragma once

#include <string>

namespace skelda::grid {

// An id for a clipboard format name, the same for the same name (letters compared without regard
// to case) for the life of the process, in 0xC000 .. 0xFFFF as registered formats were. An empty
// name or a full table raises plat::EInvalidArgument.
unsigned RegisterClipboardFormat(const std::string& Name);

}  // namespace skelda::grid
