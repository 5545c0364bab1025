#include "platform/controls/core/BufferedPaint.h"

#include "platform/core/RectOps.h"

#include <QImage>
#include <QPainter>

namespace plat {

TBufferedPaint::TBufferedPaint(const TPaintContext& Target, const TRect& Rect)
    : FTarget(Target), FRect(IntersectedRect(Rect, Target.ClipRect))
{
    if (FRect.IsEmpty() || !Target.Painter)
        return;
    // Not premultiplied: the alpha byte can then change without touching the colour bytes.
    FImage = std::make_unique<QImage>(FRect.Width(), FRect.Height(), QImage::Format_ARGB32);
    FImage->fill(Qt::transparent);
    FPainter = std::make_unique<QPainter>(FImage.get());
    FContext = TPaintContext{FPainter.get(), {FRect.Width(), FRect.Height()}, {-FRect.Left, -FRect.Top}, FRect,
                             FImage.get()};
}

TBufferedPaint::~TBufferedPaint()
{
    if (!FImage)
        return;
    FPainter->end();
    FTarget.Painter->drawImage(FRect.Left + FTarget.Origin.X, FRect.Top + FTarget.Origin.Y, *FImage);
}

void TBufferedPaint::SetAlpha(const TRect& R, std::uint8_t Alpha)
{
    if (!FImage)
        return;
    const TRect area = IntersectedRect(R, FRect);
    for (int y = area.Top; y < area.Bottom; ++y) {
        auto* line = reinterpret_cast<QRgb*>(FImage->scanLine(y - FRect.Top));
        for (int x = area.Left; x < area.Right; ++x) {
            QRgb& pixel = line[x - FRect.Left];
            pixel = (pixel & 0x00FFFFFFu) | (static_cast<QRgb>(Alpha) << 24);
        }
    }
}

}  // namespace plat
