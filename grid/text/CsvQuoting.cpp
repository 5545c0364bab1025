#include "grid/text/CsvQuoting.h"

#include "grid/text/CharRoutines.h"

#include "platform/core/Utf8.h"

namespace skelda::grid {

namespace {

constexpr std::size_t NotFound = std::u32string_view::npos;

// Index of the last quote of the first odd-length run of Quote at or after From.
std::size_t FindUnpairedFrom(char32_t Quote, std::u32string_view Text, std::size_t From)
{
    std::size_t run = 0;
    for (std::size_t i = From; i < Text.size(); ++i) {
        if (Text[i] == Quote) {
            ++run;
            continue;
        }
        if (run % 2 == 1)
            return i - 1;
        run = 0;
    }
    return run % 2 == 1 ? Text.size() - 1 : NotFound;
}

}  // namespace

std::string DoubleQuoteChars(std::string_view Text)
{
    std::string result;
    result.reserve(Text.size() + 2);
    for (const char c : Text) {
        result += c;
        if (c == '"')
            result += '"';
    }
    return result;
}

std::string CollapseDoubledChar(char32_t Ch, std::string_view Text)
{
    const std::string single = plat::CodePointToUtf8(Ch);
    return ReplaceAll(Text, single + single, single);
}

int FindUnpairedQuote(char32_t Quote, std::string_view Text, int& Pos)
{
    const std::size_t found = FindUnpairedFrom(Quote, plat::Utf8ToCodePoints(Text), 0);
    Pos = found == NotFound ? 0 : static_cast<int>(found) + 1;
    return Pos;
}

int CountUnpairedQuotes(char32_t Quote, std::string_view Text)
{
    const std::u32string codePoints = plat::Utf8ToCodePoints(Text);
    int count = 0;
    for (std::size_t found = FindUnpairedFrom(Quote, codePoints, 0); found != NotFound;
         found = FindUnpairedFrom(Quote, codePoints, found + 1))
        ++count;
    return count;
}

}  // namespace skelda::grid
