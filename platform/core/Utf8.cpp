#include "platform/core/Utf8.h"

#include "platform/core/Exception.h"
#include "platform/core/UnicodeUpperCase.h"

#include <array>
#include <cstdint>

namespace plat {

namespace {

constexpr char32_t ReplacementChar = 0xFFFD;

struct TDecoded {
    char32_t CodePoint;
    std::size_t Length;
    bool Valid;
};

bool IsContinuation(unsigned char b)
{
    return (b & 0xC0) == 0x80;
}

// The code point starting at s[i]; an ill-formed sequence yields U+FFFD for its first byte only,
// so every byte of the text is accounted for.
TDecoded DecodeAt(std::string_view s, std::size_t i)
{
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80)
        return {b0, 1, true};
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    char32_t cp = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2;
        cp = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3;
        cp = b0 & 0x0F;
        if (b0 == 0xE0)
            low = 0xA0;  // overlong
        else if (b0 == 0xED)
            high = 0x9F;  // surrogates
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4;
        cp = b0 & 0x07;
        if (b0 == 0xF0)
            low = 0x90;  // overlong
        else if (b0 == 0xF4)
            high = 0x8F;  // past U+10FFFF
    } else {
        return {ReplacementChar, 1, false};
    }
    if (i + length > s.size())
        return {ReplacementChar, 1, false};
    const auto b1 = static_cast<unsigned char>(s[i + 1]);
    if (b1 < low || b1 > high)
        return {ReplacementChar, 1, false};
    cp = (cp << 6) | (b1 & 0x3F);
    for (std::size_t k = 2; k < length; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if (!IsContinuation(b))
            return {ReplacementChar, 1, false};
        cp = (cp << 6) | (b & 0x3F);
    }
    return {cp, length, true};
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Byte offset of the Index-th code point (0-based), or s.size() when the text is shorter.
std::size_t ByteOffsetOf(std::string_view s, int index)
{
    std::size_t i = 0;
    for (int n = 0; n < index && i < s.size(); ++n)
        i += DecodeAt(s, i).Length;
    return i;
}

// Code points 0x80 .. 0x9F of Windows-1252; the undefined bytes keep their C1 value.
constexpr std::array<char32_t, 32> Cp1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool InRange(char32_t c, char32_t first, char32_t last)
{
    return c >= first && c <= last;
}

// Blocks where upper and lower case alternate: upper on even code points when UpperEven.
struct TAlternatingBlock {
    char32_t First;
    char32_t Last;
    bool UpperEven;
};

constexpr std::array<TAlternatingBlock, 8> AlternatingBlocks{{
    {0x0100, 0x012F, true},  // Latin Extended-A, up to the dotted and dotless i
    {0x0132, 0x0137, true},
    {0x0139, 0x0148, false},
    {0x014A, 0x0177, true},
    {0x0179, 0x017E, false},
    {0x0460, 0x0481, true},  // Cyrillic extensions
    {0x048A, 0x04BF, true},
    {0x04D0, 0x04FF, true},
}};

char32_t ToLower(char32_t c)
{
    if (c < 0x80)
        return InRange(c, 'A', 'Z') ? c + 0x20 : c;
    if (InRange(c, 0xC0, 0xDE) && c != 0xD7)
        return c + 0x20;
    if (c == 0x0178)
        return 0x00FF;
    if (c == 0x0130)
        return 'i';
    for (const auto& block : AlternatingBlocks)
        if (InRange(c, block.First, block.Last))
            return ((c % 2 == 0) == block.UpperEven) ? c + 1 : c;
    if (InRange(c, 0x04C1, 0x04CE))
        return c % 2 == 1 ? c + 1 : c;
    if (c == 0x04C0)
        return 0x04CF;
    if (InRange(c, 0x0391, 0x03AB) && c != 0x03A2)
        return c + 0x20;
    if (c == 0x0386)
        return 0x03AC;
    if (InRange(c, 0x0388, 0x038A))
        return c + 0x25;
    if (c == 0x038C)
        return 0x03CC;
    if (InRange(c, 0x038E, 0x038F))
        return c + 0x3F;
    if (InRange(c, 0x0410, 0x042F))
        return c + 0x20;
    if (InRange(c, 0x0400, 0x040F))
        return c + 0x50;
    return c;
}

template <typename Map>
std::string MapCodePoints(std::string_view s, Map map)
{
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const TDecoded d = DecodeAt(s, i);
        if (d.Valid)
            AppendUtf8(out, map(d.CodePoint));
        else
            out += s[i];
        i += d.Length;
    }
    return out;
}

int Sign(long long v)
{
    return (v > 0) - (v < 0);
}

