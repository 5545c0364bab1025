#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace skelda::grid {

// Texts as the filter conditions read them: code points of the UTF-8 text, where a byte that
// belongs to no well-formed sequence becomes U+DC00 + byte (a lone surrogate, which no decoded
// text holds). Unlike U+FFFD this keeps two different stray bytes apart, so a condition tells
// every pair of different byte texts apart; FilterText turns such a code point back into its
// byte.
std::u32string FilterCodePoints(std::string_view Text);
std::string FilterText(std::u32string_view CodePoints);

// Text upper-cased code point by code point with plat::UnicodeUpperCase.
void UpperCaseCodePoints(std::u32string& Text);

// A character stands inside double quotes when an odd number of double quotes stands before it.

// Text without the blanks (U+0020) that stand outside double quotes.
std::u32string RemoveUnquotedSpaces(std::u32string_view Text);
std::string RemoveUnquotedSpaces(std::string_view Text);

// The first character of Set that stands outside double quotes, and in Index its index from 0;
// U+0000 and Index untouched when there is none.
char32_t FindFirstSeparatorOutsideQuotes(std::u32string_view Text, std::u32string_view Set, std::size_t& Index);
// The same on UTF-8 text with Position counting characters from 1; 0 when there is none.
char32_t FindFirstSeparatorOutsideQuotes(std::string_view Text, std::u32string_view Set, int& Position);

}  // namespace skelda::grid
