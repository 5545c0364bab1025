#include "editcontrols/support/TAnsiCharTables.h"

#include "editcontrols/support/TUnicodeProperties.h"
#include "platform/core/Utf8.h"

#include <array>
#include <string>

namespace skelda::editcontrols {

namespace {

constexpr std::size_t kAnsiCount = 256;

std::array<char32_t, kAnsiCount> AnsiCodePoints()
{
    std::array<char32_t, kAnsiCount> codePoints{};
    for (std::size_t byte = 0; byte < kAnsiCount; ++byte) {
        const std::string ansi(1, static_cast<char>(byte));
        codePoints[byte] = plat::Utf8ToCodePoints(plat::Windows1252ToUtf8(ansi)).front();
    }
    return codePoints;
}

}  // namespace

TAnsiCharTables::TAnsiCharTables()
{
    const TUnicodeProperties& unicode = UnicodeProperties();
    const std::array<char32_t, kAnsiCount> codePoints = AnsiCodePoints();
    const auto toAnsi = [&codePoints](char32_t ACodePoint, unsigned char AOtherwise) {
        for (std::size_t byte = 0; byte < kAnsiCount; ++byte)
            if (codePoints[byte] == ACodePoint)
                return static_cast<unsigned char>(byte);
        return AOtherwise;
    };
    for (std::size_t byte = 0; byte < kAnsiCount; ++byte) {
        const auto ansi = static_cast<unsigned char>(byte);
        const char32_t codePoint = codePoints[byte];
        Set(ansi, unicode.Classes(codePoint), toAnsi(unicode.ToLower(codePoint), ansi),
            toAnsi(unicode.ToUpper(codePoint), ansi));
    }
}

const TAnsiCharTables& AnsiCharTables()
{
    static const TAnsiCharTables tables;
    return tables;
}

}  // namespace skelda::editcontrols
