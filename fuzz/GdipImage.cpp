// Picture bytes into the GDI+ wrapper's images (TGPImage, TGPBitmap): any input gives a decoded
// image or a refusal, never a crash; a decoded image has a size within the decoding limit, a
// known format, the same size and pixels as a bitmap made from the same bytes, draws scaled, and
// comes back with the same pixels when saved as PNG and decoded again.

#include "FuzzSupport.h"
#include "HeadlessQt.h"

#include "foundation/TGPBrush.h"
#include "foundation/TGPGraphics.h"
#include "foundation/TGPImage.h"
#include "platform/core/TStream.h"
#include "platform/gdiplus/ImageCodec.h"


#include <string>

using namespace skelda::foundation;
using skelda::fuzz::Check;

namespace {

// Qt's readers refuse pictures beyond this: a few bytes may declare one of hundreds of
// megabytes, and every picture here is decoded twice and encoded once, which would only slow
// the search down. The controls' pictures are far smaller.
constexpr int AllocationLimitMB = 1;

void Fill(plat::TMemoryStream& Stream, const std::uint8_t* Data, std::size_t Size)
{
    Stream.WriteBuffer(Data, static_cast<std::int64_t>(Size));
}

std::string PixelText(int X, int Y, ARGB A, ARGB B)
{
    return std::to_string(X) + ", " + std::to_string(Y) + ": " + std::to_string(A) + " and " + std::to_string(B);
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
    TGPImage image(&stream);
    const Status status = image.GetLastStatus();
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
