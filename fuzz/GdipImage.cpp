// Picture bytes into the GDI+ wrapper's images (TGPImage, TGPBitmap): any input gives a decoded
// image or a refusal, never a crash, and decoding holds little more heap than the decoded
// pixels; the OLE picture decodes the formats it shares with GDI+ exactly when GDI+ does (no
// picture read in part, no side of 0 taken for a size); a bitmap file decodes exactly when the
// widget library's bitmap loads it, to the same colours; a decoded image has a size within the
// decoding limit, a known format, the same size and pixels as a bitmap made from the same bytes,
// draws scaled, and comes back with the same pixels when saved as PNG and decoded again.

#include "FuzzSupport.h"
#include "HeadlessQt.h"
#include "HeapPeak.h"

#include "foundation/TGPBrush.h"
#include "foundation/TGPGraphics.h"
#include "foundation/TGPImage.h"
#include "platform/core/TStream.h"
#include "platform/gdiplus/ImageCodec.h"
#include "platform/graphics/EInvalidGraphic.h"
#include "platform/graphics/OlePicture.h"
#include "platform/graphics/TBitmap.h"

#include <QImage>

#include <memory>
#include <span>
#include <string>

using namespace skelda::foundation;
using skelda::fuzz::Check;

namespace {

// Qt's readers refuse pictures beyond this: a few bytes may declare one of hundreds of
// megabytes, and every picture here is decoded twice and encoded once, which would only slow
// the search down. The controls' pictures are far smaller.
constexpr int AllocationLimitMB = 1;
// What decoding may hold beyond the pixels Qt's limit allows: the decoded copies, the readers'
// own state. A chunk or header that makes a reader reserve what it claims goes far beyond.
constexpr std::size_t DecodeHeapBytes = 32u << 20;

// The OLE picture reads these formats as GDI+ does; a JPEG it knows by two bytes, GDI+ by three.
bool OleReadsAlike(const GUID& Raw)
{
    using namespace plat::gdiplus;
    return Raw == ImageFormatBMP || Raw == ImageFormatPNG || Raw == ImageFormatGIF || Raw == ImageFormatIcon ||
           Raw == ImageFormatJPEG;
}

void Fill(plat::TMemoryStream& Stream, const std::uint8_t* Data, std::size_t Size)
{
    Stream.WriteBuffer(Data, static_cast<std::int64_t>(Size));
}

std::string PixelText(int X, int Y, ARGB A, ARGB B)
{
    return std::to_string(X) + ", " + std::to_string(Y) + ": " + std::to_string(A) + " and " + std::to_string(B);
}

// A bitmap file gives the same colours wherever it is loaded; the rows a file lacks, if ever
// taken, would show what the memory held before. Pixels that show nothing have no colour.
void CheckAsTheBitmapLoadsIt(std::span<const std::uint8_t> Bytes, Status Decoded, const TGPImage& Image)
{
    plat::TBitmap bitmap;
    bool loaded = true;
    try {
        bitmap.LoadFromBytes(Bytes);
    } catch (const plat::EInvalidGraphic&) {
        loaded = false;
    }
    Check(loaded == (Decoded == Ok), "GDI+ and the bitmap disagree on loading a bitmap file",
          loaded ? "only the bitmap loads it" : "only GDI+ decodes it");
    if (!loaded)
        return;
    const QImage& decoded = Image.Native()->Pixels;
    const QImage& held = bitmap.Image();
    Check(decoded.size() == held.size(), "GDI+ and the bitmap decode a bitmap file to different sizes");
    for (int y = 0; y < decoded.height(); ++y)
        for (int x = 0; x < decoded.width(); ++x) {
            const QRgb a = decoded.pixel(x, y);
            const QRgb b = held.pixel(x, y);
            if (qAlpha(a) != 0 && qAlpha(b) != 0)
                Check((a & RGB_MASK) == (b & RGB_MASK), "GDI+ and the bitmap decode a pixel to different colours",
                      PixelText(x, y, a, b));
        }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* Argc, char*** Argv)
{
    skelda::fuzz::StartHeadlessQt(Argc, Argv, AllocationLimitMB);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    plat::TMemoryStream stream;
    Fill(stream, Data, Size);
    std::unique_ptr<TGPImage> decoded;
    const std::size_t peakBytes = skelda::fuzz::PeakHeapGrowthBytes([&] { decoded = std::make_unique<TGPImage>(&stream); });
    Check(peakBytes <= DecodeHeapBytes + 4 * Size, "decoding held far more heap than its picture",
          std::to_string(peakBytes) + " bytes");
    TGPImage& image = *decoded;
    const Status status = image.GetLastStatus();
    const std::span<const std::uint8_t> bytes(Data, Size);
    const GUID raw = plat::gdiplus::RawFormatOf(bytes);
    if (raw == plat::gdiplus::ImageFormatBMP)
        CheckAsTheBitmapLoadsIt(bytes, status, image);
    if (OleReadsAlike(raw)) {
        std::shared_ptr<plat::TOlePicture> ole;
        const bool oleDecodes = plat::TOlePicture::Load(bytes, ole) == plat::TOlePicture::TLoadResult::Ok;
        Check(oleDecodes == (status == Ok), "the OLE picture and GDI+ disagree on decoding",
              std::string(oleDecodes ? "only the OLE picture" : "only GDI+") + " decodes");
    }
    if (status != Ok) {
        Check(status == UnknownImageFormat, "refused with another status", std::to_string(status));
        Check(image.Native() == nullptr && image.GetWidth() == 0, "a refused image has a size");
        return 0;
    }
    const std::uint32_t width = image.GetWidth();
    const std::uint32_t height = image.GetHeight();
    Check(width > 0 && height > 0, "a decoded image without pixels");
    Check(static_cast<std::int64_t>(width) * height * 4 <= plat::gdiplus::MaxDecodedImageBytes,
          "decoded beyond the limit", std::to_string(width) + " x " + std::to_string(height));
    Check(image.GetFormat() != ifUndefined && image.GetPixelDepth() > 0, "a decoded image of no known format");

    plat::TMemoryStream again;
    Fill(again, Data, Size);
    TGPBitmap bitmap(&again);
    Check(bitmap.GetLastStatus() == Ok && bitmap.GetWidth() == width && bitmap.GetHeight() == height,
          "the same bytes as a bitmap differ");

    TGPBitmap surface(16, 16);
    TGPGraphics graphics(&surface);
    graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    Check(graphics.DrawImage(&image, 0.0f, 0.0f, 16.0f, 16.0f) == Ok, "a decoded image does not draw");

    plat::TMemoryStream png;
    Check(bitmap.Save(png, EncoderPNG) == Ok, "a decoded image cannot be saved");
    TGPBitmap reloaded(&png);
    Check(reloaded.GetWidth() == width && reloaded.GetHeight() == height, "saved and loaded, the size changed");
    const int xs[] = {0, static_cast<int>(width) / 2, static_cast<int>(width) - 1};
    const int ys[] = {0, static_cast<int>(height) / 2, static_cast<int>(height) - 1};
    for (const int y : ys)
        for (const int x : xs) {
            ARGB before = 0;
            ARGB after = 0;
            Check(bitmap.GetPixel(x, y, before) == Ok && reloaded.GetPixel(x, y, after) == Ok, "a pixel cannot be read");
            // A wholly transparent pixel has no colour worth keeping.
            if ((before >> 24) == 0)
                before = 0, after &= 0xFF000000;
            Check(before == after, "saved and loaded, a pixel changed", PixelText(x, y, before, after));
        }
    return 0;
}
