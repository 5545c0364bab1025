#include "platform/core/TStrings.h"

#include "platform/core/Exception.h"
#include "platform/core/Utf8.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>
#include <vector>

namespace plat {

namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view LineBreak = "\r\n";

// Runs work between BeginUpdate and EndUpdate; an OnChange handler may raise, so the block is
// closed by hand rather than from a destructor.
template <typename Work>
void InUpdate(TStrings& strings, Work work)
{
    strings.BeginUpdate();
    try {
        work();
    } catch (...) {
        strings.EndUpdate();
        throw;
    }
    strings.EndUpdate();
}

bool IsSpaceOrControl(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

// Reads a quoted item starting at the opening quote; a doubled quote stands for one. An item
// whose closing quote is missing runs to the end of the text.
std::string ExtractQuoted(std::string_view text, std::size_t& pos, char quote)
{
    std::string item;
    ++pos;
    while (pos < text.size()) {
        if (text[pos] == quote) {
            if (pos + 1 < text.size() && text[pos + 1] == quote) {
                item += quote;
                pos += 2;
                continue;
            }
            ++pos;
            return item;
        }
        item += text[pos++];
    }
    return item;
}

std::string JoinDelimited(const std::vector<std::string>& items, char delimiter, char quote, bool strict)
{
    if (items.size() == 1 && items[0].empty())
        return std::string(2, quote);
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string& s = items[i];
        bool quoted = false;
        for (char c : s)
            if (c == quote || c == delimiter || (!strict && IsSpaceOrControl(c)) || c == '\0')
                quoted = true;
        if (quoted) {
            out += quote;
            for (char c : s) {
                if (c == quote)
                    out += quote;
                out += c;
            }
            out += quote;
        } else {
            out += s;
        }
        if (i + 1 < items.size())
            out += delimiter;
    }
    return out;
}

std::vector<std::string> SplitDelimited(std::string_view text, char delimiter, char quote, bool strict)
{
    std::vector<std::string> items;
    std::size_t pos = 0;
    // A blank delimiter (a tab, a space) or quote character is no blank to skip: the one ends an
    // item, which may be empty, the other starts one.
    const auto skipSpaces = [&] {
        if (!strict)
            while (pos < text.size() && text[pos] != delimiter && text[pos] != quote && IsSpaceOrControl(text[pos]))
                ++pos;
    };
    skipSpaces();
    while (pos < text.size()) {
        if (text[pos] == quote) {
            items.push_back(ExtractQuoted(text, pos, quote));
        } else {
            const std::size_t start = pos;
            while (pos < text.size() && text[pos] != delimiter && (strict || !IsSpaceOrControl(text[pos])))
                ++pos;
            items.emplace_back(text.substr(start, pos - start));
        }
        skipSpaces();
        if (pos < text.size() && text[pos] == delimiter) {
            if (pos + 1 == text.size())
                items.emplace_back();
            ++pos;
            skipSpaces();
        }
    }
    return items;
}

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(pos));
            break;
        }
        lines.emplace_back(text.substr(pos, end - pos));
        pos = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

}  // namespace

int TStrings::Add(const std::string& S)
{
    const int index = Count();
    Insert(index, S);
    return index;
}

int TStrings::AddObject(const std::string& S, TObject* AObject)
{
    const int index = Add(S);
    PutObject(index, AObject);
    return index;
}

void TStrings::InsertObject(int Index, const std::string& S, TObject* AObject)
{
    Insert(Index, S);
    PutObject(Index, AObject);
}

void TStrings::AddStrings(const TStrings& Strings)
{
    // Taken first: the source may be this very list, and a sorted list reorders as it grows.
    std::vector<std::pair<std::string, TObject*>> lines;
    lines.reserve(static_cast<std::size_t>(Strings.Count()));
    for (int i = 0; i < Strings.Count(); ++i)
        lines.emplace_back(Strings.Get(i), Strings.GetObject(i));
    InUpdate(*this, [&] {
        for (const auto& [s, object] : lines)
            AddObject(s, object);
    });
}

int TStrings::IndexOf(const std::string& S) const
{
    for (int i = 0; i < Count(); ++i)
        if (CompareStrings(Get(i), S) == 0)
            return i;
    return -1;
}

int TStrings::IndexOfObject(const TObject* AObject) const
{
    for (int i = 0; i < Count(); ++i)
        if (GetObject(i) == AObject)
            return i;
    return -1;
}

std::string TStrings::Names(int Index) const
{
    const std::string s = Get(Index);
    const std::size_t separator = s.find('=');
    return separator == std::string::npos ? std::string() : s.substr(0, separator);
}

int TStrings::IndexOfName(const std::string& Name) const
{
    for (int i = 0; i < Count(); ++i) {
        const std::string s = Get(i);
        const std::size_t separator = s.find('=');
        if (separator != std::string::npos && CompareStrings(s.substr(0, separator), Name) == 0)
            return i;
    }
    return -1;
}

