#pragma once

// What the settings targets share: a settings tree as a plain list to compare, the check of a
// key through the registry objects, and a settings folder of their own.

#include "FuzzSupport.h"

#include "platform/core/TStringList.h"
#include "platform/system/Environment.h"
#include "platform/system/RegistryKey.h"
#include "platform/system/RegistryStore.h"
#include "platform/system/TRegistry.h"

#include <stdlib.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace skelda::fuzz {

// One key of a tree: its path of names as spelled in the tree, and its values in order.
struct TSettingsKey {
    std::vector<std::string> Path;
    std::vector<plat::RegistryValue> Values;
    friend bool operator==(const TSettingsKey&, const TSettingsKey&) = default;
};

// Every key, each before its subkeys, subkeys in the tree's (alphabetical) order. Walks with a
// stack of its own: a tree may be deeper than the call stack allows.
inline std::vector<TSettingsKey> FlattenSettings(const plat::RegistryKey& root)
{
    std::vector<TSettingsKey> keys;
    std::vector<std::pair<const plat::RegistryKey*, std::vector<std::string>>> pending{{&root, {}}};
    while (!pending.empty()) {
        auto [key, path] = std::move(pending.back());
        pending.pop_back();
        const std::vector<const plat::RegistryKey*> subKeys = key->SubKeys();
        for (auto sub = subKeys.rbegin(); sub != subKeys.rend(); ++sub) {
            std::vector<std::string> subPath = path;
            subPath.push_back((*sub)->Name());
            pending.emplace_back(*sub, std::move(subPath));
        }
        keys.push_back({std::move(path), key->Values()});
    }
    return keys;
}

inline std::string DescribeKey(const TSettingsKey& key)
{
    std::string text = "[" + plat::JoinRegistryPath(key.Path) + "]";
    for (const plat::RegistryValue& value : key.Values)
        text += " \"" + value.Name + "\"=" + std::to_string(value.Type) + ":" + std::to_string(value.Data.size()) + "B";
    return text;
}

// The first key where two trees differ, for the finding's message.
inline std::string FirstDifference(const std::vector<TSettingsKey>& expected, const std::vector<TSettingsKey>& actual)
{
    for (std::size_t i = 0; i < expected.size() || i < actual.size(); ++i) {
        if (i < expected.size() && i < actual.size() && expected[i] == actual[i])
            continue;
        return "key " + std::to_string(i) + ": expected " + (i < expected.size() ? DescribeKey(expected[i]) : "none") +
               ", got " + (i < actual.size() ? DescribeKey(actual[i]) : "none");
    }
    return {};
}

inline void CheckSameTree(const std::vector<TSettingsKey>& expected, const std::vector<TSettingsKey>& actual, const char* what)
{
    if (actual != expected)
        Finding(what, FirstDifference(expected, actual));
}

inline std::vector<std::string> Lines(const plat::TStrings& strings)
{
    std::vector<std::string> lines;
    for (int i = 0; i < strings.Count(); ++i)
        lines.push_back(strings.GetStrings(i));
    return lines;
}

inline std::string AbsoluteKeyPath(const std::vector<std::string>& path)
{
    return "\\" + plat::JoinRegistryPath(path);
}

// A key as TRegistry reads it: its value names in order, and each value by its name in upper
// case, since names ignore case.
inline void CheckKeyThroughRegistry(const TSettingsKey& key)
{
    using namespace plat;
    TRegistry reg;
    const std::string keyPath = AbsoluteKeyPath(key.Path);
    Check(reg.OpenKeyReadOnly(keyPath), "a key of the tree does not open", keyPath);
    TStringList names;
    reg.GetValueNames(names);
    std::vector<std::string> expected;
    for (const RegistryValue& value : key.Values)
        expected.push_back(value.Name);
    Check(Lines(names) == expected, "value names differ from the tree", keyPath);

    for (const RegistryValue& value : key.Values) {
        const std::string name = FoldRegistryName(value.Name);
        Check(reg.GetDataType(name) == value.Type, "value type differs", value.Name);
        const int terminator = value.Type == rdString ? 1 : 0;
        Check(reg.GetDataSize(name) == static_cast<int>(value.Data.size()) + terminator, "value size differs", value.Name);
        switch (value.Type) {
        case rdString:
            Check(reg.ReadString(name) == value.Data, "string differs", value.Name);
            break;
        case rdInteger: {
            const int number = reg.ReadInteger(name);
            Check(std::memcmp(&number, value.Data.data(), 4) == 0, "integer differs", value.Name);
            break;
        }
        default: {
            std::string bytes(value.Data.size(), '\0');
            const int read = reg.ReadBinaryData(name, bytes.data(), static_cast<int>(bytes.size()));
            Check(read == static_cast<int>(value.Data.size()) && bytes == value.Data, "binary data differs", value.Name);
            break;
        }
        }
    }
}

// Removes the settings file and has the store forget its tree, so that the next input starts
// from nothing and memory taken by one input is given back within it (libFuzzer runs an input
// again, looking for leaks, when it is not).
inline void ForgetSettingsFile(const std::string& path)
{
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    plat::RegistryStore::Instance().Read(path, [](const plat::RegistryKey&) {});
}

// An empty settings folder for this process, in memory where the system has a memory file
// system (the store flushes every save to the disk), made the environment's settings folder and
// removed at exit.
inline const std::string& UseOwnSettingsFolder()
{
    // Never freed, so that it is still there for the clean-up at exit.
    static const std::string* const folder = [] {
        const std::filesystem::path base =
            std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm") : std::filesystem::temp_directory_path();
        std::string pattern = (base / "skelda-fuzz-settings-XXXXXX").string();
        Check(::mkdtemp(pattern.data()) != nullptr, "cannot make a settings folder", pattern);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(*folder, ignored);
        });
        return new std::string(pattern + '/');
    }();
    plat::Env().ConfigDir = *folder;
    return *folder;
}

}  // namespace skelda::fuzz
