#pragma once

#include "platform/system/RegistryRoots.h"

#include <functional>
#include <string>

namespace plat {

// Hears of changes to one key of the settings store and everything below it: OnChange gets the
// path of the changed key (from the root) after each saved write of any registry object of this
// process that changes the key or a key below it, deletes it, or makes it. Writes that leave
// everything as it was are not changes. Calls come on the writing thread, after the write.
// Changes another process makes to the file are not heard.
class TRegistryWatcher {
public:
    // KeyPath counts from the root; a leading '\' is allowed. The store is the one under
    // Env().ConfigDir as it is now.
    TRegistryWatcher(HKEY RootKey, const std::string& KeyPath, std::function<void(const std::string& ChangedKeyPath)> OnChange);
    ~TRegistryWatcher();
    TRegistryWatcher(const TRegistryWatcher&) = delete;
    TRegistryWatcher& operator=(const TRegistryWatcher&) = delete;

private:
    int FId;
};

}  // namespace plat
