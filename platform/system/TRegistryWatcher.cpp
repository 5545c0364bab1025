#include "platform/system/TRegistryWatcher.h"

#include "platform/system/Environment.h"
#include "platform/system/RegistryStore.h"

#include <vector>

namespace plat {

namespace {

std::vector<std::string> SplitPath(const std::string& keyPath)
{
    std::vector<std::string> path;
    std::string step;
    for (const char c : keyPath) {
        if (c == '\\') {
            if (!step.empty())
                path.push_back(std::move(step));
            step.clear();
        } else {
            step += c;
        }
    }
    if (!step.empty())
        path.push_back(std::move(step));
    return path;
}

}  // namespace

TRegistryWatcher::TRegistryWatcher(HKEY RootKey, const std::string& KeyPath,
                                   std::function<void(const std::string& ChangedKeyPath)> OnChange)
    : FId(RegistryStore::Instance().Watch(RegistryFilePath(Env().ConfigDir, RootKey), SplitPath(KeyPath),
                                          std::move(OnChange)))
{
}

TRegistryWatcher::~TRegistryWatcher()
{
    RegistryStore::Instance().Unwatch(FId);
}

}  // namespace plat
