#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class QImage;

// JPEG through libjpeg. Damaged, truncated or foreign data raises EInvalidGraphic
// ("JPEG error #<libjpeg message code>"); it never takes the program down.
namespace plat::JpegCodec {

// What one decode may hold at once: the decoded pixels and the decoder's own buffers together.
// A progressive picture keeps all its coefficients until its last scan, up to twice as many
// bytes as its pixels; a forged header of a few bytes must not make us reserve gigabytes.
constexpr std::uint64_t MaxDecodeBytes = 256ull * 1024 * 1024;

// A 24-bit image (QImage::Format_BGR888: B, G, R bytes per pixel) of the picture. A picture
// that does not fit MaxDecodeBytes raises EInvalidGraphic "JPEG picture too large (W x H)", one
// of more than 500 scans "JPEG picture has more than 500 scans".
QImage Decode(std::span<const std::uint8_t> data);
QImage DecodeFile(const std::string& fileName);

// Baseline JPEG of the image; Quality runs from 1 (smallest) to 100 (best), values outside
// are taken as the nearest end.
std::vector<std::uint8_t> Encode(const QImage& image, int quality);

}  // namespace plat::JpegCodec
