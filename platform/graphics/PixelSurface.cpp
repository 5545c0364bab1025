#include "platform/graphics/PixelSurface.h"

#include "platform/graphics/QtConversions.h"

#include <algorithm>

namespace plat {

namespace {

bool HasDirectAccess(const QImage& image)
{
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32;
}

}  // namespace

PixelSurface::PixelSurface(QImage& image, const std::optional<TRegion>& clip)
    : FImage(image), FVisible(TRect{0, 0, image.width(), image.height()})
{
    if (clip)
        FVisible = FVisible.Intersect(*clip);
}

bool PixelSurface::Visible(int x, int y) const
{
    return FVisible.Contains({x, y});
}

TColor PixelSurface::Get(int x, int y) const
{
    return FromQRgb(Raw(x, y));
}

void PixelSurface::Set(int x, int y, TColor color)
{
    SetRaw(x, y, ToQRgb(color));
}

std::uint32_t PixelSurface::Raw(int x, int y) const
{
    if (HasDirectAccess(FImage))
        return reinterpret_cast<const QRgb*>(FImage.constScanLine(y))[x];
    return FImage.pixel(x, y);
}

void PixelSurface::SetRaw(int x, int y, std::uint32_t argb)
{
    if (FImage.format() == QImage::Format_RGB32)
        reinterpret_cast<QRgb*>(FImage.scanLine(y))[x] = argb | 0xFF000000u;
    else if (FImage.format() == QImage::Format_ARGB32)
        reinterpret_cast<QRgb*>(FImage.scanLine(y))[x] = argb;
    else
        FImage.setPixel(x, y, argb);
}

void PixelSurface::Combine(const TRect& dest, const QImage& source, const RasterOperation& rop, QRgb pattern)
{
    const TRegion visibleDest = FVisible.Intersect(TRegion(dest));
    for (const TRect& band : visibleDest.Rects()) {
        for (int y = band.Top; y < band.Bottom; ++y) {
            for (int x = band.Left; x < band.Right; ++x) {
                const std::uint32_t s = source.isNull() ? 0 : source.pixel(x - dest.Left, y - dest.Top);
                const std::uint32_t d = Raw(x, y);
                if (rop.IsSourceCopy()) {
                    SetRaw(x, y, s);
                    continue;
                }
                const std::uint32_t colour = rop.Apply(pattern, s, d) & 0x00FFFFFFu;
                SetRaw(x, y, colour | (d & 0xFF000000u));
            }
        }
    }
}

std::vector<TRect> PixelSurface::FloodSpans(int x, int y, TColor color, TFillStyle style) const
{
    std::vector<TRect> spans;
    if (!Visible(x, y))
        return spans;
    const std::uint32_t rgb = ToQRgb(color) & 0x00FFFFFFu;
    const int width = FImage.width();
    std::vector<bool> done(static_cast<std::size_t>(width) * FImage.height(), false);
    auto fillable = [&](int px, int py) {
        if (done[static_cast<std::size_t>(py) * width + px] || !Visible(px, py))
            return false;
        const bool sameColour = (Raw(px, py) & 0x00FFFFFFu) == rgb;
        return style == fsSurface ? sameColour : !sameColour;
    };
    if (!fillable(x, y))
        return spans;

    std::vector<TPoint> seeds{{x, y}};
    while (!seeds.empty()) {
        const TPoint seed = seeds.back();
        seeds.pop_back();
        if (!fillable(seed.X, seed.Y))
            continue;
        int left = seed.X;
        int right = seed.X;
        while (left > 0 && fillable(left - 1, seed.Y))
            --left;
        while (right + 1 < width && fillable(right + 1, seed.Y))
            ++right;
        for (int px = left; px <= right; ++px)
            done[static_cast<std::size_t>(seed.Y) * width + px] = true;
        spans.push_back({left, seed.Y, right + 1, seed.Y + 1});
        for (int row : {seed.Y - 1, seed.Y + 1}) {
            if (row < 0 || row >= FImage.height())
                continue;
            for (int px = left; px <= right; ++px)
                if (fillable(px, row) && (px == left || !fillable(px - 1, row)))
                    seeds.push_back({px, row});
        }
    }
    std::sort(spans.begin(), spans.end(), [](const TRect& a, const TRect& b) {
        return a.Top != b.Top ? a.Top < b.Top : a.Left < b.Left;
    });
    return spans;
}

}  // namespace plat
