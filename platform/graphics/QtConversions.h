#pragma once

// Conversions between the layer's drawing types and Qt's, for the layer's own back ends.

#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TRegion.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QRegion>
#include <QString>

#include <string>

namespace plat {

// The colour as drawn: system colours resolved; values that are not colours (clNone,
// clDefault) draw with their low 24 bits.
QRgb ToQRgb(TColor c);
inline QColor ToQColor(TColor c) { return QColor::fromRgb(ToQRgb(c)); }
// The colour part of a pixel; alpha is dropped.
constexpr TColor FromQRgb(QRgb rgb) { return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb)); }

inline QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }
inline TRect FromQRect(const QRect& r) { return Bounds(r.x(), r.y(), r.width(), r.height()); }
QRegion ToQRegion(const TRegion& region);

inline QString ToQString(const std::string& text) { return QString::fromStdString(text); }
inline std::string FromQString(const QString& text) { return text.toStdString(); }

// The Qt font that draws f: family mapped to an installed face, pixel height as the widget
// library meant it, no antialiasing.
QFont ToQFont(const TFont& f);

}  // namespace plat
