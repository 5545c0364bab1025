#include "grid/text/TextKinds.h"

#include "grid/text/Utf16Text.h"

namespace skelda::grid {

namespace {

constexpr std::string_view PackedPrefix = "|\\";

// The byte at 0-based Index of Text followed by one space: the classification rules were
// written for that text, so that a one-character or a four-byte packed text is still judged.
char ByteWithTrailingSpace(std::string_view Text, std::size_t Index)
{
    return Index < Text.size() ? Text[Index] : ' ';
}

bool HasHtmlMark(std::string_view Text)
{
    for (std::size_t pos = Text.find('<'); pos != std::string_view::npos; pos = Text.find('<', pos + 1)) {
        const char next = ByteWithTrailingSpace(Text, pos + 1);
        if (next == '/' || next == 'B' || next == 'I' || next == 'C')
            return true;
    }
    return false;
}

}  // namespace

TTextKind GetTextKind(std::string_view Text, bool HtmlEnabled)
{
    if (Text.empty())
        return tkPlain;
    if (Text.front() == '=')
        return tkFormula;
    if (Text.starts_with(PackedPrefix)) {
        // "=" packs as a zero high byte and "=": a zero third byte tells it from the many
        // characters whose low byte is "=" (U+043D, U+4E3D, ...).
        const bool packedFormula = ByteWithTrailingSpace(Text, 2) == '\0' && ByteWithTrailingSpace(Text, 3) == '='
                                   && ByteWithTrailingSpace(Text, 4) == '\0';
        return packedFormula ? tkFormula : tkPackedWide;
    }
    if (Text.starts_with("{\\"))
        return tkRtf;
    if (HtmlEnabled && HasHtmlMark(Text))
        return tkHtml;
    return tkPlain;
}

std::string PackWideText(std::u16string_view WideText)
{
    std::string packed(PackedPrefix);
    packed.reserve(PackedPrefix.size() + 2 * WideText.size());
    for (const char16_t unit : WideText) {
        packed += static_cast<char>(unit >> 8);
        packed += static_cast<char>(unit & 0xFF);
    }
    return packed;
}

std::u16string UnpackWideText(std::string_view Text)
{
    if (!Text.starts_with(PackedPrefix))
        return Utf8ToUtf16(Text);
    const std::string_view pairs = Text.substr(PackedPrefix.size());
    std::u16string wide;
    wide.reserve(pairs.size() / 2);
    for (std::size_t i = 0; i + 1 < pairs.size(); i += 2) {
        const auto high = static_cast<unsigned char>(pairs[i]);
        const auto low = static_cast<unsigned char>(pairs[i + 1]);
        wide += static_cast<char16_t>((high << 8) | low);
    }
    return wide;
}

}  // namespace skelda::grid
