#pragma once

#include <string>
#include <string_view>

namespace skelda::grid {

// Conversions between the line-break forms that files, the clipboard and the settings stores
// use for multi-line cell texts. A cell text breaks its lines with CR LF. Each routine converts
// one way; only the pairs said so undo each other.

// Every CR becomes "<br>" (LF stays); a text without CR comes back unchanged.
std::string LineBreaksToBR(std::string_view Text);
// Every CR becomes the two characters "\n"; LF is dropped.
std::string LineBreaksToEscaped(std::string_view Text);
// Every "\n" (backslash, n) becomes one CR.
std::string EscapedToLineBreaks(std::string_view Text);
// Every CR becomes "~"; LF is dropped.
std::string LineBreaksToTilde(std::string_view Text);
// Every "~" becomes CR LF; a result of exactly "^" becomes empty.
std::string TildeToLineBreaks(std::string_view Text);
// Every CR LF becomes character 11 and the whole text is put in double quotes, one line or not.
std::string QuoteMultiLineCell(std::string_view Text);
// Every character 11 becomes CR LF.
std::string VerticalTabsToLineBreaks(std::string_view Text);
// Every CR LF becomes LF.
std::string RemoveCRBeforeLF(std::string_view Text);
std::string RemoveCR(std::string_view Text);
std::string CRToLF(std::string_view Text);

// For stores that keep one line per value: when Text holds a CR, CR, LF and character 0 become
// characters 9, 8 and 1; otherwise Text comes back unchanged. DecodeLineBreaks undoes it for
// texts that break lines with CR LF. The forms are not fully reversible: a tab of the original
// decodes as CR, and a text broken by lone CRs keeps their character 9, as decoding waits for a
// character 8.
std::string EncodeLineBreaks(std::string_view Text);
// When Text holds character 8, characters 9, 8 and 1 become CR, LF and character 0. Then,
// unless MultiLine is set, only the first line is kept.
std::string DecodeLineBreaks(std::string_view Text, bool MultiLine);

// Takes the first line off Text and returns it: the part before the first CR, and the CR and
// one LF right after it are removed as well. Text keeps the remaining lines when Keep is set
// and is emptied otherwise; a Text without CR is one line and ends up empty.
std::string CutFirstLine(std::string& Text, bool Keep);
// 1 without MultiLine, else 1 + the number of CR characters.
int CountLines(std::string_view Text, bool MultiLine);

}  // namespace skelda::grid