// Orders case-insensitively; TieBreakOnCase then orders texts equal but for case.
int CompareFolded(std::string_view a, std::string_view b, bool tieBreakOnCase)
{
    std::size_t i = 0;
    std::size_t j = 0;
    int caseOrder = 0;
    while (i < a.size() && j < b.size()) {
        const TDecoded da = DecodeAt(a, i);
        const TDecoded db = DecodeAt(b, j);
        const char32_t la = ToLower(da.CodePoint);
        const char32_t lb = ToLower(db.CodePoint);
        if (la != lb)
            return Sign(static_cast<long long>(la) - static_cast<long long>(lb));
        if (caseOrder == 0 && da.CodePoint != db.CodePoint) {
            // Equal when folded: one of them is the upper-case letter, which goes second.
            const bool aUpper = ToLower(da.CodePoint) != da.CodePoint;
            const bool bUpper = ToLower(db.CodePoint) != db.CodePoint;
            caseOrder = aUpper != bUpper ? (aUpper ? 1 : -1)
                                         : Sign(static_cast<long long>(da.CodePoint) - db.CodePoint);
        }
        i += da.Length;
        j += db.Length;
    }
    if (i < a.size() || j < b.size())
        return i < a.size() ? 1 : -1;
    return tieBreakOnCase ? caseOrder : 0;
}

}  // namespace

int Utf8Length(std::string_view S)
{
    int count = 0;
    for (std::size_t i = 0; i < S.size(); i += DecodeAt(S, i).Length)
        ++count;
    return count;
}

std::string Utf8Copy(std::string_view S, int Index, int Count)
{
    if (Index < 1)
        Index = 1;
    if (Count <= 0)
        return {};
    const std::size_t start = ByteOffsetOf(S, Index - 1);
    const std::string_view rest = S.substr(start);
    return std::string(rest.substr(0, ByteOffsetOf(rest, Count)));
}

int Utf8Pos(std::string_view SubStr, std::string_view S)
{
    if (SubStr.empty())
        return 0;
    const std::size_t at = S.find(SubStr);
    return at == std::string_view::npos ? 0 : Utf8Length(S.substr(0, at)) + 1;
}

char32_t Utf8CodePointAt(std::string_view S, int Index)
{
    if (Index >= 1) {
        const std::size_t at = ByteOffsetOf(S, Index - 1);
        if (at < S.size())
            return DecodeAt(S, at).CodePoint;
    }
    throw EOutOfRange("Character index out of bounds (%d)", {Index});
}

std::string CodePointToUtf8(char32_t CodePoint)
{
    std::string out;
    const bool encodable = CodePoint <= 0x10FFFF && !InRange(CodePoint, 0xD800, 0xDFFF);
    AppendUtf8(out, encodable ? CodePoint : ReplacementChar);
    return out;
}

bool IsValidUtf8(std::string_view S)
{
    for (std::size_t i = 0; i < S.size();) {
        const TDecoded d = DecodeAt(S, i);
        if (!d.Valid)
            return false;
        i += d.Length;
    }
    return true;
}

std::string Utf8Sanitize(std::string_view S)
{
    if (IsValidUtf8(S))
        return std::string(S);
    std::string out;
    out.reserve(S.size() + 8);
    for (std::size_t i = 0; i < S.size();) {
        const TDecoded d = DecodeAt(S, i);
        if (d.Valid)
            out.append(S.substr(i, d.Length));
        else
            AppendUtf8(out, ReplacementChar);
        i += d.Length;
    }
    return out;
}

std::string Windows1252ToUtf8(std::string_view S)
{
    std::string out;
    out.reserve(S.size() + S.size() / 4);
    for (char ch : S) {
        const auto b = static_cast<unsigned char>(ch);
        AppendUtf8(out, InRange(b, 0x80, 0x9F) ? Cp1252High[b - 0x80] : char32_t{b});
    }
    return out;
}

std::string Utf8ToWindows1252(std::string_view S, char Replacement)
{
    std::string out;
    out.reserve(S.size());
    for (std::size_t i = 0; i < S.size();) {
        const TDecoded d = DecodeAt(S, i);
        i += d.Length;
        const char32_t cp = d.CodePoint;
        if (!d.Valid) {
            out += Replacement;
        } else if (cp < 0x80 || InRange(cp, 0xA0, 0xFF)) {
            out += static_cast<char>(cp);
        } else {
            char byte = Replacement;
            for (std::size_t k = 0; k < Cp1252High.size(); ++k)
                if (Cp1252High[k] == cp)
                    byte = static_cast<char>(0x80 + k);
            out += byte;
        }
    }
    return out;
}

std::string Utf8UpperCase(std::string_view S)
{
    return MapCodePoints(S, UnicodeUpperCase);
}

std::string Utf8LowerCase(std::string_view S)
{
    return MapCodePoints(S, ToLower);
}

int Utf8CompareText(std::string_view A, std::string_view B)
{
    return CompareFolded(A, B, false);
}

int Utf8CompareStr(std::string_view A, std::string_view B)
{
    return CompareFolded(A, B, true);
}

bool Utf8SameText(std::string_view A, std::string_view B)
{
    return CompareFolded(A, B, false) == 0;
}

std::u32string Utf8ToCodePoints(std::string_view S)
{
    std::u32string codePoints;
    codePoints.reserve(S.size());
    for (std::size_t i = 0; i < S.size();) {
        const TDecoded decoded = DecodeAt(S, i);
        codePoints.push_back(decoded.CodePoint);
        i += decoded.Length;
    }
    return codePoints;
}

std::string CodePointsToUtf8(std::u32string_view CodePoints)
{
    std::string text;
    text.reserve(CodePoints.size());
    for (const char32_t cp : CodePoints)
        AppendUtf8(text, cp);
    return text;
}

}  // namespace plat
