#pragma once

#include <string>
#include <vector>

namespace plat {
class TCanvas;
class TFont;
}  // namespace plat

namespace skelda::foundation {

// Caption text of the emulated task dialog's buttons and command links. A caption breaks into
// lines at the two characters backslash, n (as programs write "\n" into captions) or at a
// carriage return; its first line is the heading, the rest are notes. Texts are UTF-8; only
// ASCII characters separate or pad lines, so no multi-byte character is ever split.

// Whether Text holds a line-break escape. A first backslash-n right after a colon is taken for
// a path ("C:\new"), and then the text holds none.
bool HasNewlineEscape(const std::string& Text);

// Text without its leading and trailing spaces (U+0020 only; tabs and line ends stay).
std::string TrimLineSpaces(const std::string& Text);

// Appends the lines of Text to Lines, each without its padding spaces; empty lines are kept.
// A text with neither escape nor carriage return is one line, as it stands. A line ends at the
// first backslash-n, or, when there is none, at the first carriage return, which takes a line
// feed right after it along (a lone carriage return takes nothing more). An empty text adds
// nothing.
void SplitDialogLines(const std::string& Text, std::vector<std::string>& Lines);

// Size of a caption block as a command link draws it, in pixels.
struct TCommandLinkSize {
    int HeightPx = 0;
    int WidthPx = 0;
};

// Measures Text as a command link lays it out. With MultiLine and a text that breaks into lines,
// the first line (when not empty) is measured in HeadingFont and every further non-empty line in
// BodyFont, lines stacked; with Margins the width gains 8 and the height 10, plus 2 between
// lines. Otherwise the whole text is one line in HeadingFont (no margins). Each line is measured
// single-line with DrawTextFlags added. Canvas's font is restored before returning; without a
// canvas the size is zero.
TCommandLinkSize MeasureCommandLink(plat::TCanvas* Canvas, const std::string& Text, const plat::TFont& HeadingFont,
                                    bool Margins, bool MultiLine, unsigned DrawTextFlags,
                                    const plat::TFont& BodyFont);

// A dialog text made ready for the mini-HTML engine: each backslash-n pair, then each line feed,
// becomes "<br>".
std::string DialogLineBreaksToHtml(const std::string& Text);

}  // namespace skelda::foundation
