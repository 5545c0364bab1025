#pragma once

#include "platform/core/TObject.h"
#include "platform/system/RegistryKey.h"
#include "platform/system/RegistryRoots.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace plat {

class TStrings;

// The settings store as a tree of keys holding typed values, reached the way the widget
// library's registry object reached it: choose a root, open a key, read and write its values.
// Key paths use '\' between names; a path that starts with '\' counts from the root, any other
// from the open key (or the root when none is open). A path deeper than MaxRegistryKeyDepth
// names no key: it neither opens nor can be made. Every write is saved at once.
// The store lives under Env().ConfigDir as it was when the object was made.
class TRegistry : public TObject {
public:
    TRegistry();
    ~TRegistry() override;

    HKEY GetRootKey() const { return FRootKey; }
    // Closes the open key.
    void SetRootKey(HKEY Value);
    // The open key's path from the root, empty when none is open.
    std::string GetCurrentPath() const;
    bool HasCurrentKey() const { return FOpen; }

    // Opens Key for reading and writing; with CanCreate the missing keys on its path are made.
    // False (and the open key unchanged) when Key does not exist or cannot be made.
    bool OpenKey(const std::string& Key, bool CanCreate);
    // Opens an existing key for reading; writes to it raise, deletes of its values fail.
    bool OpenKeyReadOnly(const std::string& Key);
    void CloseKey();
    // Makes Key; true when it exists afterwards. ERegistryException "Failed to create key <Key>"
    // when it cannot be made.
    bool CreateKey(const std::string& Key);
    // Deletes Key with everything below it; false when it did not exist or was not deleted, and
    // for an empty Key (the open key must be deleted by its name).
    bool DeleteKey(const std::string& Key);
    bool KeyExists(const std::string& Key);
    bool HasSubKeys();
    // Names of the subkeys (alphabetical) and values (in order of first writing) of the open key.
    void GetKeyNames(TStrings& Strings);
    void GetValueNames(TStrings& Strings);

    bool ValueExists(const std::string& Name);
    bool DeleteValue(const std::string& Name);
    // Size of the value's data in bytes (for a string its UTF-8 bytes and a terminating zero);
    // -1 when there is no such value.
    int GetDataSize(const std::string& ValueName);
    // rdUnknown when there is no such value.
    TRegDataType GetDataType(const std::string& ValueName);

    // Reads of a value of another type raise ERegistryException "Invalid data type for '<Name>'".
    // A missing value reads as "" for strings and as 0 bytes for binary data, and raises
    // "Failed to get data for '<Name>'" for the other types. Writes to no open key, to a
    // read-only key or to a key deleted meanwhile, and writes that cannot be saved, raise
    // "Failed to set data for '<Name>'"; the file then keeps its former contents.
    std::string ReadString(const std::string& Name);
    void WriteString(const std::string& Name, const std::string& Value);
    int ReadInteger(const std::string& Name);  // REG_DWORD
    void WriteInteger(const std::string& Name, int Value);
    bool ReadBool(const std::string& Name);  // REG_DWORD 0 or 1
    void WriteBool(const std::string& Name, bool Value);
    double ReadFloat(const std::string& Name);  // the 8 bytes of the double, REG_BINARY
    void WriteFloat(const std::string& Name, double Value);
    // Copies the data into Buffer and returns its size; raises when it is larger than BufSize.
    int ReadBinaryData(const std::string& Name, void* Buffer, int BufSize);
    void WriteBinaryData(const std::string& Name, const void* Buffer, int BufSize);

protected:
    // Runs action with the subkey SubKey (a path as for OpenKey) as the open key, then reopens
    // the former one. False without running action when the subkey is missing and CanCreate is
    // not set; ERegistryException as CreateKey when it cannot be made.
    bool WithSubKey(const std::string& SubKey, bool CanCreate, const std::function<void()>& action);

private:
    std::optional<std::vector<std::string>> Resolve(const std::string& Key) const;
    std::string FilePath() const;
    bool MakeKey(const std::vector<std::string>& path, std::string& error);
    // The open key's value, if the key and the value exist.
    std::optional<RegistryValue> FindValue(const std::string& Name);
    RegistryValue ValueForReading(const std::string& Name, TRegDataType Type);
    void PutData(const std::string& Name, TRegDataType Type, std::string Data);

    std::string FConfigDir;
    HKEY FRootKey = HKEY_CURRENT_USER;
    std::vector<std::string> FCurrentPath;
    bool FOpen = false;
    bool FReadOnly = false;
};

}  // namespace plat
