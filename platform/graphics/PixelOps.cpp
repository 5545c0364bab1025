#include "platform/graphics/PixelOps.h"

namespace plat::PixelOps {

QImage Opaque(const QImage& image)
{
    if (!image.hasAlphaChannel())
        return image;
    // A plain ARGB32 copy keeps the colour bytes as stored; converting to RGB32 directly would
    // premultiply them by alpha first.
    QImage result = image.format() == QImage::Format_ARGB32 ? image.copy() : image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            row[x] |= 0xFF000000u;
    }
    result.reinterpretAsFormat(QImage::Format_RGB32);
    return result;
}

QImage KeyedOut(const QImage& image, QRgb key)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb keyColour = key & RGB_MASK;
    for (int y = 0; y < result.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            if ((row[x] & RGB_MASK) == keyColour)
                row[x] = 0;
    }
    return result;
}

}  // namespace plat::PixelOps
