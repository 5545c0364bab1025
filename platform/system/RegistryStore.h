#pragma once

#include "platform/system/RegistryKey.h"

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace plat {

// What one write did to a settings tree.
struct RegistryChange {
    enum TKind {
        None,            // nothing to save
        KeyMissing,      // the write could not happen: its key is gone
        KeyChanged,      // values or subkeys of KeyPath changed, or KeyPath was made
        SubtreeRemoved,  // KeyPath and everything below it were deleted
    };
    TKind Kind = None;
    std::vector<std::string> KeyPath;
};

enum class TRegistryWriteResult { Unchanged, Saved, KeyMissing, SaveFailed };

// The settings trees of the process, one per file, shared by every registry object so that
// they all see the same values. A tree is read from its file on first use and again whenever
// the file changed on disk; every change is saved at once. Watchers hear of the changes made in
// this process, after they are saved. Safe to use from several threads.
class RegistryStore {
public:
    static RegistryStore& Instance();

    // Calls read with the tree of the file. An empty filePath has an empty tree.
    void Read(const std::string& filePath, const std::function<void(const RegistryKey& root)>& read);

    // Calls change with the tree of the file and saves what it reports as changed. When saving
    // fails the tree falls back to the file's contents and error says why.
    TRegistryWriteResult Write(const std::string& filePath,
                               const std::function<RegistryChange(RegistryKey& root)>& change,
                               std::string& error);

    // onChange gets the path of the changed key after every saved change of keyPath (a path of
    // subkey names from the root) or of a key below it, and when keyPath itself is deleted.
    // Returns an id for Unwatch.
    int Watch(const std::string& filePath, const std::vector<std::string>& keyPath,
              std::function<void(const std::string& changedKeyPath)> onChange);
    void Unwatch(int id);

private:
    struct FileStamp {
        bool Exists = false;
        unsigned long long Device = 0;
        unsigned long long Inode = 0;
        long long Size = 0;
        long long ModifiedNs = 0;
        friend bool operator==(const FileStamp&, const FileStamp&) = default;
    };
    struct LoadedFile {
        RegistryKey Root;
        FileStamp Stamp;
        bool Loaded = false;
        // The file is there but could not be read: saving over it would lose it.
        bool Unreadable = false;
    };
    struct Watcher {
        int Id = 0;
        std::string FilePath;
        std::vector<std::string> FoldedPath;
        std::function<void(const std::string&)> OnChange;
        std::atomic<bool> Active = true;
    };

    static FileStamp StampOf(const std::string& filePath);
    LoadedFile& Refresh(const std::string& filePath);
    std::vector<std::shared_ptr<Watcher>> WatchersOf(const std::string& filePath, const RegistryChange& change) const;

    std::mutex FMutex;
    std::map<std::string, LoadedFile> FFiles;
    std::vector<std::shared_ptr<Watcher>> FWatchers;
    int FNextWatcherId = 1;
};

}  // namespace plat