std::string TStrings::GetValues(const std::string& Name) const
{
    const int index = IndexOfName(Name);
    if (index < 0)
        return {};
    const std::string s = Get(index);
    return s.substr(s.find('=') + 1);
}

void TStrings::SetValues(const std::string& Name, const std::string& Value)
{
    const int index = IndexOfName(Name);
    if (!Value.empty()) {
        if (index < 0)
            Add(Name + "=" + Value);
        else
            Put(index, Name + "=" + Value);
    } else if (index >= 0) {
        Delete(index);
    }
}

std::string TStrings::GetText() const
{
    std::string text;
    for (int i = 0; i < Count(); ++i) {
        text += Get(i);
        text += LineBreak;
    }
    return text;
}

void TStrings::SetText(const std::string& Value)
{
    const std::vector<std::string> lines = SplitLines(Value);
    InUpdate(*this, [&] {
        Clear();
        for (const std::string& line : lines)
            Add(line);
    });
}

std::string TStrings::GetDelimitedText() const
{
    std::vector<std::string> items;
    for (int i = 0; i < Count(); ++i)
        items.push_back(Get(i));
    return JoinDelimited(items, FDelimiter, FQuoteChar, FStrictDelimiter);
}

void TStrings::SetDelimitedText(const std::string& Value)
{
    const std::vector<std::string> items = SplitDelimited(Value, FDelimiter, FQuoteChar, FStrictDelimiter);
    InUpdate(*this, [&] {
        Clear();
        for (const std::string& item : items)
            Add(item);
    });
}

std::string TStrings::GetCommaText() const
{
    std::vector<std::string> items;
    for (int i = 0; i < Count(); ++i)
        items.push_back(Get(i));
    return JoinDelimited(items, ',', '"', false);
}

void TStrings::SetCommaText(const std::string& Value)
{
    const std::vector<std::string> items = SplitDelimited(Value, ',', '"', false);
    InUpdate(*this, [&] {
        Clear();
        for (const std::string& item : items)
            Add(item);
    });
}

void TStrings::LoadFromFile(const std::string& FileName, TTextEncoding Encoding)
{
    // A folder opens as a stream that reads nothing; it must not pass for an empty file.
    std::error_code ignored;
    if (std::filesystem::is_directory(FileName, ignored))
        throw EFOpenError("Cannot open file \"%s\". %s", {FileName, std::strerror(EISDIR)});
    std::ifstream in(FileName, std::ios::binary);
    if (!in)
        throw EFOpenError("Cannot open file \"%s\". %s", {FileName, std::strerror(errno)});
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::string_view content = bytes;
    if (content.starts_with(Utf8Bom)) {
        content.remove_prefix(Utf8Bom.size());
        Encoding = TTextEncoding::Utf8;
    }
    SetText(Encoding == TTextEncoding::Utf8 ? Utf8Sanitize(content) : Windows1252ToUtf8(content));
}

void TStrings::SaveToFile(const std::string& FileName, TTextEncoding Encoding) const
{
    const std::string text = GetText();
    std::ofstream out(FileName, std::ios::binary | std::ios::trunc);
    if (!out)
        throw EFCreateError("Cannot create file \"%s\". %s", {FileName, std::strerror(errno)});
    if (Encoding == TTextEncoding::Utf8) {
        out << Utf8Bom;
        out << text;
    } else {
        out << Utf8ToWindows1252(text);
    }
    out.close();
    if (!out)
        throw EWriteError("Cannot write file \"%s\". %s", {FileName, std::strerror(errno)});
}

void TStrings::BeginUpdate()
{
    if (FUpdateCount == 0)
        SetUpdateState(true);
    ++FUpdateCount;
}

void TStrings::EndUpdate()
{
    if (FUpdateCount == 0)
        return;
    --FUpdateCount;
    if (FUpdateCount == 0)
        SetUpdateState(false);
}

void TStrings::Assign(const TPersistent& Source)
{
    const auto* source = dynamic_cast<const TStrings*>(&Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    if (source == this)
        return;
    InUpdate(*this, [&] {
        Clear();
        FDelimiter = source->FDelimiter;
        FQuoteChar = source->FQuoteChar;
        FStrictDelimiter = source->FStrictDelimiter;
        AddStrings(*source);
    });
}

void TStrings::Put(int Index, const std::string& S)
{
    TObject* object = GetObject(Index);
    Delete(Index);
    InsertObject(Index, S, object);
}

TObject* TStrings::GetObject(int Index) const
{
    if (Index < 0 || Index >= Count())
        IndexError(Index);
    return nullptr;
}

void TStrings::PutObject(int Index, TObject*)
{
    if (Index < 0 || Index >= Count())
        IndexError(Index);
}

void TStrings::SetUpdateState(bool) {}

int TStrings::CompareStrings(const std::string& S1, const std::string& S2) const
{
    return Utf8CompareText(S1, S2);
}

void TStrings::IndexError(int Index)
{
    throw EStringListError("List index out of bounds (%d)", {Index});
}

}  // namespace plat
