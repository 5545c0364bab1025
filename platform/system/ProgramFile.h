#pragma once

#include <string>

namespace plat {

// The full path of the running program's file (the first command-line item of the platform);
// empty when the system does not say.
std::string ProgramFileName();

// The folder part of a file name, with its final '/': "/opt/skelda/" for
// "/opt/skelda/skelda"; empty when the name has no folder.
std::string ExtractFilePath(const std::string& FileName);

}  // namespace plat
