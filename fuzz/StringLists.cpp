// String lists read from and written to their text forms: CommaText, DelimitedText with any
// delimiter, quote character and strictness, Text, and files in both encodings. What one form
// writes reads back as the same items, and reading anything gives well-formed UTF-8 lines.
//
// Round trips that are not exact by design, and are checked for what they do keep:
// - DelimitedText with the quote character as delimiter: an item holding it cannot be told
//   from two items.
// - Text and files: an item holding a line break reads back as several lines.
// - Files: ill-formed UTF-8 reads back as U+FFFD; a Windows-1252 file keeps only the characters
//   of that code page, and one starting with the bytes of a UTF-8 byte order mark reads as UTF-8.
//
// Input: the delimiter, the quote character, a byte of flags (bit 0: StrictDelimiter), then the
// text. The text is read as it is by each form; split at 0x1F it also gives the items to write.

#include "FuzzSupport.h"

#include "platform/core/TStringList.h"
#include "platform/core/Utf8.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace plat;
using skelda::fuzz::Check;

namespace {

using TItems = std::vector<std::string>;

constexpr char ItemSeparator = '\x1f';

TItems Items(const TStrings& list)
{
    TItems items;
    for (int i = 0; i < list.Count(); ++i)
        items.push_back(list.GetStrings(i));
    return items;
}

void Fill(TStrings& list, const TItems& items)
{
    list.Clear();
    for (const std::string& item : items)
        list.Add(item);
}

TItems SplitAt(std::string_view text, char separator)
{
    TItems items;
    if (text.empty())
        return items;
    while (true) {
        const std::size_t end = text.find(separator);
        items.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos)
            return items;
        text.remove_prefix(end + 1);
    }
}

std::string Shown(const TItems& items)
{
    std::string shown = std::to_string(items.size()) + " items:";
    for (const std::string& item : items)
        shown += " [" + item + "]";
    return shown;
}

bool HasLineBreak(const TItems& items)
{
    return std::any_of(items.begin(), items.end(), [](const std::string& item) { return item.find_first_of("\r\n") != std::string::npos; });
}

bool AllValidUtf8(const TItems& items)
{
    return std::all_of(items.begin(), items.end(), [](const std::string& item) { return IsValidUtf8(item); });
}

// Characters that all have a Windows-1252 byte, with no byte order mark's worth in front.
bool FitsWindows1252(const TItems& items)
{
    if (!items.empty() && items.front().starts_with("\u00EF\u00BB\u00BF"))
        return false;
    return std::all_of(items.begin(), items.end(),
                       [](const std::string& item) { return Windows1252ToUtf8(Utf8ToWindows1252(item)) == item; });
}

// A file for this process, in memory where the system has a memory file system, removed at exit.
const std::string& ScratchFile()
{
    // Never freed, so that it is still there for the clean-up at exit.
    static const std::string* const path = [] {
        const std::filesystem::path base =
            std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm") : std::filesystem::temp_directory_path();
        std::string pattern = (base / "skelda-fuzz-strings-XXXXXX").string();
        const int fd = ::mkstemp(pattern.data());
        Check(fd >= 0, "cannot make a scratch file", pattern);
        ::close(fd);
        std::atexit([] { std::remove(path->c_str()); });
        return new std::string(pattern);
    }();
    return *path;
}

void CheckDelimitedText(const TItems& items, char delimiter, char quote, bool strict)
{
    TStringList list;
    list.SetDelimiter(delimiter);
    list.SetQuoteChar(quote);
    list.SetStrictDelimiter(strict);
    Fill(list, items);
    const std::string text = list.GetDelimitedText();
    TStringList back;
    back.Assign(list);
    back.SetDelimitedText(text);
    if (delimiter != quote)
        Check(Items(back) == items, "DelimitedText reads back other items", Shown(items) + " -> " + Shown(Items(back)));
    Check(back.GetDelimitedText() == text || delimiter == quote, "DelimitedText of what it read differs");

    Fill(list, items);
    const std::string commaText = list.GetCommaText();
    back.SetCommaText(commaText);
    Check(Items(back) == items, "CommaText reads back other items", Shown(items) + " -> " + Shown(Items(back)));
}

