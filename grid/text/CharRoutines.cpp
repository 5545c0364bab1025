#include "grid/text/CharRoutines.h"

#include "platform/core/Utf8.h"

namespace skelda::grid {

namespace {

int PositionOfByte(std::string_view Text, std::size_t ByteIndex)
{
    return plat::Utf8Length(Text.substr(0, ByteIndex)) + 1;
}

}  // namespace

int CharPos(char32_t Ch, std::string_view Text)
{
    const std::size_t found = Text.find(plat::CodePointToUtf8(Ch));
    return found == std::string_view::npos ? 0 : PositionOfByte(Text, found);
}

int FindCharPos(char32_t Ch, std::string_view Text, int& Pos)
{
    const int found = CharPos(Ch, Text);
    if (found > 0)
        Pos = found;
    return found;
}

int FindPos(std::string_view Sub, std::string_view Text, int& Pos)
{
    Pos = plat::Utf8Pos(Sub, Text);
    return Pos;
}

int UpperCasePos(std::string_view Sub, std::string_view Text)
{
    std::string upper(Text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return plat::Utf8Pos(Sub, upper);
}

int CountChar(char32_t Ch, std::string_view Text)
{
    const std::string needle = plat::CodePointToUtf8(Ch);
    int count = 0;
    for (std::size_t pos = Text.find(needle); pos != std::string_view::npos; pos = Text.find(needle, pos + needle.size()))
        ++count;
    return count;
}

void FillTextWithChar(std::string& Text, char32_t Ch)
{
    const std::string filler = plat::CodePointToUtf8(Ch);
    const int length = plat::Utf8Length(Text);
    std::string filled;
    filled.reserve(filler.size() * static_cast<std::size_t>(length));
    for (int i = 0; i < length; ++i)
        filled += filler;
    Text = std::move(filled);
}

int ClosingParenPos(std::string_view Text)
{
    const std::size_t index = ClosingParenIndex(plat::Utf8ToCodePoints(Text));
    return index == std::u32string_view::npos ? 0 : static_cast<int>(index) + 1;
}

std::size_t ClosingParenIndex(std::u32string_view Text)
{
    int opened = 0;
    int closed = 0;
    for (std::size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] == '(') {
            ++opened;
        } else if (Text[i] == ')') {
            ++closed;
            if (opened == closed)
                return i;
        }
    }
    return std::u32string_view::npos;
}

std::string ReplaceAll(std::string_view Text, std::string_view From, std::string_view To)
{
    std::string result;
    result.reserve(Text.size());
    std::size_t pos = 0;
    for (std::size_t found = Text.find(From); found != std::string_view::npos; found = Text.find(From, pos)) {
        result.append(Text, pos, found - pos);
        result += To;
        pos = found + From.size();
    }
    result.append(Text, pos);
    return result;
}

}  // namespace skelda::grid
