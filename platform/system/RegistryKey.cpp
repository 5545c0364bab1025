#include "platform/system/RegistryKey.h"

#include <algorithm>
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
    const std::string folded = FoldRegistryName(name);
    const auto found = std::find_if(FValues.begin(), FValues.end(),
                                    [&](const RegistryValue& v) { return FoldRegistryName(v.Name) == folded; });
    return found == FValues.end() ? nullptr : &*found;
}

bool RegistryKey::SetValue(RegistryValue value)
{
    const RegistryValue* existing = FindValue(value.Name);
    if (!existing) {
        FValues.push_back(std::move(value));
        return true;
    }
    auto& slot = FValues[static_cast<std::size_t>(existing - FValues.data())];
    // The stored name keeps its first spelling; only type and data count as a change.
    if (slot.Type == value.Type && slot.Data == value.Data)
        return false;
    slot.Type = value.Type;
    slot.Data = std::move(value.Data);
    return true;
}

bool RegistryKey::RemoveValue(std::string_view name)
{
    const RegistryValue* existing = FindValue(name);
    if (!existing)
        return false;
    FValues.erase(FValues.begin() + (existing - FValues.data()));
    return true;
}

}  // namespace plat
