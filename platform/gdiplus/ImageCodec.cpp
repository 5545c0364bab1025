#include "platform/gdiplus/ImageCodec.h"

#include "platform/graphics/BitmapFile.h"
#include "platform/graphics/PngFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QImageWriter>

#include <algorithm>
#include <cstring>

namespace plat::gdiplus {

namespace {

bool StartsWith(std::span<const std::uint8_t> data, std::initializer_list<std::uint8_t> prefix, std::size_t at = 0)
{
    return data.size() >= at + prefix.size() && std::equal(prefix.begin(), prefix.end(), data.begin() + static_cast<std::ptrdiff_t>(at));
}

std::uint32_t LittleEndian(std::span<const std::uint8_t> data, std::size_t at, int bytes)
{
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | data[at + static_cast<std::size_t>(i)];
    return value;
}

const char* QtFormatName(const GUID& raw)
{
    if (raw == ImageFormatBMP)
        return "bmp";
    if (raw == ImageFormatPNG)
        return "png";
    if (raw == ImageFormatJPEG)
        return "jpeg";
    if (raw == ImageFormatGIF)
        return "gif";
    if (raw == ImageFormatTIFF)
        return "tiff";
    if (raw == ImageFormatIcon)
        return "ico";
    return nullptr;
}

PixelFormat IndexedFormatOfDepth(unsigned bitsPerPixel)
{
    return bitsPerPixel <= 1 ? PixelFormat1bppIndexed : bitsPerPixel <= 4 ? PixelFormat4bppIndexed : PixelFormat8bppIndexed;
}

PixelFormat BmpPixelFormat(std::span<const std::uint8_t> data)
{
    if (data.size() < 30)
        return PixelFormat24bppRGB;
    const bool coreHeader = LittleEndian(data, 14, 4) == 12;
    const unsigned bits = LittleEndian(data, coreHeader ? 24 : 28, 2);
    switch (bits) {
    case 1:
    case 4:
    case 8: return IndexedFormatOfDepth(bits);
    case 16: return PixelFormat16bppRGB555;
    case 32: return PixelFormat32bppRGB;
    default: return PixelFormat24bppRGB;
    }
}

PixelFormat PngPixelFormat(std::span<const std::uint8_t> data)
{
    if (data.size() < 26)
        return PixelFormat32bppARGB;
    const unsigned depth = data[24];
    switch (data[25]) {
    case 0: return depth == 16 ? PixelFormat16bppGrayScale : IndexedFormatOfDepth(depth);
    case 2: return depth == 16 ? PixelFormat48bppRGB : PixelFormat24bppRGB;
    case 3: return IndexedFormatOfDepth(depth);
    case 4:
    case 6: return depth == 16 ? PixelFormat64bppARGB : PixelFormat32bppARGB;
    default: return PixelFormat32bppARGB;
    }
}

PixelFormat PixelFormatOf(std::span<const std::uint8_t> data, const GUID& raw, const QImage& decoded)
{
    if (raw == ImageFormatBMP)
        return BmpPixelFormat(data);
    if (raw == ImageFormatPNG)
        return PngPixelFormat(data);
    if (raw == ImageFormatGIF)
        return PixelFormat8bppIndexed;
    if (raw == ImageFormatIcon)
        return PixelFormat32bppARGB;
    if (decoded.format() == QImage::Format_Indexed8 || decoded.format() == QImage::Format_Grayscale8)
        return PixelFormat8bppIndexed;
    if (decoded.format() == QImage::Format_Mono || decoded.format() == QImage::Format_MonoLSB)
        return PixelFormat1bppIndexed;
    return decoded.hasAlphaChannel() ? PixelFormat32bppARGB : PixelFormat24bppRGB;
}

bool WithinDecodeLimit(QSize size)
{
    return size.width() > 0 && size.height() > 0 &&
           static_cast<std::int64_t>(size.width()) * size.height() * 4 <= MaxDecodedImageBytes;
}

// A side of 0 is no size: Qt's reader claims the size of a GIF's first image, which may have no
// width while the picture has one; the decoded size is then checked.
bool ClaimsTooMuch(QSize claimed)
{
    return claimed.isValid() && !claimed.isEmpty() && !WithinDecodeLimit(claimed);
}

// Whether a pixel shows through: a palette picture keeps transparency in its palette, which its
// pixel format does not tell.
bool HasTranslucentPixel(const QImage& pixels)
{
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        if (std::any_of(row, row + pixels.width(), [](QRgb pixel) { return qAlpha(pixel) != 255; }))
            return true;
    }
    return false;
}

}  // namespace

