#pragma once

#include <QFontMetrics>
#include <QString>

#include <cstddef>

namespace plat {

// The advance width of a text in a font, as QFontMetrics::horizontalAdvance gives it, remembered
// so that a text drawn again (a grid repainting its cells) is not shaped again to be measured.
//
// Model: one table per thread from (font key, text) to the width in pixels; FontKey is
// QFont::key() of the font Metrics was made from, which names everything that changes a width.
// Memory: at most kMaxEntries texts of at most kMaxKeptLength characters each; a full table is
// emptied and filled again, so the bound holds whatever is drawn. A longer text is measured and
// not kept: shaping it costs more than finding it, and it would take the room of many short ones.
// Cost: one hash of the text on a hit; a miss shapes the text once.
class TextWidthCache {
public:
    static constexpr std::size_t kMaxEntries = 4096;
    static constexpr qsizetype kMaxKeptLength = 256;

    static int Advance(const QFontMetrics& Metrics, const QString& FontKey, const QString& Text);
    // The texts remembered on this thread.
    static std::size_t Count();
};

}  // namespace plat
