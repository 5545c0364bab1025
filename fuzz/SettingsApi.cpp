// The settings API as the program uses it: keys opened, made and deleted, values written and
// deleted, with any names and data. Each call does what TRegistry documents (checked against a
// model of the tree), each value reads back as written, and at the end the saved file, read by a
// store that never saw the calls, holds exactly the model's tree.
//
// Input: a sequence of operations, each a byte choosing it followed by its arguments; a text
// argument is a length byte and that many bytes.

#include "SettingsTree.h"

#include "platform/system/Conversions.h"
#include "platform/system/RegistryException.h"
#include "platform/system/RegistryRoots.h"
#include "platform/system/RegistryStore.h"
#include "platform/system/TRegIniFile.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>

using namespace plat;
using skelda::fuzz::Check;
using skelda::fuzz::TSettingsKey;

namespace {

using TPath = std::vector<std::string>;

// Every save writes the whole file; this many operations keep one input fast.
constexpr int MaxOperations = 48;
constexpr std::size_t MaxNameBytes = 24;

class TArguments {
public:
    TArguments(const std::uint8_t* Data, std::size_t Size) : FData(Data), FSize(Size) {}

    bool Empty() const { return FPos >= FSize; }
    std::uint8_t Byte() { return FPos < FSize ? FData[FPos++] : 0; }
    std::string Text(std::size_t MaxBytes)
    {
        std::string text;
        for (std::size_t length = Byte() % (MaxBytes + 1); length > 0 && !Empty(); --length)
            text += static_cast<char>(Byte());
        return text;
    }
    std::string Bytes(std::size_t Count)
    {
        std::string bytes;
        while (bytes.size() < Count)
            bytes += static_cast<char>(Byte());
        return bytes;
    }
    // A number made of the next bytes as the machine lays it out; Bytes gets those bytes.
    template <typename TNumber>
    TNumber Number(std::string& Bytes)
    {
        Bytes = this->Bytes(sizeof(TNumber));
        TNumber number;
        std::memcpy(&number, Bytes.data(), sizeof number);
        return number;
    }

private:
    const std::uint8_t* FData;
    std::size_t FSize;
    std::size_t FPos = 0;
};

template <typename TValues>
auto FindByName(TValues& values, const std::string& name)
{
    return std::find_if(values.begin(), values.end(),
                        [&](const RegistryValue& value) { return FoldRegistryName(value.Name) == FoldRegistryName(name); });
}

// A path's folded names as one string that sorts as the tree orders its keys, each before its
// subkeys and subkeys by their folded names: every name ends in a zero byte, and the bytes 0 and
// 1 inside a name are written as 1 1 and 1 2, so the end of a name sorts before any of its bytes.
// Deep paths compare as strings rather than as vectors of names.
void AppendSortKey(std::string& key, const std::string& name)
{
    for (const char c : FoldRegistryName(name)) {
        if (c == '\0' || c == '\1') {
            key += '\1';
            key += static_cast<char>(c + 1);
        } else {
            key += c;
        }
    }
    key += '\0';
}

std::string SortKey(const TPath& path)
{
    std::string key;
    for (const std::string& name : path)
        AppendSortKey(key, name);
    return key;
}

// The tree the calls should leave: keys by their folded paths, each with the spelling of its
// first making and its values in the order of their first writing.
class TSettingsModel {
public:
    TSettingsModel() { FKeys[{}]; }

    bool HasKey(const TPath& path) const { return FKeys.count(SortKey(path)) > 0; }

    void AddKey(const TPath& path)
    {
        std::string key;
        for (std::size_t depth = 1; depth <= path.size(); ++depth) {
            AppendSortKey(key, path[depth - 1]);
            if (auto [added, isNew] = FKeys.try_emplace(key); isNew)
                added->second = {path[depth - 1], depth, {}};
        }
    }

    // A key and its subkeys sort together, right after it.
    void RemoveKey(const TPath& path)
    {
        const std::string prefix = SortKey(path);
        auto key = FKeys.lower_bound(prefix);
        while (key != FKeys.end() && key->first.starts_with(prefix))
            key = FKeys.erase(key);
    }

