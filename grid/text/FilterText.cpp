#include "grid/text/FilterText.h"

#include "platform/core/UnicodeUpperCase.h"
#include "platform/core/Utf8.h"

namespace skelda::grid {

namespace {

constexpr char32_t StrayByteBase = 0xDC00;

// Bytes a well-formed sequence starting with Lead would take; 1 for a byte that starts none.
std::size_t SequenceLength(unsigned char Lead)
{
    if (Lead >= 0xF0)
        return 4;
    if (Lead >= 0xE0)
        return 3;
    return Lead >= 0xC0 ? 2 : 1;
}

bool IsStrayByte(char32_t Ch) { return Ch >= StrayByteBase + 0x80 && Ch <= StrayByteBase + 0xFF; }

}  // namespace

std::u32string FilterCodePoints(std::string_view Text)
{
    if (plat::IsValidUtf8(Text))
        return plat::Utf8ToCodePoints(Text);
    std::u32string chars;
    for (std::size_t i = 0; i < Text.size();) {
        const auto lead = static_cast<unsigned char>(Text[i]);
        const std::string_view sequence = Text.substr(i, SequenceLength(lead));
        if (lead >= 0x80 && !plat::IsValidUtf8(sequence)) {
            chars += StrayByteBase + lead;
            ++i;
        } else {
            chars += plat::Utf8ToCodePoints(sequence);
            i += sequence.size();
        }
    }
    return chars;
}

std::string FilterText(std::u32string_view CodePoints)
{
    std::string text;
    text.reserve(CodePoints.size());
    for (const char32_t c : CodePoints) {
        if (IsStrayByte(c))
            text += static_cast<char>(c - StrayByteBase);
        else
            text += plat::CodePointToUtf8(c);
    }
    return text;
}

void UpperCaseCodePoints(std::u32string& Text)
{
    for (char32_t& c : Text)
        c = plat::UnicodeUpperCase(c);
}

std::u32string RemoveUnquotedSpaces(std::u32string_view Text)
{
    std::u32string kept;
    kept.reserve(Text.size());
    bool quoted = false;
    for (const char32_t c : Text) {
        if (c == '"')
            quoted = !quoted;
        if (c != ' ' || quoted)
            kept += c;
    }
    return kept;
}

std::string RemoveUnquotedSpaces(std::string_view Text)
{
    return FilterText(RemoveUnquotedSpaces(FilterCodePoints(Text)));
}

char32_t FindFirstSeparatorOutsideQuotes(std::u32string_view Text, std::u32string_view Set, std::size_t& Index)
{
    bool quoted = false;
    for (std::size_t i = 0; i < Text.size(); ++i) {
        const char32_t c = Text[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && Set.find(c) != std::u32string_view::npos) {
            Index = i;
            return c;
        }
    }
    return 0;
}

char32_t FindFirstSeparatorOutsideQuotes(std::string_view Text, std::u32string_view Set, int& Position)
{
    std::size_t index = 0;
    const char32_t found = FindFirstSeparatorOutsideQuotes(FilterCodePoints(Text), Set, index);
    Position = found == 0 ? 0 : static_cast<int>(index) + 1;
    return found;
}

}  // namespace skelda::grid
