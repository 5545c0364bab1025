#include "grid/text/Utf16Text.h"

#include "platform/core/Utf8.h"

namespace skelda::grid {

namespace {

constexpr char32_t ReplacementChar = 0xFFFD;

bool IsHighSurrogate(char32_t Unit) { return Unit >= 0xD800 && Unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t Unit) { return Unit >= 0xDC00 && Unit <= 0xDFFF; }

}  // namespace

std::u16string Utf8ToUtf16(std::string_view Text)
{
    std::u16string result;
    result.reserve(Text.size());
    for (const char32_t codePoint : plat::Utf8ToCodePoints(Text)) {
        if (codePoint <= 0xFFFF) {
            result += static_cast<char16_t>(codePoint);
        } else {
            const char32_t offset = codePoint - 0x10000;
            result += static_cast<char16_t>(0xD800 + (offset >> 10));
            result += static_cast<char16_t>(0xDC00 + (offset & 0x3FF));
        }
    }
    return result;
}

std::string Utf16ToUtf8(std::u16string_view Text)
{
    std::u32string codePoints;
    codePoints.reserve(Text.size());
    for (std::size_t i = 0; i < Text.size(); ++i) {
        const char32_t unit = Text[i];
        if (IsHighSurrogate(unit) && i + 1 < Text.size() && IsLowSurrogate(Text[i + 1])) {
            codePoints += 0x10000 + ((unit - 0xD800) << 10) + (Text[i + 1] - 0xDC00);
            ++i;
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            codePoints += ReplacementChar;
        } else {
            codePoints += unit;
        }
    }
    return plat::CodePointsToUtf8(codePoints);
}

}  // namespace skelda::grid
