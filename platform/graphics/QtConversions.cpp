#include "platform/graphics/QtConversions.h"

#include "platform/graphics/FontFamilies.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace plat {

QRgb ToQRgb(TColor c)
{
    const TColor rgb = ColorToRGB(c);
    return qRgb(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

QRegion ToQRegion(const TRegion& region)
{
    QRegion result;
    for (const TRect& r : region.Rects())
        result += ToQRect(r);
    return result;
}

QFont ToQFont(const TFont& f)
{
    QFont font(QString::fromStdString(ResolveFontFamily(f.GetName(), f.GetPitch())));
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setBold(f.GetStyle().Contains(fsBold));
    font.setItalic(f.GetStyle().Contains(fsItalic));
    font.setUnderline(f.GetStyle().Contains(fsUnderline));
    font.setStrikeOut(f.GetStyle().Contains(fsStrikeOut));
    if (f.GetPitch() == fpFixed)
        font.setFixedPitch(true);

    const int heightPx = f.GetHeight();
    if (heightPx < 0) {
        font.setPixelSize(-heightPx);
    } else if (heightPx > 0) {
        // A positive height is the whole cell (ascent + descent); find the em size that gives it.
        constexpr int referencePx = 100;
        font.setPixelSize(referencePx);
        const qreal cellPerEm = QFontMetricsF(font).height() / referencePx;
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(heightPx / cellPerEm))));
    } else {
        // Zero asks for the default size, as the platform did.
        font.setPixelSize(11);
    }
    return font;
}

}  // namespace plat
