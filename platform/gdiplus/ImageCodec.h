#pragma once

#include "platform/gdiplus/GdiplusObjects.h"

#include <cstdint>
#include <span>
#include <vector>

namespace plat::gdiplus {

// The largest picture the stand-in decodes: 128 MiB of 32-bit pixels. A few bytes of header
// can claim gigabytes; such a picture counts as undecodable.
inline constexpr std::int64_t MaxDecodedImageBytes = 128ll * 1024 * 1024;

// The raw format of encoded bytes by their signature (BMP, PNG, JPEG, GIF, TIFF, icon, EMF,
// WMF), ImageFormatUndefined for anything else.
GUID RawFormatOf(std::span<const std::uint8_t> data);

// Decodes an image: Ok with the pixels (Format_ARGB32), raw format and pixel format, or
// UnknownImageFormat for bytes no reader takes, metafiles, and pictures over the limit.
Status DecodeImage(std::span<const std::uint8_t> data, GpImage& image);

// Encodes by a built-in encoder's class id; NotImplemented for an encoder the stand-in lacks,
// InvalidParameter for an unknown one.
Status EncodeImage(const GpImage& image, const CLSID& encoder, std::vector<std::uint8_t>& data);

}  // namespace plat::gdiplus
