#include "PictureProbes.h"

#include "platform/graphics/QtConversions.h"
#include "platform/graphics/TCanvas.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>

namespace plat::picture_probes {

void Fill(TBitmap& bitmap, TPixelFormat format, int width, int height, TColor colour)
{
    bitmap.SetPixelFormat(format);
    bitmap.SetSize(width, height);
    bitmap.Canvas().Brush().SetColor(colour);
    bitmap.Canvas().FillRect(Rect(0, 0, width, height));
}

TColor PixelOf(const TBitmap& bitmap, int x, int y)
{
    return FromQRgb(bitmap.Image().pixel(x, y));
}

void Paint(TBitmap& bitmap, int x, int y, TColor colour)
{
    bitmap.Canvas().SetPixels(x, y, colour);
}

std::vector<std::uint8_t> Encoded(const QImage& image, const char* format)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return std::vector<std::uint8_t>(data.begin(), data.end());
}

}  // namespace plat::picture_probes