GUID RawFormatOf(std::span<const std::uint8_t> data)
{
    if (StartsWith(data, {'B', 'M'}))
        return ImageFormatBMP;
    if (StartsWith(data, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}))
        return ImageFormatPNG;
    if (StartsWith(data, {0xFF, 0xD8, 0xFF}))
        return ImageFormatJPEG;
    if (StartsWith(data, {'G', 'I', 'F', '8'}))
        return ImageFormatGIF;
    if (StartsWith(data, {'I', 'I', '*', 0}) || StartsWith(data, {'M', 'M', 0, '*'}))
        return ImageFormatTIFF;
    if (StartsWith(data, {0, 0, 1, 0}))
        return ImageFormatIcon;
    if (StartsWith(data, {1, 0, 0, 0}) && StartsWith(data, {' ', 'E', 'M', 'F'}, 40))
        return ImageFormatEMF;
    if (StartsWith(data, {0xD7, 0xCD, 0xC6, 0x9A}) || StartsWith(data, {1, 0, 9, 0}) || StartsWith(data, {2, 0, 9, 0}))
        return ImageFormatWMF;
    return ImageFormatUndefined;
}

Status DecodeImage(std::span<const std::uint8_t> data, GpImage& image)
{
    const GUID raw = RawFormatOf(data);
    const char* format = QtFormatName(raw);
    // libpng reserves a chunk's declared length as soon as it reads the header, before the size.
    if (!format || (raw == ImageFormatPNG && !PngFile::ChunksFitTheData(data)))
        return UnknownImageFormat;
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data.data()), static_cast<qsizetype>(data.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoTransform(false);
    // Readers that know the size before decoding are refused before they allocate.
    if (ClaimsTooMuch(reader.size()))
        return UnknownImageFormat;
    const QImage decoded = raw == ImageFormatBMP ? BitmapFile::Read(data) : reader.read();
    if (decoded.isNull() || !WithinDecodeLimit(decoded.size()))
        return UnknownImageFormat;
    image.Format = PixelFormatOf(data, raw, decoded);
    image.RawFormat = raw;
    image.Pixels = decoded.convertToFormat(QImage::Format_ARGB32);
    return image.Pixels.isNull() ? OutOfMemory : Ok;
}

Status EncodeImage(const GpImage& image, const CLSID& encoder, std::vector<std::uint8_t>& data)
{
    const char* format = encoder == EncoderBMP    ? "bmp"
                         : encoder == EncoderPNG  ? "png"
                         : encoder == EncoderJPEG ? "jpeg"
                         : encoder == EncoderTIFF ? "tiff"
                                                  : nullptr;
    if (encoder == EncoderGIF)
        return NotImplemented;
    if (!format)
        return InvalidParameter;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    // Pictures without alpha are written without it, as the platform's encoders do.
    const bool alpha = (image.Format & PixelFormatAlpha) != 0 ||
                       ((image.Format & PixelFormatIndexed) != 0 && HasTranslucentPixel(image.Pixels));
    if (!writer.write(alpha ? image.Pixels : image.Pixels.convertToFormat(QImage::Format_RGB32)))
        return Win32Error;
    data.assign(bytes.begin(), bytes.end());
    return Ok;
}

}  // namespace plat::gdiplus
