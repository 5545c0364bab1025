#include "platform/system/TRegIniFile.h"

#include "platform/core/TStrings.h"
#include "platform/system/Conversions.h"

namespace plat {

TRegIniFile::TRegIniFile(const std::string& FileName) : FFileName(FileName)
{
    OpenKey(FileName, true);
}

std::string TRegIniFile::ReadString(const std::string& Section, const std::string& Ident, const std::string& Default)
{
    std::string result = Default;
    WithSubKey(Section, false, [&] {
        if (ValueExists(Ident))
            result = ReadString(Ident);
    });
    return result;
}

int TRegIniFile::ReadInteger(const std::string& Section, const std::string& Ident, int Default)
{
    int result = Default;
    WithSubKey(Section, false, [&] {
        if (!ValueExists(Ident))
            return;
        if (GetDataType(Ident) == rdString)
            result = StrToIntDef(ReadString(Ident), Default);
        else
            result = ReadInteger(Ident);
    });
    return result;
}

bool TRegIniFile::ReadBool(const std::string& Section, const std::string& Ident, bool Default)
{
    return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TRegIniFile::WriteString(const std::string& Section, const std::string& Ident, const std::string& Value)
{
    WithSubKey(Section, true, [&] { WriteString(Ident, Value); });
}

void TRegIniFile::WriteInteger(const std::string& Section, const std::string& Ident, int Value)
{
    WriteString(Section, Ident, IntToStr(Value));
}

void TRegIniFile::WriteBool(const std::string& Section, const std::string& Ident, bool Value)
{
    WriteString(Section, Ident, Value ? "1" : "0");
}

bool TRegIniFile::ValueExists(const std::string& Section, const std::string& Ident)
{
    bool exists = false;
    WithSubKey(Section, false, [&] { exists = ValueExists(Ident); });
    return exists;
}

void TRegIniFile::EraseSection(const std::string& Section)
{
    DeleteKey(Section);
}

void TRegIniFile::ReadSection(const std::string& Section, TStrings& Strings)
{
    Strings.Clear();
    WithSubKey(Section, false, [&] { GetValueNames(Strings); });
}

void TRegIniFile::ReadSections(TStrings& Strings)
{
    GetKeyNames(Strings);
}

}  // namespace plat
