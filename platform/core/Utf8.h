#pragma once

#include <string>
#include <string_view>

namespace plat {

// Text is UTF-8 in std::string. Where a length or position counts characters, it counts code
// points; positions are 1-based, as in the widget library's Copy and Pos. A byte that does not
// belong to a well-formed sequence counts as one code point, U+FFFD.

int Utf8Length(std::string_view S);

// Count code points of S from the Index-th one on (1-based). An Index below 1 counts from the
// first, a Count reaching past the end stops at the end; nothing is left for Count <= 0 or an
// Index past the end.
std::string Utf8Copy(std::string_view S, int Index, int Count);

// Position (1-based, in code points) of the first occurrence of SubStr in S, 0 if there is none
// or SubStr is empty.
int Utf8Pos(std::string_view SubStr, std::string_view S);

// The Index-th code point of S (1-based); raises EOutOfRange outside 1 .. Utf8Length(S).
char32_t Utf8CodePointAt(std::string_view S, int Index);

std::string CodePointToUtf8(char32_t CodePoint);

// The code points of S in one pass (ill-formed bytes become U+FFFD, as Utf8CodePointAt gives
// them), and back.
std::u32string Utf8ToCodePoints(std::string_view S);
std::string CodePointsToUtf8(std::u32string_view CodePoints);

// Well-formed UTF-8: no stray continuation bytes, overlong forms, surrogates or values past
// U+10FFFF.
bool IsValidUtf8(std::string_view S);
// S with each byte that is not part of a well-formed sequence replaced by U+FFFD.
std::string Utf8Sanitize(std::string_view S);

// Windows-1252 ("ANSI") conversions for files and streams documented as ANSI. The five bytes
// that code page leaves undefined map to the C1 controls of the same value, so every byte
// survives a round trip; characters without a Windows-1252 byte become Replacement.
std::string Windows1252ToUtf8(std::string_view S);
std::string Utf8ToWindows1252(std::string_view S, char Replacement = '?');

// Upper case by Unicode's simple mapping of every script (UnicodeUpperCase), code point by code
// point: ß stays ß. Ill-formed bytes are kept as they are.
std::string Utf8UpperCase(std::string_view S);
// Lower case of Latin (ASCII, Latin-1, Latin Extended-A), Greek and Cyrillic letters, as the
// case-insensitive orderings below fold; other code points are kept.
std::string Utf8LowerCase(std::string_view S);

// Orderings as lists and sorted controls use them: negative, zero or positive.
// CompareText ignores case; CompareStr orders case-insensitively first and, between texts that
// differ only in case, puts the lower-case letter first ("a" < "A" < "b").
int Utf8CompareText(std::string_view A, std::string_view B);
int Utf8CompareStr(std::string_view A, std::string_view B);
bool Utf8SameText(std::string_view A, std::string_view B);

}  // namespace plat
