#include "platform/system/AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

namespace plat {

namespace {

std::string SystemError(const std::string& what)
{
    return what + ": " + std::strerror(errno);
}

bool WriteAll(int fd, std::string_view contents)
{
    while (!contents.empty()) {
        const ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// So that the rename itself survives a power cut; a failure here loses nothing already written.
void SyncFolder(const std::filesystem::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view contents, std::string& error)
{
    const std::filesystem::path target(path);
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        error = "Cannot create the folder " + folder.string() + ": " + ec.message();
        return false;
    }

    std::string pattern = path + ".tmpXXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        error = SystemError("Cannot create a temporary file next to " + path);
        return false;
    }
    const std::string temporary(name.data());

    bool ok = WriteAll(fd, contents);
    if (!ok)
        error = SystemError("Cannot write " + temporary);
    if (ok && ::fsync(fd) != 0) {
        ok = false;
        error = SystemError("Cannot flush " + temporary);
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = SystemError("Cannot close " + temporary);
    }
    if (ok && ::rename(temporary.c_str(), path.c_str()) != 0) {
        ok = false;
        error = SystemError("Cannot replace " + path);
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}

}  // namespace plat
