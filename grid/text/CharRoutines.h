#pragma once

#include <string>
#include <string_view>

namespace skelda::grid {

// Positions count characters (code points) from 1, as the platform's Utf8Pos does; 0 means
// not found.

int CharPos(char32_t Ch, std::string_view Text);
// As CharPos; also stores a found position in Pos and leaves Pos alone otherwise.
int FindCharPos(char32_t Ch, std::string_view Text, int& Pos);
// Position of Sub in Text, letter case counting; also stored in Pos, 0 included.
int FindPos(std::string_view Sub, std::string_view Text, int& Pos);
// Position of Sub in Text upper-cased by ASCII letters only; Sub is taken as given, so callers
// pass it upper-cased.
int UpperCasePos(std::string_view Sub, std::string_view Text);

int CountChar(char32_t Ch, std::string_view Text);
// Every character of Text replaced by Ch, the character count kept: how password cells show.
void FillTextWithChar(std::string& Text, char32_t Ch);

// Text with every occurrence of From (not empty) replaced by To, in one pass.
std::string ReplaceAll(std::string_view Text, std::string_view From, std::string_view To);

// Position of the ")" at which as many "(" as ")" have been seen; 0 when there is none.
int ClosingParenPos(std::string_view Text);
// The same as an index from 0 into code points; npos when there is none.
std::size_t ClosingParenIndex(std::u32string_view Text);

}  // namespace skelda::grid
