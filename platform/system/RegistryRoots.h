#pragma once

#include <cstdint>
#include <string>

namespace plat {

// The predefined root keys, with the widget library's values.
using HKEY = std::uint32_t;
inline constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000u;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001u;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;
inline constexpr HKEY HKEY_USERS = 0x80000003u;
inline constexpr HKEY HKEY_CURRENT_CONFIG = 0x80000005u;

// "HKEY_CURRENT_USER" and so on; empty for a value that is no root key.
std::string RootKeyName(HKEY root);

// The file that keeps the tree of root in configDir; empty for a value that is no root key.
std::string RegistryFilePath(const std::string& configDir, HKEY root);

}  // namespace plat
