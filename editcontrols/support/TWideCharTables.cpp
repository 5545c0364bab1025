#include "editcontrols/support/TWideCharTables.h"

#include "editcontrols/support/TUnicodeProperties.h"

namespace skelda::editcontrols {

namespace {

constexpr char32_t kLastWideChar = 0xFFFF;

char16_t WideOr(char32_t ACodePoint, char16_t AOtherwise)
{
    return ACodePoint <= kLastWideChar ? static_cast<char16_t>(ACodePoint) : AOtherwise;
}

}  // namespace

TWideCharTables::TWideCharTables()
{
    const TUnicodeProperties& unicode = UnicodeProperties();
    for (char32_t codePoint = 0; codePoint <= kLastWideChar; ++codePoint) {
        const auto wide = static_cast<char16_t>(codePoint);
        Set(wide, unicode.Classes(codePoint), WideOr(unicode.ToLower(codePoint), wide),
            WideOr(unicode.ToUpper(codePoint), wide));
    }
}

const TWideCharTables& WideCharTables()
{
    static const TWideCharTables tables;
    return tables;
}

}  // namespace skelda::editcontrols
