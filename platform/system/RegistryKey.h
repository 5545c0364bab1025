#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

// Types of registry values, as the widget library named them.
enum TRegDataType { rdUnknown, rdString, rdInteger, rdBinary };

struct RegistryValue {
    std::string Name;
    TRegDataType Type = rdUnknown;
    // UTF-8 text for rdString, 4 little-endian bytes for rdInteger, the bytes for rdBinary.
    std::string Data;
    friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

// The deepest key below the root, as the host registry allows it: a file's key line deeper than
// this is damaged, and no key this deep can be made.
inline constexpr std::size_t MaxRegistryKeyDepth = 512;

// One key of the settings tree: named values and named subkeys. Names compare without regard
// to the case of ASCII letters and keep the case they were created with, as registry names do.
// Subkeys list in alphabetical order, values in the order they were first written. Finding a
// subkey or a value costs O(log n) in the key's subkeys or values; removing a value O(n).
// Freeing a tree takes no stack for its depth.
class RegistryKey {
public:
    RegistryKey() = default;
    explicit RegistryKey(std::string name);
    ~RegistryKey();
    RegistryKey(RegistryKey&&) noexcept = default;
    RegistryKey& operator=(RegistryKey&&) noexcept = default;

    const std::string& Name() const { return FName; }

    const RegistryKey* FindSubKey(std::string_view name) const;
    RegistryKey* FindSubKey(std::string_view name);
    // The subkey, made when missing.
    RegistryKey& EnsureSubKey(std::string_view name);
    bool RemoveSubKey(std::string_view name);
    std::vector<const RegistryKey*> SubKeys() const;
    bool HasSubKeys() const { return !FSubKeys.empty(); }

    // Follows a path of subkey names from this key; nullptr when a step is missing.
    const RegistryKey* Find(const std::vector<std::string>& path) const;
    RegistryKey* Find(const std::vector<std::string>& path);

    const RegistryValue* FindValue(std::string_view name) const;
    // Stores the value under its name; false when an equal value was there already.
    bool SetValue(RegistryValue value);
    bool RemoveValue(std::string_view name);
    const std::vector<RegistryValue>& Values() const { return FValues; }

private:
    std::string FName;
    std::vector<RegistryValue> FValues;
    std::map<std::string, std::size_t> FValueIndex;  // FValues positions by FoldRegistryName
    std::map<std::string, std::unique_ptr<RegistryKey>> FSubKeys;  // by FoldRegistryName
};

// The form under which two names are the same registry name.
std::string FoldRegistryName(std::string_view name);

// A key path as text, its names separated by '\\'.
std::string JoinRegistryPath(const std::vector<std::string>& path);

}  // namespace plat