    const RegistryValue* FindValue(const TPath& path, const std::string& name) const
    {
        const auto key = FKeys.find(SortKey(path));
        if (key == FKeys.end())
            return nullptr;
        const auto found = FindByName(key->second.Values, name);
        return found == key->second.Values.end() ? nullptr : &*found;
    }

    void SetValue(const TPath& path, const RegistryValue& value)
    {
        std::vector<RegistryValue>& values = FKeys.at(SortKey(path)).Values;
        const auto found = FindByName(values, value.Name);
        if (found == values.end()) {
            values.push_back(value);
            return;
        }
        found->Type = value.Type;
        found->Data = value.Data;
    }

    void RemoveValue(const TPath& path, const std::string& name)
    {
        std::vector<RegistryValue>& values = FKeys.at(SortKey(path)).Values;
        const auto found = FindByName(values, name);
        if (found != values.end())
            values.erase(found);
    }

    // In the order FlattenSettings gives, so the keys above each key are the last ones met at
    // each depth above it.
    std::vector<TSettingsKey> Flatten() const
    {
        std::vector<TSettingsKey> keys;
        TPath spelled;
        for (const auto& entry : FKeys) {
            const TKey& key = entry.second;
            spelled.resize(key.Depth);
            if (key.Depth > 0)
                spelled.back() = key.Name;
            keys.push_back({spelled, key.Values});
        }
        return keys;
    }

private:
    struct TKey {
        std::string Name;
        std::size_t Depth = 0;
        std::vector<RegistryValue> Values;
    };

    std::map<std::string, TKey> FKeys;  // by SortKey
};

// The key a path names as TRegistry documents it: '\' first counts from the root, anything else
// from the open key (the root when none is open); one '\' at the end is ignored; an empty name,
// or a key deeper than the store allows, names none.
std::optional<TPath> Resolve(std::string_view key, const std::optional<TPath>& open)
{
    TPath path;
    if (key.starts_with('\\'))
        key.remove_prefix(1);
    else if (open)
        path = *open;
    if (key.ends_with('\\'))
        key.remove_suffix(1);
    while (!key.empty()) {
        const std::size_t end = key.find('\\');
        const std::string_view name = key.substr(0, end);
        if (name.empty())
            return std::nullopt;
        path.emplace_back(name);
        key.remove_prefix(end == std::string_view::npos ? key.size() : end + 1);
        if (end != std::string_view::npos && key.empty())
            return std::nullopt;
    }
    if (path.size() > MaxRegistryKeyDepth)
        return std::nullopt;
    return path;
}

enum TOperation {
    OpenCreating,
    OpenExisting,
    OpenReadOnly,
    OpenDeep,
    Create,
    Close,
    WriteString,
    WriteInteger,
    WriteBinary,
    WriteBool,
    WriteFloat,
    DeleteValue,
    DeleteKey,
    WriteSectionInteger,
    OperationCount
};

class TSession {
public:
    void Run(TArguments& args)
    {
        for (int done = 0; done < MaxOperations && !args.Empty(); ++done)
            Step(args);
    }

