#pragma once

#include <string>
#include <string_view>

namespace skelda::grid {

// Quoting of CSV fields. Positions count characters from 1; 0 means none.

// Text with every double quote doubled, as a quoted CSV field holds it.
std::string DoubleQuoteChars(std::string_view Text);
// Text with every pair of adjacent Ch made one, pairs taken left to right (three in a row give
// two). A Text without Ch comes back unchanged.
std::string CollapseDoubledChar(char32_t Ch, std::string_view Text);

// Position of the first quote that opens or closes a quoted part: the last quote of the first
// run of Quote characters of odd length. A doubled quote stands for itself and pairs off, so
// runs of even length are passed over, at the end of Text too. The result is also stored in Pos.
int FindUnpairedQuote(char32_t Quote, std::string_view Text, int& Pos);
// How many such quotes Text holds, each search going on after the previous one. An odd count
// means a quoted field goes on past the end of Text: the CSV reader then joins the next line.
int CountUnpairedQuotes(char32_t Quote, std::string_view Text);

}  // namespace skelda::grid
