#pragma once

#include "platform/system/TRegistry.h"

namespace plat {

// The registry seen as an INI file: the key FileName (opened, and made when missing, on
// HKEY_CURRENT_USER) holds one subkey per section. Values are written as strings: integers as
// decimal text, booleans as "1" and "0". Reading gives the default for a missing value, and for
// an integer whose text is no valid integer.
class TRegIniFile : public TRegistry {
public:
    explicit TRegIniFile(const std::string& FileName);

    const std::string& GetFileName() const { return FFileName; }

    using TRegistry::ReadBool;
    using TRegistry::ReadInteger;
    using TRegistry::ReadString;
    using TRegistry::ValueExists;
    using TRegistry::WriteBool;
    using TRegistry::WriteInteger;
    using TRegistry::WriteString;

    std::string ReadString(const std::string& Section, const std::string& Ident, const std::string& Default);
    // A REG_DWORD value is read as it is; other non-string types raise as TRegistry::ReadInteger.
    int ReadInteger(const std::string& Section, const std::string& Ident, int Default);
    bool ReadBool(const std::string& Section, const std::string& Ident, bool Default);
    void WriteString(const std::string& Section, const std::string& Ident, const std::string& Value);
    void WriteInteger(const std::string& Section, const std::string& Ident, int Value);
    void WriteBool(const std::string& Section, const std::string& Ident, bool Value);
    bool ValueExists(const std::string& Section, const std::string& Ident);

    // Deletes the section with all its values.
    void EraseSection(const std::string& Section);
    // The value names of Section; empty when it does not exist.
    void ReadSection(const std::string& Section, TStrings& Strings);
    // The section names.
    void ReadSections(TStrings& Strings);

private:
    std::string FFileName;
};

}  // namespace plat