    const TSettingsModel& Model() const { return FModel; }

private:
    void Step(TArguments& args)
    {
        switch (args.Byte() % OperationCount) {
        case OpenCreating:
            Open(args.Text(MaxNameBytes * 3), true, false);
            break;
        case OpenExisting:
            Open(args.Text(MaxNameBytes * 3), false, false);
            break;
        case OpenReadOnly:
            Open(args.Text(MaxNameBytes * 3), false, true);
            break;
        case OpenDeep: {
            // A key just deeper than the store allows, which must not be made: many bytes of
            // path, from one short name. Keys right at the limit are left to the unit tests: a
            // tree that deep makes every later save and read of an input cost a hundred times
            // more.
            const std::string name(1, static_cast<char>(args.Byte()));
            const std::size_t levels = MaxRegistryKeyDepth + 1 + args.Byte() % 2;
            std::string key = name;
            for (std::size_t level = 1; level < levels; ++level)
                key += "\\" + name;
            Open(key, true, false);
            break;
        }
        case Create:
            CreateKey(args.Text(MaxNameBytes * 3));
            break;
        case Close:
            FRegistry.CloseKey();
            FOpen.reset();
            break;
        case WriteString: {
            const std::string name = args.Text(MaxNameBytes);
            const std::string text = args.Text(255);
            Write(name, rdString, text, [&] { FRegistry.WriteString(name, text); },
                  [&] { return FRegistry.ReadString(FoldRegistryName(name)) == text; });
            break;
        }
        case WriteInteger: {
            const std::string name = args.Text(MaxNameBytes);
            std::string bytes;
            const int number = args.Number<int>(bytes);
            Write(name, rdInteger, bytes, [&] { FRegistry.WriteInteger(name, number); },
                  [&] { return FRegistry.ReadInteger(FoldRegistryName(name)) == number; });
            break;
        }
        case WriteBinary: {
            const std::string name = args.Text(MaxNameBytes);
            const std::string bytes = args.Text(255);
            Write(name, rdBinary, bytes, [&] { FRegistry.WriteBinaryData(name, bytes.data(), static_cast<int>(bytes.size())); },
                  [&] {
                      std::string read(bytes.size(), '\0');
                      return FRegistry.ReadBinaryData(FoldRegistryName(name), read.data(), static_cast<int>(read.size())) ==
                                 static_cast<int>(bytes.size()) &&
                             read == bytes;
                  });
            break;
        }
        case WriteBool: {
            const std::string name = args.Text(MaxNameBytes);
            const bool flag = args.Byte() & 1;
            Write(name, rdInteger, std::string(flag ? "\x01" : "\x00", 1) + std::string(3, '\0'),
                  [&] { FRegistry.WriteBool(name, flag); }, [&] { return FRegistry.ReadBool(FoldRegistryName(name)) == flag; });
            break;
        }
        case WriteFloat: {
            const std::string name = args.Text(MaxNameBytes);
            std::string bytes;
            const double number = args.Number<double>(bytes);
            Write(name, rdBinary, bytes, [&] { FRegistry.WriteFloat(name, number); },
                  [&] {
                      const double read = FRegistry.ReadFloat(FoldRegistryName(name));
                      return std::memcmp(&read, &number, 8) == 0;
                  });
            break;
        }
        case DeleteValue:
            RemoveValue(args.Text(MaxNameBytes));
            break;
        case DeleteKey:
            RemoveKey(args.Text(MaxNameBytes * 3));
            break;
        case WriteSectionInteger: {
            const std::string section = args.Text(MaxNameBytes * 2);
            const std::string ident = args.Text(MaxNameBytes);
            std::string bytes;
            WriteSection(section, ident, args.Number<int>(bytes));
            break;
        }
        default:
            break;
        }
    }

    void Open(const std::string& key, bool canCreate, bool readOnly)
    {
        const std::optional<TPath> path = Resolve(key, FOpen);
        const bool expected = path && (canCreate || FModel.HasKey(*path));
        const bool opened = readOnly ? FRegistry.OpenKeyReadOnly(key) : FRegistry.OpenKey(key, canCreate);
        Check(opened == expected, expected ? "a key did not open" : "a key opened that is not there", key);
        if (!opened)
            return;
        FModel.AddKey(*path);
        FOpen = path;
        FReadOnly = readOnly;
        Check(FRegistry.GetCurrentPath() == JoinRegistryPath(*path), "the open key has another path", key);
    }

    void CreateKey(const std::string& key)
    {
        const std::optional<TPath> path = Resolve(key, FOpen);
        try {
            FRegistry.CreateKey(key);
            Check(path.has_value(), "a key was made from a path that names none", key);
            FModel.AddKey(*path);
        } catch (const ERegistryException& e) {
            Check(!path && e.Message() == "Failed to create key " + key, "making a key failed", e.Message());
        }
    }

