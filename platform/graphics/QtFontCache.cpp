#include "platform/graphics/QtFontCache.h"

#include "platform/graphics/QtConversions.h"
#include "platform/graphics/TFont.h"

#include <string>
#include <vector>

namespace plat {

namespace {

// What ToQFont reads of a font.
struct TLook {
    std::string Name;
    int HeightPx = 0;
    TFontStyles Style;
    TFontPitch Pitch = fpDefault;
    friend bool operator==(const TLook&, const TLook&) = default;
};

struct TEntry {
    TLook Look;
    TQtFont Font;
};

}  // namespace

TQtFont QtFontCache::FontOf(const TFont& Font)
{
    thread_local std::vector<TEntry> entries;
    const auto matches = [&](const TLook& Look) {
        return Look.HeightPx == Font.GetHeight() && Look.Style == Font.GetStyle() && Look.Pitch == Font.GetPitch() &&
               Look.Name == Font.GetName();
    };
    for (const TEntry& entry : entries)
        if (matches(entry.Look))
            return entry.Font;
    if (static_cast<int>(entries.size()) >= kMaxFonts)
        entries.clear();
    QFont qtFont = ToQFont(Font);
    QString key = qtFont.key();
    entries.push_back({{Font.GetName(), Font.GetHeight(), Font.GetStyle(), Font.GetPitch()}, {qtFont, key}});
    return entries.back().Font;
}

}  // namespace plat
