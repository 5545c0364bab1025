#include "platform/system/RegistryKey.h"

#include <utility>

namespace plat {

std::string FoldRegistryName(std::string_view name)
{
    std::string folded(name);
    for (char& c : folded) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return folded;
}

std::string JoinRegistryPath(const std::vector<std::string>& path)
{
    std::string joined;
    for (const std::string& step : path) {
        if (!joined.empty())
            joined += '\\';
        joined += step;
    }
    return joined;
}

RegistryKey::RegistryKey(std::string name) : FName(std::move(name)) {}

RegistryKey::~RegistryKey()
{
    // Each key is emptied of its subkeys before it goes, so that no destructor reaches further
    // down: freeing a chain of keys one inside the other would take stack for every level.
    std::vector<std::unique_ptr<RegistryKey>> doomed;
    const auto takeSubKeys = [&doomed](RegistryKey& key) {
        for (auto& entry : key.FSubKeys)
            doomed.push_back(std::move(entry.second));
        key.FSubKeys.clear();
    };
    takeSubKeys(*this);
    while (!doomed.empty()) {
        const std::unique_ptr<RegistryKey> key = std::move(doomed.back());
        doomed.pop_back();
        takeSubKeys(*key);
    }
}

const RegistryKey* RegistryKey::FindSubKey(std::string_view name) const
{
    const auto found = FSubKeys.find(FoldRegistryName(name));
    return found == FSubKeys.end() ? nullptr : found->second.get();
}

RegistryKey* RegistryKey::FindSubKey(std::string_view name)
{
    return const_cast<RegistryKey*>(std::as_const(*this).FindSubKey(name));
}

RegistryKey& RegistryKey::EnsureSubKey(std::string_view name)
{
    std::unique_ptr<RegistryKey>& slot = FSubKeys[FoldRegistryName(name)];
    if (!slot)
        slot = std::make_unique<RegistryKey>(std::string(name));
    return *slot;
}

bool RegistryKey::RemoveSubKey(std::string_view name)
{
    return FSubKeys.erase(FoldRegistryName(name)) > 0;
}

std::vector<const RegistryKey*> RegistryKey::SubKeys() const
{
    std::vector<const RegistryKey*> keys;
    keys.reserve(FSubKeys.size());
    for (const auto& entry : FSubKeys)
        keys.push_back(entry.second.get());
    return keys;
}

const RegistryKey* RegistryKey::Find(const std::vector<std::string>& path) const
{
    const RegistryKey* key = this;
    for (const std::string& step : path) {
        key = key->FindSubKey(step);
        if (!key)
            return nullptr;
    }
    return key;
}

RegistryKey* RegistryKey::Find(const std::vector<std::string>& path)
{
    return const_cast<RegistryKey*>(std::as_const(*this).Find(path));
}

const RegistryValue* RegistryKey::FindValue(std::string_view name) const
{
    const auto found = FValueIndex.find(FoldRegistryName(name));
    return found == FValueIndex.end() ? nullptr : &FValues[found->second];
}

bool RegistryKey::SetValue(RegistryValue value)
{
    const auto [found, added] = FValueIndex.try_emplace(FoldRegistryName(value.Name), FValues.size());
    if (added) {
        FValues.push_back(std::move(value));
        return true;
    }
    RegistryValue& slot = FValues[found->second];
    // The stored name keeps its first spelling; only type and data count as a change.
    if (slot.Type == value.Type && slot.Data == value.Data)
        return false;
    slot.Type = value.Type;
    slot.Data = std::move(value.Data);
    return true;
}

bool RegistryKey::RemoveValue(std::string_view name)
{
    const auto found = FValueIndex.find(FoldRegistryName(name));
    if (found == FValueIndex.end())
        return false;
    const std::size_t removed = found->second;
    FValueIndex.erase(found);
    FValues.erase(FValues.begin() + static_cast<std::ptrdiff_t>(removed));
    for (auto& entry : FValueIndex) {
        if (entry.second > removed)
            --entry.second;
    }
    return true;
}

}  // namespace plat