    bool Writable() const { return FOpen && !FReadOnly && FModel.HasKey(*FOpen); }

    template <typename TWrite, typename TReadsBack>
    void Write(const std::string& name, TRegDataType type, const std::string& data, TWrite write, TReadsBack readsBack)
    {
        const bool writable = Writable();
        try {
            write();
            Check(writable, "a write succeeded where it must fail", name);
        } catch (const ERegistryException& e) {
            Check(!writable && e.Message() == "Failed to set data for '" + name + "'", "a write failed", e.Message());
            return;
        }
        FModel.SetValue(*FOpen, {name, type, data});
        Check(readsBack(), "a value does not read back as written", name);
    }

    void RemoveValue(const std::string& name)
    {
        const bool expected = Writable() && FModel.FindValue(*FOpen, name);
        Check(FRegistry.DeleteValue(name) == expected, "deleting a value did not do as told", name);
        if (expected)
            FModel.RemoveValue(*FOpen, name);
        if (FOpen)
            Check(!FRegistry.ValueExists(name) || FReadOnly, "a deleted value is still there", name);
    }

    void RemoveKey(const std::string& key)
    {
        const std::optional<TPath> path = Resolve(key, FOpen);
        const bool named = key != "" && key != "\\" && path && !path->empty();
        const bool expected = named && FModel.HasKey(*path);
        Check(FRegistry.DeleteKey(key) == expected, "deleting a key did not do as told", key);
        if (expected)
            FModel.RemoveKey(*path);
        Check(!named || !FRegistry.KeyExists(key), "a deleted key is still there", key);
    }

    // TRegIniFile on the open key (the root when none is open): sections are subkeys, integers
    // are kept as text.
    void WriteSection(const std::string& section, const std::string& ident, int number)
    {
        const TPath iniPath = FOpen.value_or(TPath{});
        TRegIniFile ini(skelda::fuzz::AbsoluteKeyPath(iniPath));
        FModel.AddKey(iniPath);
        const std::optional<TPath> path = Resolve(section, iniPath);
        try {
            ini.WriteInteger(section, ident, number);
            Check(path.has_value(), "a section was written that names no key", section);
        } catch (const ERegistryException& e) {
            Check(!path && e.Message() == "Failed to create key " + section, "writing a section failed", e.Message());
            return;
        }
        FModel.AddKey(*path);
        FModel.SetValue(*path, {ident, rdString, IntToStr(number)});
        Check(ini.ReadInteger(section, FoldRegistryName(ident), ~number) == number, "a section integer does not read back", ident);
    }

    TRegistry FRegistry;
    TSettingsModel FModel;
    std::optional<TPath> FOpen;
    bool FReadOnly = false;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    skelda::fuzz::UseOwnSettingsFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const std::string path = RegistryFilePath(skelda::fuzz::UseOwnSettingsFolder(), HKEY_CURRENT_USER);
    skelda::fuzz::ForgetSettingsFile(path);

    std::vector<TSettingsKey> expected;
    {
        TArguments args(Data, Size);
        TSession session;
        session.Run(args);
        expected = session.Model().Flatten();
    }

    std::vector<TSettingsKey> kept;
    RegistryStore::Instance().Read(path, [&](const RegistryKey& root) { kept = skelda::fuzz::FlattenSettings(root); });
    skelda::fuzz::CheckSameTree(expected, kept, "the store holds another tree than the calls made");
    // The keys themselves are compared above; through TRegistry, what counts is finding values.
    for (const TSettingsKey& key : expected)
        if (!key.Values.empty())
            skelda::fuzz::CheckKeyThroughRegistry(key);

    std::vector<TSettingsKey> reread;
    {
        RegistryStore fresh;
        fresh.Read(path, [&](const RegistryKey& root) { reread = skelda::fuzz::FlattenSettings(root); });
    }
    skelda::fuzz::CheckSameTree(expected, reread, "the saved file holds another tree than the calls made");
    skelda::fuzz::ForgetSettingsFile(path);
    return 0;
}