// Any text read as DelimitedText gives items that make the same round trip.
void CheckReadingDelimitedText(std::string_view text, char delimiter, char quote, bool strict)
{
    TStringList list;
    list.SetDelimiter(delimiter);
    list.SetQuoteChar(quote);
    list.SetStrictDelimiter(strict);
    list.SetDelimitedText(std::string(text));
    CheckDelimitedText(Items(list), delimiter, quote, strict);
    list.SetCommaText(std::string(text));
    CheckDelimitedText(Items(list), delimiter, quote, strict);
}

void CheckText(const TItems& items)
{
    TStringList list;
    Fill(list, items);
    TStringList back;
    back.SetText(list.GetText());
    if (!HasLineBreak(items))
        Check(Items(back) == items, "Text reads back other lines", Shown(items) + " -> " + Shown(Items(back)));
}

TItems SavedAndLoaded(const TItems& items, TTextEncoding encoding)
{
    TStringList list;
    Fill(list, items);
    list.SaveToFile(ScratchFile(), encoding);
    TStringList back;
    back.LoadFromFile(ScratchFile(), encoding);
    const TItems loaded = Items(back);
    Check(AllValidUtf8(loaded), "a file read gives ill-formed UTF-8");
    return loaded;
}

void CheckFiles(const TItems& items)
{
    if (HasLineBreak(items))
        return;
    const bool validUtf8 = AllValidUtf8(items);
    const TItems utf8 = SavedAndLoaded(items, TTextEncoding::Utf8);
    Check(utf8.size() == items.size(), "a UTF-8 file reads back another number of lines");
    Check(!validUtf8 || utf8 == items, "a UTF-8 file reads back other lines", Shown(items) + " -> " + Shown(utf8));
    const TItems ansi = SavedAndLoaded(items, TTextEncoding::Windows1252);
    Check(!validUtf8 || !FitsWindows1252(items) || ansi == items, "a Windows-1252 file reads back other lines",
          Shown(items) + " -> " + Shown(ansi));
}

// Any bytes read as a file, in either encoding, give well-formed lines that save and load again
// as they are.
void CheckReadingFile(std::string_view bytes)
{
    std::ofstream(ScratchFile(), std::ios::binary | std::ios::trunc) << bytes;
    for (const TTextEncoding encoding : {TTextEncoding::Utf8, TTextEncoding::Windows1252}) {
        TStringList list;
        list.LoadFromFile(ScratchFile(), encoding);
        const TItems lines = Items(list);
        Check(AllValidUtf8(lines), "a file read gives ill-formed UTF-8");
        Check(SavedAndLoaded(lines, TTextEncoding::Utf8) == lines, "lines read from a file do not survive a UTF-8 file");
        if (encoding == TTextEncoding::Windows1252 && !bytes.starts_with("\xEF\xBB\xBF"))
            Check(SavedAndLoaded(lines, encoding) == lines, "lines read from a Windows-1252 file do not survive one");
        std::ofstream(ScratchFile(), std::ios::binary | std::ios::trunc) << bytes;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    if (Size < 3)
        return 0;
    const char delimiter = static_cast<char>(Data[0]);
    const char quote = static_cast<char>(Data[1]);
    const bool strict = Data[2] & 1;
    const std::string_view text = skelda::fuzz::AsText(Data + 3, Size - 3);

    const TItems items = SplitAt(text, ItemSeparator);
    CheckDelimitedText(items, delimiter, quote, strict);
    CheckText(items);
    CheckFiles(items);
    CheckReadingDelimitedText(text, delimiter, quote, strict);
    CheckReadingFile(text);
    return 0;
}
