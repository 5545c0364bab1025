#include "platform/system/TRegistry.h"

#include "platform/core/TStrings.h"
#include "platform/system/Environment.h"
#include "platform/system/RegistryException.h"
#include "platform/system/RegistryStore.h"

#include <cstring>

namespace plat {

namespace {

[[noreturn]] void RaiseInvalidType(const std::string& name)
{
    throw ERegistryException("Invalid data type for '" + name + "'");
}

[[noreturn]] void RaiseGetFailed(const std::string& name)
{
    throw ERegistryException("Failed to get data for '" + name + "'");
}

[[noreturn]] void RaiseSetFailed(const std::string& name)
{
    throw ERegistryException("Failed to set data for '" + name + "'");
}

std::string DwordBytes(int value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    std::string data(4, '\0');
    for (std::size_t i = 0; i < 4; ++i)
        data[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    return data;
}

int DwordValue(const std::string& data)
{
    std::uint32_t bits = 0;
    for (std::size_t i = 4; i-- > 0;)
        bits = (bits << 8) | static_cast<unsigned char>(data[i]);
    return static_cast<int>(bits);
}

}  // namespace

TRegistry::TRegistry() : FConfigDir(Env().ConfigDir) {}

TRegistry::~TRegistry() = default;

void TRegistry::SetRootKey(HKEY Value)
{
    CloseKey();
    FRootKey = Value;
}

std::string TRegistry::GetCurrentPath() const
{
    return FOpen ? JoinRegistryPath(FCurrentPath) : std::string();
}

std::optional<std::vector<std::string>> TRegistry::Resolve(const std::string& Key) const
{
    std::vector<std::string> path;
    std::string_view rest = Key;
    if (!rest.empty() && rest.front() == '\\')
        rest.remove_prefix(1);
    else if (FOpen)
        path = FCurrentPath;
    if (!rest.empty() && rest.back() == '\\')
        rest.remove_suffix(1);
    if (rest.empty())
        return path;
    while (true) {
        const std::size_t end = rest.find('\\');
        const std::string_view step = rest.substr(0, end);
        // A deeper key would be skipped as damaged when the file is read again.
        if (step.empty() || path.size() == MaxRegistryKeyDepth)
            return std::nullopt;
        path.emplace_back(step);
        if (end == std::string_view::npos)
            return path;
        rest.remove_prefix(end + 1);
    }
}

std::string TRegistry::FilePath() const
{
    return RegistryFilePath(FConfigDir, FRootKey);
}

bool TRegistry::MakeKey(const std::vector<std::string>& path, std::string& error)
{
    const TRegistryWriteResult result = RegistryStore::Instance().Write(
        FilePath(),
        [&](RegistryKey& root) {
            if (root.Find(path))
                return RegistryChange{};
            RegistryKey* key = &root;
            for (const std::string& step : path)
                key = &key->EnsureSubKey(step);
            return RegistryChange{RegistryChange::KeyChanged, path};
        },
        error);
    return result == TRegistryWriteResult::Unchanged || result == TRegistryWriteResult::Saved;
}

bool TRegistry::OpenKey(const std::string& Key, bool CanCreate)
{
    const std::optional<std::vector<std::string>> path = Resolve(Key);
    if (!path)
        return false;
    std::string error;
    const bool exists = CanCreate ? MakeKey(*path, error) : KeyExists(Key);
    if (!exists)
        return false;
    FCurrentPath = *path;
    FOpen = true;
    FReadOnly = false;
    return true;
}

bool TRegistry::OpenKeyReadOnly(const std::string& Key)
{
    const std::optional<std::vector<std::string>> path = Resolve(Key);
    if (!path || !KeyExists(Key))
        return false;
    FCurrentPath = *path;
    FOpen = true;
    FReadOnly = true;
    return true;
}

void TRegistry::CloseKey()
{
    FCurrentPath.clear();
    FOpen = false;
    FReadOnly = false;
}

bool TRegistry::CreateKey(const std::string& Key)
{
    const std::optional<std::vector<std::string>> path = Resolve(Key);
    std::string error;
    if (!path || !MakeKey(*path, error))
        throw ERegistryException("Failed to create key " + Key);
    return true;
}

bool TRegistry::DeleteKey(const std::string& Key)
{
    // An empty name would mean the open key (or the root) itself; that takes naming it.
    if (Key.empty() || Key == "\\")
        return false;
    const std::optional<std::vector<std::string>> path = Resolve(Key);
    if (!path || path->empty())
        return false;
    std::string error;
    const TRegistryWriteResult result = RegistryStore::Instance().Write(
        FilePath(),
        [&](RegistryKey& root) {
            const std::vector<std::string> parentPath(path->begin(), path->end() - 1);
            RegistryKey* parent = root.Find(parentPath);
            if (!parent || !parent->RemoveSubKey(path->back()))
                return RegistryChange{};
            return RegistryChange{RegistryChange::SubtreeRemoved, *path};
        },
        error);
    return result == TRegistryWriteResult::Saved;
}

bool TRegistry::KeyExists(const std::string& Key)
{
    const std::optional<std::vector<std::string>> path = Resolve(Key);
    if (!path)
        return false;
    bool exists = false;
    RegistryStore::Instance().Read(FilePath(), [&](const RegistryKey& root) { exists = root.Find(*path) != nullptr; });
    return exists && !FilePath().empty();
}

bool TRegistry::HasSubKeys()
{
    bool hasSubKeys = false;
    if (FOpen) {
        RegistryStore::Instance().Read(FilePath(), [&](const RegistryKey& root) {
            const RegistryKey* key = root.Find(FCurrentPath);
            hasSubKeys = key && key->HasSubKeys();
        });
    }
    return hasSubKeys;
}

void TRegistry::GetKeyNames(TStrings& Strings)
{
    std::vector<std::string> names;
    if (FOpen) {
        RegistryStore::Instance().Read(FilePath(), [&](const RegistryKey& root) {
            if (const RegistryKey* key = root.Find(FCurrentPath)) {
                for (const RegistryKey* sub : key->SubKeys())
                    names.push_back(sub->Name());
            }
        });
    }
    Strings.Clear();
    for (const std::string& name : names)
        Strings.Add(name);
}

void TRegistry::GetValueNames(TStrings& Strings)
{
    std::vector<std::string> names;
    if (FOpen) {
        RegistryStore::Instance().Read(FilePath(), [&](const RegistryKey& root) {
            if (const RegistryKey* key = root.Find(FCurrentPath)) {
                for (const RegistryValue& value : key->Values())
                    names.push_back(value.Name);
            }
        });
    }
    Strings.Clear();
    for (const std::string& name : names)
        Strings.Add(name);
}

std::optional<RegistryValue> TRegistry::FindValue(const std::string& Name)
{
    std::optional<RegistryValue> found;
    if (FOpen) {
        RegistryStore::Instance().Read(FilePath(), [&](const RegistryKey& root) {
            if (const RegistryKey* key = root.Find(FCurrentPath)) {
                if (const RegistryValue* value = key->FindValue(Name))
                    found = *value;
            }
        });
    }
    return found;
}

bool TRegistry::ValueExists(const std::string& Name)
{
    return FindValue(Name).has_value();
}

bool TRegistry::DeleteValue(const std::string& Name)
{
    if (!FOpen || FReadOnly)
        return false;
    std::string error;
    const TRegistryWriteResult result = RegistryStore::Instance().Write(
        FilePath(),
        [&](RegistryKey& root) {
            RegistryKey* key = root.Find(FCurrentPath);
            if (!key || !key->RemoveValue(Name))
                return RegistryChange{};
            return RegistryChange{RegistryChange::KeyChanged, FCurrentPath};
        },
        error);
    return result == TRegistryWriteResult::Saved;
}

int TRegistry::GetDataSize(const std::string& ValueName)
{
    const std::optional<RegistryValue> value = FindValue(ValueName);
    if (!value)
        return -1;
    const std::size_t terminator = value->Type == rdString ? 1 : 0;
    return static_cast<int>(value->Data.size() + terminator);
}

TRegDataType TRegistry::GetDataType(const std::string& ValueName)
{
    const std::optional<RegistryValue> value = FindValue(ValueName);
    return value ? value->Type : rdUnknown;
}

RegistryValue TRegistry::ValueForReading(const std::string& Name, TRegDataType Type)
{
    std::optional<RegistryValue> value = FindValue(Name);
    if (!value)
        RaiseGetFailed(Name);
    if (value->Type != Type)
        RaiseInvalidType(Name);
    return std::move(*value);
}

void TRegistry::PutData(const std::string& Name, TRegDataType Type, std::string Data)
{
    if (!FOpen || FReadOnly)
        RaiseSetFailed(Name);
    std::string error;
    const TRegistryWriteResult result = RegistryStore::Instance().Write(
        FilePath(),
        [&](RegistryKey& root) {
            RegistryKey* key = root.Find(FCurrentPath);
            if (!key)
                return RegistryChange{RegistryChange::KeyMissing, FCurrentPath};
            if (!key->SetValue({Name, Type, std::move(Data)}))
                return RegistryChange{};
            return RegistryChange{RegistryChange::KeyChanged, FCurrentPath};
        },
        error);
    if (result == TRegistryWriteResult::KeyMissing || result == TRegistryWriteResult::SaveFailed)
        RaiseSetFailed(Name);
}

std::string TRegistry::ReadString(const std::string& Name)
{
    const std::optional<RegistryValue> value = FindValue(Name);
    if (!value)
        return {};
    if (value->Type != rdString)
        RaiseInvalidType(Name);
    return value->Data;
}

void TRegistry::WriteString(const std::string& Name, const std::string& Value)
{
    PutData(Name, rdString, Value);
}

int TRegistry::ReadInteger(const std::string& Name)
{
    return DwordValue(ValueForReading(Name, rdInteger).Data);
}

void TRegistry::WriteInteger(const std::string& Name, int Value)
{
    PutData(Name, rdInteger, DwordBytes(Value));
}

bool TRegistry::ReadBool(const std::string& Name)
{
    return ReadInteger(Name) != 0;
}

void TRegistry::WriteBool(const std::string& Name, bool Value)
{
    WriteInteger(Name, Value ? 1 : 0);
}

double TRegistry::ReadFloat(const std::string& Name)
{
    const RegistryValue value = ValueForReading(Name, rdBinary);
    double result = 0;
    if (value.Data.size() != sizeof result)
        RaiseInvalidType(Name);
    std::memcpy(&result, value.Data.data(), sizeof result);
    return result;
}

void TRegistry::WriteFloat(const std::string& Name, double Value)
{
    std::string data(sizeof Value, '\0');
    std::memcpy(data.data(), &Value, sizeof Value);
    PutData(Name, rdBinary, std::move(data));
}

int TRegistry::ReadBinaryData(const std::string& Name, void* Buffer, int BufSize)
{
    const std::optional<RegistryValue> value = FindValue(Name);
    if (!value)
        return 0;
    const int size = static_cast<int>(value->Data.size());
    if (value->Type != rdBinary || size > BufSize || (size > 0 && !Buffer))
        RaiseInvalidType(Name);
    if (size > 0)
        std::memcpy(Buffer, value->Data.data(), static_cast<std::size_t>(size));
    return size;
}

void TRegistry::WriteBinaryData(const std::string& Name, const void* Buffer, int BufSize)
{
    if (BufSize < 0 || (BufSize > 0 && !Buffer))
        RaiseSetFailed(Name);
    std::string data;
    if (BufSize > 0)
        data.assign(static_cast<const char*>(Buffer), static_cast<std::size_t>(BufSize));
    PutData(Name, rdBinary, std::move(data));
}

bool TRegistry::WithSubKey(const std::string& SubKey, bool CanCreate, const std::function<void()>& action)
{
    if (CanCreate)
        CreateKey(SubKey);
    else if (!KeyExists(SubKey))
        return false;
    const std::optional<std::vector<std::string>> path = Resolve(SubKey);
    if (!path)
        return false;

    struct Reopen {
        TRegistry& Registry;
        std::vector<std::string> Path;
        bool Open;
        ~Reopen()
        {
            Registry.FCurrentPath = std::move(Path);
            Registry.FOpen = Open;
        }
    } reopen{*this, FCurrentPath, FOpen};
    FCurrentPath = *path;
    FOpen = true;
    action();
    return true;
}

}  // namespace plat
