#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class QImage;

// JPEG through libjpeg. Damaged, truncated or foreign data raises EInvalidGraphic
// ("JPEG error #<libjpeg message code>"); it never takes the program down.
namespace plat::JpegCodec {

// A 24-bit image (QImage::Format_BGR888: B, G, R bytes per pixel) of the picture.
QImage Decode(std::span<const std::uint8_t> data);
QImage DecodeFile(const std::string& fileName);

// Baseline JPEG of the image; Quality runs from 1 (smallest) to 100 (best), values outside
// are taken as the nearest end.
std::vector<std::uint8_t> Encode(const QImage& image, int quality);

}  // namespace plat::JpegCodec
