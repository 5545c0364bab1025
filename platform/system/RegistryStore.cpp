#include "platform/system/RegistryStore.h"

#include "platform/system/AtomicFile.h"
#include "platform/system/RegistryText.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace plat {

namespace {

bool IsPrefix(const std::vector<std::string>& prefix, const std::vector<std::string>& path)
{
    return prefix.size() <= path.size() && std::equal(prefix.begin(), prefix.end(), path.begin());
}

std::vector<std::string> Folded(const std::vector<std::string>& path)
{
    std::vector<std::string> folded;
    folded.reserve(path.size());
    for (const std::string& step : path)
        folded.push_back(FoldRegistryName(step));
    return folded;
}

}  // namespace

RegistryStore& RegistryStore::Instance()
{
    static RegistryStore store;
    return store;
}

RegistryStore::FileStamp RegistryStore::StampOf(const std::string& filePath)
{
    struct stat info {};
    if (::stat(filePath.c_str(), &info) != 0)
        return {};
    return {true, info.st_dev, info.st_ino, static_cast<long long>(info.st_size),
            info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec};
}

RegistryStore::LoadedFile& RegistryStore::Refresh(const std::string& filePath)
{
    LoadedFile& file = FFiles[filePath];
    if (filePath.empty()) {
        file.Loaded = true;
        return file;
    }

    const FileStamp stamp = StampOf(filePath);
    if (file.Loaded && !file.Unreadable && file.Stamp == stamp)
        return file;

    file = LoadedFile{};
    file.Loaded = true;
    const int fd = ::open(filePath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        file.Unreadable = errno != ENOENT;
        return file;
    }
    std::string text;
    char buffer[65536];
    bool readFailed = false;
    while (true) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            readFailed = true;
        if (count <= 0)
            break;
        text.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(fd);
    if (readFailed) {
        file.Unreadable = true;
        return file;
    }
    file.Root = ParseRegistryText(text);
    file.Stamp = stamp;
    return file;
}

void RegistryStore::Read(const std::string& filePath, const std::function<void(const RegistryKey& root)>& read)
{
    std::lock_guard lock(FMutex);
    read(Refresh(filePath).Root);
}

TRegistryWriteResult RegistryStore::Write(const std::string& filePath,
                                          const std::function<RegistryChange(RegistryKey& root)>& change,
                                          std::string& error)
{
    std::vector<std::shared_ptr<Watcher>> toTell;
    std::string changedPath;
    {
        std::lock_guard lock(FMutex);
        LoadedFile& file = Refresh(filePath);
        if (filePath.empty()) {
            error = "There is no settings file for this root key";
            return TRegistryWriteResult::SaveFailed;
        }
        if (file.Unreadable) {
            error = "Cannot read " + filePath + " and will not write over it";
            return TRegistryWriteResult::SaveFailed;
        }
        const RegistryChange done = change(file.Root);
        if (done.Kind == RegistryChange::None)
            return TRegistryWriteResult::Unchanged;
        if (done.Kind == RegistryChange::KeyMissing)
            return TRegistryWriteResult::KeyMissing;
        if (!WriteFileAtomically(filePath, FormatRegistryText(file.Root), error)) {
            // The file still holds the last saved tree; read it again rather than keep a change
            // that exists nowhere else.
            file.Loaded = false;
            return TRegistryWriteResult::SaveFailed;
        }
        file.Stamp = StampOf(filePath);
        toTell = WatchersOf(filePath, done);
        changedPath = JoinRegistryPath(done.KeyPath);
    }
    // Outside the lock: a watcher may well read or write the settings itself.
    for (const std::shared_ptr<Watcher>& watcher : toTell) {
        if (watcher->Active)
            watcher->OnChange(changedPath);
    }
    return TRegistryWriteResult::Saved;
}

std::vector<std::shared_ptr<RegistryStore::Watcher>> RegistryStore::WatchersOf(const std::string& filePath,
                                                                                const RegistryChange& change) const
{
    const std::vector<std::string> changed = Folded(change.KeyPath);
    std::vector<std::shared_ptr<Watcher>> matching;
    for (const std::shared_ptr<Watcher>& watcher : FWatchers) {
        if (watcher->FilePath != filePath)
            continue;
        const bool inWatchedTree = IsPrefix(watcher->FoldedPath, changed);
        const bool watchedKeyRemoved = change.Kind == RegistryChange::SubtreeRemoved && IsPrefix(changed, watcher->FoldedPath);
        if (inWatchedTree || watchedKeyRemoved)
            matching.push_back(watcher);
    }
    return matching;
}

int RegistryStore::Watch(const std::string& filePath, const std::vector<std::string>& keyPath,
                         std::function<void(const std::string& changedKeyPath)> onChange)
{
    std::lock_guard lock(FMutex);
    auto watcher = std::make_shared<Watcher>();
    watcher->Id = FNextWatcherId++;
    watcher->FilePath = filePath;
    watcher->FoldedPath = Folded(keyPath);
    watcher->OnChange = std::move(onChange);
    FWatchers.push_back(watcher);
    return watcher->Id;
}

void RegistryStore::Unwatch(int id)
{
    std::lock_guard lock(FMutex);
    for (const std::shared_ptr<Watcher>& watcher : FWatchers) {
        if (watcher->Id == id)
            watcher->Active = false;
    }
    std::erase_if(FWatchers, [id](const std::shared_ptr<Watcher>& w) { return w->Id == id; });
}

}  // namespace plat
