#pragma once

#include "platform/graphics/TFont.h"

#include <string>
#include <string_view>
#include <vector>

namespace skelda::grid {

// A piece of text in one style.
struct TRtfRun {
    std::string Text;
    plat::TFontStyles Style;
};

// The text of a rich-text cell: lines of runs, the plain text without them.
struct TRtfText {
    std::vector<std::vector<TRtfRun>> Lines;
    // The lines joined by CR LF.
    std::string PlainText() const;
};

// Reads the part of rich text that cells show: the characters with their bold, italic and
// underline styles (\b, \i, \ul, \ulnone, \plain, each switched off by a parameter 0), line
// breaks (\par, \line), \tab, the non-breaking space \~ and hyphen \_, the escaped characters
// \{ \} \\ and \'hh (a Windows-1252 byte), and groups, which keep their style to themselves.
// Destinations that hold no cell text (\fonttbl, \colortbl, \stylesheet, \info and every group
// marked \*) are skipped; any other control word or symbol is ignored (a symbol beyond ASCII as
// the whole UTF-8 character). Source line ends are not text; text without braces, backslashes
// and line ends comes out as it stands, and well-formed UTF-8 stays well-formed. Empty lines at
// the end (the closing paragraph mark rich edits write) are dropped. Malformed input never
// fails: unbalanced braces and a cut-off escape end quietly with the text read so far.
class TRtfReader {
public:
    static TRtfText Read(std::string_view Rtf);

private:
    struct TGroupState {
        plat::TFontStyles Style;
        bool Skip = false;
    };

    explicit TRtfReader(std::string_view Rtf) : FRtf(Rtf) {}

    TRtfText Parse();
    void ReadControl();
    void ControlWord(std::string_view Word, bool HasParam, int Param);
    void SetStyle(plat::TFontStyle Style, bool On);
    void Append(std::string_view Utf8);
    void NewLine();

    std::string_view FRtf;
    std::size_t FPos = 0;
    TGroupState FState;
    std::vector<TGroupState> FStack;
    TRtfText FText;
};

}  // namespace skelda::grid
