// The image and bitmap functions of the flat API.

#include "platform/core/TStream.h"
#include "platform/gdiplus/ApiSupport.h"
#include "platform/gdiplus/GdiplusFlat.h"
#include "platform/gdiplus/ImageCodec.h"
#include "platform/graphics/TBitmap.h"

#include <QPainter>

#include <fstream>
#include <iterator>

namespace plat::gdiplus {

namespace {

Status LoadFromBytes(std::span<const std::uint8_t> data, GpImage** image)
{
    auto made = std::make_unique<GpImage>();
    const Status decoded = DecodeImage(data, *made);
    if (decoded != Ok)
        return decoded;
    return HandOut(image, std::move(made));
}

Status LoadFromFile(const char* filename, GpImage** image)
{
    if (!filename || !image)
        return InvalidParameter;
    return Guarded([&] {
        std::ifstream file(filename, std::ios::binary);
        if (!file)
            return FileNotFound;
        const std::vector<std::uint8_t> data((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        if (file.bad())
            return Win32Error;
        return LoadFromBytes(data, image);
    });
}

// The decoders take the whole stream from its start, as the platform's do.
Status LoadFromStream(TStream* stream, GpImage** image)
{
    if (!stream || !image)
        return InvalidParameter;
    return Guarded([&] {
        stream->SetPosition(0);
        return LoadFromBytes(stream->ReadRest(), image);
    });
}

bool HasAlpha(const GpImage& image) { return (image.Format & PixelFormatAlpha) != 0; }
bool IsIndexed(const GpImage& image) { return (image.Format & PixelFormatIndexed) != 0; }

// The pixel formats a new bitmap may have.
bool IsBitmapFormat(PixelFormat format)
{
    switch (format) {
    case PixelFormat1bppIndexed:
    case PixelFormat4bppIndexed:
    case PixelFormat8bppIndexed:
    case PixelFormat16bppGrayScale:
    case PixelFormat16bppRGB555:
    case PixelFormat16bppRGB565:
    case PixelFormat16bppARGB1555:
    case PixelFormat24bppRGB:
    case PixelFormat32bppRGB:
    case PixelFormat32bppARGB:
    case PixelFormat32bppPARGB:
    case PixelFormat48bppRGB:
    case PixelFormat64bppARGB:
    case PixelFormat64bppPARGB:
        return true;
    default:
        return false;
    }
}

bool Inside(const GpImage& image, std::int32_t x, std::int32_t y)
{
    return x >= 0 && y >= 0 && x < image.Pixels.width() && y < image.Pixels.height();
}

}  // namespace

Status GdipLoadImageFromFile(const char* filename, GpImage** image)
{
    return LoadFromFile(filename, image);
}

Status GdipLoadImageFromFileICM(const char* filename, GpImage** image)
{
    // Colour management changes nothing on this platform.
    return LoadFromFile(filename, image);
}

Status GdipLoadImageFromStream(TStream* stream, GpImage** image)
{
    return LoadFromStream(stream, image);
}

Status GdipLoadImageFromStreamICM(TStream* stream, GpImage** image)
{
    return LoadFromStream(stream, image);
}

Status GdipCreateBitmapFromStream(TStream* stream, GpBitmap** bitmap)
{
    return LoadFromStream(stream, bitmap);
}

Status GdipCreateBitmapFromStreamICM(TStream* stream, GpBitmap** bitmap)
{
    return LoadFromStream(stream, bitmap);
}

Status GdipDisposeImage(GpImage* image)
{
    if (!image)
        return InvalidParameter;
    delete image;
    return Ok;
}

Status GdipGetImageWidth(GpImage* image, std::uint32_t* width)
{
    if (!image || !width)
        return InvalidParameter;
    *width = static_cast<std::uint32_t>(image->Pixels.width());
    return Ok;
}

Status GdipGetImageHeight(GpImage* image, std::uint32_t* height)
{
    if (!image || !height)
        return InvalidParameter;
    *height = static_cast<std::uint32_t>(image->Pixels.height());
    return Ok;
}

Status GdipGetImageRawFormat(GpImage* image, GUID* format)
{
    if (!image || !format)
        return InvalidParameter;
    *format = image->RawFormat;
    return Ok;
}

Status GdipGetImagePixelFormat(GpImage* image, PixelFormat* format)
{
    if (!image || !format)
        return InvalidParameter;
    *format = image->Format;
    return Ok;
}

Status GdipGetImageThumbnail(GpImage* image, std::uint32_t thumbWidth, std::uint32_t thumbHeight, GpImage** thumbImage,
                             GetThumbnailImageAbort callback, void* callbackData)
{
    if (!image || !thumbImage)
        return InvalidParameter;
    if (callback && callback(callbackData))
        return Aborted;
    // Without a size the platform makes its standard thumbnail of 120 pixels.
    constexpr std::uint32_t standardSide = 120;
    const std::uint32_t width = thumbWidth ? thumbWidth : standardSide;
    const std::uint32_t height = thumbHeight ? thumbHeight : standardSide;
    if (static_cast<std::int64_t>(width) * height * 4 > MaxDecodedImageBytes)
        return OutOfMemory;
    return Guarded([&] {
        auto thumb = std::make_unique<GpImage>();
        thumb->Pixels = image->Pixels.scaled(static_cast<int>(width), static_cast<int>(height), Qt::IgnoreAspectRatio,
                                             Qt::SmoothTransformation);
        thumb->Format = HasAlpha(*image) ? PixelFormat32bppARGB : PixelFormat32bppRGB;
        thumb->RawFormat = ImageFormatMemoryBMP;
        return HandOut(thumbImage, std::move(thumb));
    });
}

Status GdipImageRotateFlip(GpImage* image, RotateFlipType rfType)
{
    if (!image || rfType < RotateNoneFlipNone || rfType > Rotate270FlipX)
        return InvalidParameter;
    return Guarded([&] {
        const int quarterTurns = rfType % 4;
        QImage turned = quarterTurns == 0 ? image->Pixels : image->Pixels.transformed(QTransform().rotate(90.0 * quarterTurns));
        if (rfType >= RotateNoneFlipX)
            turned = turned.mirrored(true, false);
        image->Pixels = turned.convertToFormat(QImage::Format_ARGB32);
        return Ok;
    });
}

Status GdipSaveImageToFile(GpImage* image, const char* filename, const CLSID* clsidEncoder, const EncoderParameters*)
{
    if (!image || !filename || !clsidEncoder)
        return InvalidParameter;
    return Guarded([&] {
        std::vector<std::uint8_t> data;
        if (const Status encoded = EncodeImage(*image, *clsidEncoder, data); encoded != Ok)
            return encoded;
        std::ofstream file(filename, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
        file.close();
        return file ? Ok : Win32Error;
    });
}

Status GdipSaveImageToStream(GpImage* image, TStream* stream, const CLSID* clsidEncoder, const EncoderParameters*)
{
    if (!image || !stream || !clsidEncoder)
        return InvalidParameter;
    return Guarded([&] {
        std::vector<std::uint8_t> data;
        if (const Status encoded = EncodeImage(*image, *clsidEncoder, data); encoded != Ok)
            return encoded;
        stream->WriteBuffer(data);
        return Ok;
    });
}

Status GdipSaveAddImage(GpImage* image, GpImage* newImage, const EncoderParameters*)
{
    if (!image || !newImage)
        return InvalidParameter;
    // Files of several frames are not written on this platform.
    return NotImplemented;
}

Status GdipCreateBitmapFromScan0(std::int32_t width, std::int32_t height, std::int32_t stride, PixelFormat format,
                                 std::uint8_t* scan0, GpBitmap** bitmap)
{
    if (!bitmap || width <= 0 || height <= 0 || !IsBitmapFormat(format))
        return InvalidParameter;
    // Pixels the caller provides are not taken over by the stand-in.
    if (scan0 || stride != 0)
        return NotImplemented;
    if (static_cast<std::int64_t>(width) * height * 4 > MaxDecodedImageBytes)
        return OutOfMemory;
    return Guarded([&] {
        auto made = std::make_unique<GpImage>();
        made->Pixels = QImage(width, height, QImage::Format_ARGB32);
        if (made->Pixels.isNull())
            return OutOfMemory;
        made->Format = format;
        made->RawFormat = ImageFormatMemoryBMP;
        // New pixels are zero: transparent where there is alpha, black where there is none.
        made->Pixels.fill(HasAlpha(*made) ? 0u : 0xFF000000u);
        return HandOut(bitmap, std::move(made));
    });
}

Status GdipBitmapGetPixel(GpBitmap* bitmap, std::int32_t x, std::int32_t y, ARGB* color)
{
    if (!bitmap || !color || !Inside(*bitmap, x, y))
        return InvalidParameter;
    *color = bitmap->Pixels.pixel(x, y);
    return Ok;
}

Status GdipBitmapSetPixel(GpBitmap* bitmap, std::int32_t x, std::int32_t y, ARGB color)
{
    // The platform writes no single pixels into indexed pictures.
    if (!bitmap || !Inside(*bitmap, x, y) || IsIndexed(*bitmap))
        return InvalidParameter;
    bitmap->Pixels.setPixel(x, y, HasAlpha(*bitmap) ? color : (color | 0xFF000000u));
    return Ok;
}

Status GdipCreateHBITMAPFromBitmap(GpBitmap* bitmap, HBITMAP* hbmReturn, ARGB background)
{
    if (!bitmap || !hbmReturn)
        return InvalidParameter;
    return Guarded([&] {
        QImage flat(bitmap->Pixels.size(), QImage::Format_ARGB32);
        flat.fill(QColor::fromRgba(background | 0xFF000000u));
        {
            QPainter p(&flat);
            p.drawImage(0, 0, bitmap->Pixels);
        }
        auto result = std::make_unique<TBitmap>();
        result->LoadFromImage(std::move(flat));
        *hbmReturn = reinterpret_cast<HBITMAP>(result.release());
        return Ok;
    });
}

TBitmap* BitmapOfHandle(HBITMAP handle)
{
    return reinterpret_cast<TBitmap*>(handle);
}

bool DeleteObject(HBITMAP handle)
{
    delete BitmapOfHandle(handle);
    return handle != nullptr;
}

HBITMAP HandleOfBitmap(const TBitmap& bitmap)
{
    return reinterpret_cast<HBITMAP>(const_cast<TBitmap*>(&bitmap));
}

Status GdipCreateBitmapFromHBITMAP(HBITMAP hbm, HPALETTE /*hpal*/, GpBitmap** bitmap)
{
    if (!hbm || !bitmap)
        return InvalidParameter;
    const TBitmap& source = *BitmapOfHandle(hbm);
    if (source.GetEmpty())
        return InvalidParameter;
    if (static_cast<std::int64_t>(source.GetWidth()) * source.GetHeight() * 4 > MaxDecodedImageBytes)
        return OutOfMemory;
    return Guarded([&] {
        auto made = std::make_unique<GpImage>();
        made->Pixels = source.Image().convertToFormat(QImage::Format_RGB32).convertToFormat(QImage::Format_ARGB32);
        if (made->Pixels.isNull())
            return OutOfMemory;
        made->Format = PixelFormat32bppRGB;
        made->RawFormat = ImageFormatMemoryBMP;
        return HandOut(bitmap, std::move(made));
    });
}

}  // namespace plat::gdiplus
