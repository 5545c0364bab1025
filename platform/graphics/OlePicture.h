#pragma once

#include "platform/core/Types.h"

#include <cstdint>
#include <memory>
#include <span>

class QImage;

namespace plat {

class TCanvas;

// What the platform's OLE picture loader gives: one decoded picture with its size in HIMETRIC
// (hundredths of a millimetre, taken at 96 pixels per inch), drawn by Render. It reads BMP,
// JPEG, GIF (the first image), icons and PNG, recognised by their signatures; anything else,
// metafiles included, is refused, and so are damaged files the readers would take in part (a
// bitmap file cut short: BitmapFile::Read; a PNG chunk longer than the data: PngFile). Immutable
// once loaded.
class TOlePicture {
public:
    enum class TLoadResult { Ok, InvalidFormat };

    static TLoadResult Load(std::span<const std::uint8_t> Data, std::shared_ptr<TOlePicture>& Picture);
    ~TOlePicture();

    int WidthHiMetric() const { return FWidthHiMetric; }
    int HeightHiMetric() const { return FHeightHiMetric; }
    int WidthPx() const;
    int HeightPx() const;
    // Draws the picture's pixels into Dest; nothing for an empty Dest.
    void Render(TCanvas& Canvas, const TRect& Dest) const;
    // Keeps only the given part of the picture (cut to the picture).
    void Crop(const TRect& Part);

private:
    TOlePicture();
    std::unique_ptr<QImage> FImage;
    int FWidthHiMetric = 0;
    int FHeightHiMetric = 0;
};

}  // namespace plat
