#pragma once

#include "platform/graphics/TFont.h"

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

namespace skelda::foundation {

// Heights and widths of one font as a call measured them. A text has few fonts, and both passes
// of a line measure the same runs, so each is measured once per font.
struct TMiniHtmlFontMetrics {
    std::string Name;
    int HeightPx = 0;
    plat::TFontStyles Style;
    int TextHeightPx = 0;   // of "gh"
    int SpaceWidthPx = 0;
    // Run widths by the shown text and whether prefixes are drawn.
    std::unordered_map<std::string, int> RunWidthsPx;

    bool Describes(const plat::TFont& Font) const
    {
        return HeightPx == Font.GetHeight() && Style == Font.GetStyle() && Name == Font.GetName();
    }
};

// One line as the first pass of the engine found it.
struct TMiniHtmlLine {
    std::string Markup;     // the source text the line took, tags included
    std::string PlainText;  // what the line adds to the plain text
    int WidthPx = 0;        // without a trailing space
    int HeightPx = 0;       // the hint's line gap included
    int SupSpacePx = 0;
    int SubSpacePx = 0;
    int PictureOffsetPx = 0;
    int GhHeightPx = 0;     // of "gh" in the font the line starts in
    int Align = 0;          // 0 left, 1 right, 2 centre: what the line's <P> tags left in force
    int IndentPx = 0;
};

// A text laid out once, for drawing and locating it again without measuring it again: its lines
// with their sizes and the measurements they were made from. A layout holds for the text, the
// canvas font, the width of the bounds and the switches it was made with (WrapWords, hover link,
// reading order, the copy of the engine); where the bounds stand does not matter. Pictures are
// measured when the text is laid out, so a layout with pictures whose source may change (a
// container's, an address's, an image list's) is marked not Reusable.
struct TMiniHtmlLayout {
    std::vector<TMiniHtmlLine> Lines;
    std::vector<TMiniHtmlFontMetrics> Metrics;
    int ContentWidthPx = 0;
    int ContentHeightPx = 0;
    int LinkTotal = 0;
    // " & " in the hint's text: ampersands show as they are.
    bool RawAmpersands = false;
    bool Reusable = true;

    // What the layout holds on the heap and in itself, in bytes (an estimate good to a few
    // percent: container overheads are counted as typical implementations take them).
    std::size_t MemoryBytes() const;
};

}  // namespace skelda::foundation
