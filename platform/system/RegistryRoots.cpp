#include "platform/system/RegistryRoots.h"

namespace plat {

std::string RootKeyName(HKEY root)
{
    switch (root) {
    case HKEY_CLASSES_ROOT:
        return "HKEY_CLASSES_ROOT";
    case HKEY_CURRENT_USER:
        return "HKEY_CURRENT_USER";
    case HKEY_LOCAL_MACHINE:
        return "HKEY_LOCAL_MACHINE";
    case HKEY_USERS:
        return "HKEY_USERS";
    case HKEY_CURRENT_CONFIG:
        return "HKEY_CURRENT_CONFIG";
    default:
        return {};
    }
}

std::string RegistryFilePath(const std::string& configDir, HKEY root)
{
    const std::string name = RootKeyName(root);
    if (name.empty())
        return {};
    std::string path = configDir;
    if (!path.empty() && path.back() != '/')
        path += '/';
    return path + name + ".reg";
}

}  // namespace plat
