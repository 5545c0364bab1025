#pragma once

#include "platform/core/TPersistent.h"

#include <string>

namespace plat {

enum class TTextEncoding { Windows1252, Utf8 };

// An ordered list of lines, each with an optional object pointer. Descendants store the lines
// (a string list, a list box's items, a memo's lines); this class builds the text forms
// (Text, CommaText, DelimitedText, name=value pairs) and the file transfer on top of them.
// Index errors raise EStringListError "List index out of bounds (<index>)".
class TStrings : public TPersistent {
public:
    int Count() const { return GetCount(); }
    std::string GetStrings(int Index) const { return Get(Index); }
    void SetStrings(int Index, const std::string& S) { Put(Index, S); }
    TObject* GetObjects(int Index) const { return GetObject(Index); }
    void SetObjects(int Index, TObject* AObject) { PutObject(Index, AObject); }

    virtual int Add(const std::string& S);
    virtual int AddObject(const std::string& S, TObject* AObject);
    virtual void Insert(int Index, const std::string& S) = 0;
    virtual void InsertObject(int Index, const std::string& S, TObject* AObject);
    virtual void Delete(int Index) = 0;
    virtual void Clear() = 0;
    void AddStrings(const TStrings& Strings);

    virtual int IndexOf(const std::string& S) const;
    int IndexOfObject(const TObject* AObject) const;

    // Lines of the form name=value.
    std::string Names(int Index) const;
    int IndexOfName(const std::string& Name) const;
    std::string GetValues(const std::string& Name) const;
    // Replaces the value of Name, adds a line for a new name, deletes the line for an empty value.
    void SetValues(const std::string& Name, const std::string& Value);

    // Every line followed by CR LF; reading splits at CR LF, LF or CR.
    std::string GetText() const;
    void SetText(const std::string& Value);

    // Items separated by Delimiter. An item holding the quote character, the delimiter or (unless
    // StrictDelimiter) a space or control character is quoted, inner quotes doubled; reading
    // also splits at spaces outside quotes unless StrictDelimiter.
    std::string GetDelimitedText() const;
    void SetDelimitedText(const std::string& Value);
    // DelimitedText with ',' and '"' and spaces splitting, whatever the properties say.
    std::string GetCommaText() const;
    void SetCommaText(const std::string& Value);

    char GetDelimiter() const { return FDelimiter; }
    void SetDelimiter(char Value) { FDelimiter = Value; }
    char GetQuoteChar() const { return FQuoteChar; }
    void SetQuoteChar(char Value) { FQuoteChar = Value; }
    bool GetStrictDelimiter() const { return FStrictDelimiter; }
    void SetStrictDelimiter(bool Value) { FStrictDelimiter = Value; }

    // Reads the file as Text. A UTF-8 byte order mark selects UTF-8 whatever Encoding says;
    // ill-formed UTF-8 bytes read as U+FFFD. Raises EFOpenError when the file cannot be read.
    void LoadFromFile(const std::string& FileName, TTextEncoding Encoding = TTextEncoding::Windows1252);
    // Writes Text; UTF-8 files start with a byte order mark so that they read back as UTF-8.
    // Raises EFCreateError or EWriteError.
    void SaveToFile(const std::string& FileName, TTextEncoding Encoding = TTextEncoding::Windows1252) const;

    // Changes between BeginUpdate and the matching EndUpdate are announced once.
    void BeginUpdate();
    void EndUpdate();

    // Copies the lines, their objects and the delimiter settings of another TStrings.
    void Assign(const TPersistent& Source) override;

protected:
    virtual int GetCount() const = 0;
    virtual std::string Get(int Index) const = 0;
    // Default: replaces the line by Delete and InsertObject, keeping its object.
    virtual void Put(int Index, const std::string& S);
    virtual TObject* GetObject(int Index) const;
    virtual void PutObject(int Index, TObject* AObject);
    // Called when the first BeginUpdate starts (true) and the last EndUpdate ends (false).
    virtual void SetUpdateState(bool Updating);
    // How IndexOf and names compare: without regard to case by default.
    virtual int CompareStrings(const std::string& S1, const std::string& S2) const;

    int UpdateCount() const { return FUpdateCount; }
    // Raises EStringListError "List index out of bounds (<Index>)".
    [[noreturn]] static void IndexError(int Index);

private:
    int FUpdateCount = 0;
    char FDelimiter = ',';
    char FQuoteChar = '"';
    bool FStrictDelimiter = false;
};

}  // namespace plat
