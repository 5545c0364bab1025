#pragma once

#include "platform/core/Types.h"
#include "platform/graphics/RasterOperation.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TRegion.h"

#include <QImage>

#include <optional>
#include <vector>

namespace plat {

// Direct work on an image's pixels, limited to the visible part (the image and the clip
// region), in device coordinates. Used where a painter cannot help: reading pixels, flood
// fill and raster operations over pattern, source and destination.
class PixelSurface {
public:
    PixelSurface(QImage& image, const std::optional<TRegion>& clip);

    bool Visible(int x, int y) const;
    // Colour part of a visible pixel.
    TColor Get(int x, int y) const;
    void Set(int x, int y, TColor color);

    // Combines source (already at Dest's size) with the pixels of Dest. SRCCOPY takes the
    // source's alpha; every other operation works on the colour and keeps the destination's
    // alpha, so that inverting twice restores a picture exactly.
    void Combine(const TRect& dest, const QImage& source, const RasterOperation& rop, QRgb pattern);

    // The connected area (four-way) from (x, y): pixels of the colour (fsSurface) or pixels
    // up to a border of the colour (fsBorder), as one-pixel-high spans sorted by row.
    std::vector<TRect> FloodSpans(int x, int y, TColor color, TFillStyle style) const;

private:
    std::uint32_t Raw(int x, int y) const;
    void SetRaw(int x, int y, std::uint32_t argb);

    QImage& FImage;
    TRegion FVisible;
};

}  // namespace plat
