#include "platform/system/ProgramFile.h"

#include <filesystem>

namespace plat {

std::string ProgramFileName()
{
    // The link names the file even when the program was started through another link or from
    // another folder, which the command line does not.
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : program.string();
}

std::string ExtractFilePath(const std::string& FileName)
{
    const std::size_t slash = FileName.find_last_of('/');
    return slash == std::string::npos ? std::string() : FileName.substr(0, slash + 1);
}

}  // namespace plat
