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
// Memory: at most kMaxEntries texts; a full table is emptied and filled again, so the bound holds
// whatever is drawn. Cost: one hash of the text on a hit; a miss shapes the text once.
class TextWidthCache {
public:
    static constexpr std::size_t kMaxEntries = 4096;

    static int Advance(const QFontMetrics& Metrics, const QString& FontKey, const QString& Text);
    // The texts remembered on this thread.
    static std::size_t Count();
};

}  // namespace plat
