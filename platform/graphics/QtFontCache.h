#pragma once

#include <QFont>
#include <QString>

namespace plat {

class TFont;

// The Qt font a platform font draws with, and the key that names its widths.
struct TQtFont {
    QFont Font;
    // QFont::key(): everything of the font that changes the width of a text.
    QString Key;
};

// The Qt font of a platform font, made once per look (name, height, style, pitch) and handed out
// again for the texts that follow. A QFont made anew costs a look-up of its font engine and a key
// built from text at each call, which a grid drawing a few hundred texts in one font pays for
// nothing.
//
// Model: per thread, the last kMaxFonts looks asked for; a full list is emptied and filled again.
// Cost: a comparison of the name and three numbers per look held; a miss is ToQFont and the key.
// The result is a copy (QFont shares its data), valid whatever is asked next.
class QtFontCache {
public:
    static constexpr int kMaxFonts = 16;

    static TQtFont FontOf(const TFont& Font);
};

}  // namespace plat
