#pragma once

#include <string>
#include <string_view>

namespace plat {

// Replaces the file at path with contents so that at every moment the file holds either all of
// the old contents or all of the new ones: the text goes to a temporary file in the same folder,
// is flushed to the disk and then renamed over the old file. The folder is made when missing.
// On failure the old file is left as it was, no temporary file remains, and error says why.
bool WriteFileAtomically(const std::string& path, std::string_view contents, std::string& error);

}  // namespace plat
