#pragma once

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

// One key of the settings tree: named values and named subkeys. Names compare without regard
// to the case of ASCII letters and keep the case they were created with, as registry names do.
// Subkeys list in alphabetical order, values in the order they were first written.
class RegistryKey {
public:
    RegistryKey() = default;
    explicit RegistryKey(std::string name);

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
    std::map<std::string, std::unique_ptr<RegistryKey>> FSubKeys;  // by FoldRegistryName
};

// The form under which two names are the same registry name.
std::string FoldRegistryName(std::string_view name);

// A key path as text, its names separated by '\\'.
std::string JoinRegistryPath(const std::vector<std::string>& path);

}  // namespace plat
