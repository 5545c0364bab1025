#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace skelda::grid {

// Number texts as cells hold them, written with the thousand and decimal separators of the
// process-wide format settings (read at every call; a separator byte stands for the character
// of the same code, U+0000 .. U+00FF). Characters are code points of the UTF-8 text.

// A character of the Unicode number categories (decimal digit, letter number, other number);
// of ASCII exactly "0" to "9".
bool IsNumberChar(char32_t Ch);
bool IsNumberOrMinus(char32_t Ch);
// IsNumberChar, a thousand or decimal separator, "e" or "E".
bool IsNumberPartChar(char32_t Ch);
// IsNumberPartChar, "+" or "-".
bool IsFloatChar(char32_t Ch);
// IsNumberChar, "-", ".", "e", "E" or "+": the characters of a normalised number.
bool IsPlainNumberChar(char32_t Ch);

// What a text is as a number; sorting, filters and calculations compare ncInteger, ncNumber and
// ncExponent texts numerically. Stored and compared as numbers.
enum TNumberTextClass : std::uint8_t {
    ncInteger = 0,   // number characters, a "-" only in front (a lone "-" too)
    ncNumber = 1,    // with thousand and decimal separators
    ncNotNumber = 2,
    ncExponent = 5,  // with an exponent
};

// One pass over the text. Only the distance between two thousand separators is checked, so
// 12,34 is a number; two decimal separators, two thousand separators closer than four
// characters, a second exponent or a misplaced sign make a text no number. A sign is in place
// at the start and, in an exponent text, right after the exponent mark; an exponent text needs
// a digit before the mark and has no decimal separator after it.
TNumberTextClass ClassifyNumberText(std::string_view Text);

// A formatted number reduced to what StrToFloat reads with "." as decimal separator: blanks
// and control characters trimmed, a text in parentheses or one with a "-" among its leading
// non-number characters made negative, leading currency marks and the like dropped, thousand
// separators left out, the decimal separator made ".", and the number ended at the first
// other character. "(1,234.50)" gives "-1234.50", "$ 12.5 USD" gives "12.5".
std::string NormalizeNumberText(std::string_view Text);

// Text with every thousand separator left out and every decimal separator made "."; all other
// characters kept.
std::string NumberTextForVal(std::string_view Text);

// The platform's integer conversion (leading blanks and a sign allowed, 32-bit range) reporting
// failure by its result instead of raising.
bool TryTextToInt(std::string_view Text, int& Value);

}  // namespace skelda::grid
