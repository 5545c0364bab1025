// Picture bytes into the GDI+ picture (TGDIPPicture): its stored form gives the bytes back
// unchanged, its size agrees with the GDI+ image of the same bytes (0 when they do not decode),
// a copy holds the same bytes, and drawing either draws or leaves the canvas alone, raising
// nothing: a bitmap file GDI+ decodes, the widget library's bitmap that draws it loads too.

#include "FuzzSupport.h"
#include "HeadlessQt.h"

#include "foundation/TGDIPPicture.h"
#include "foundation/TGPImage.h"
#include "platform/core/TStream.h"
#include "platform/graphics/EInvalidGraphic.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TCanvasBackend.h"

#include <QImage>

#include <string>

using namespace skelda::foundation;
using skelda::fuzz::Check;

namespace {

// Qt's readers refuse pictures beyond this, as in the image target.
constexpr int AllocationLimitMB = 1;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* Argc, char*** Argv)
{
    skelda::fuzz::StartHeadlessQt(Argc, Argv, AllocationLimitMB);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    plat::TMemoryStream stored;
    stored.WriteBuffer(Data, static_cast<std::int64_t>(Size));
    TGDIPPicture picture;
    picture.ReadData(&stored);
    plat::TMemoryStream written;
    picture.WriteData(&written);
    Check(written.Bytes() == stored.Bytes(), "the stored form changed the bytes");

    const bool sized = picture.GetImageSizes();
    plat::TMemoryStream again;
    again.WriteBuffer(Data, static_cast<std::int64_t>(Size));
    TGPImage image(&again);
    const bool decodes = image.GetLastStatus() == Ok;
    Check(sized == (decodes && Size > 0), "the size was read for bytes that do not decode, or not for bytes that do");
    Check(static_cast<std::uint32_t>(picture.GetWidth()) == (decodes ? image.GetWidth() : 0u) &&
              static_cast<std::uint32_t>(picture.GetHeight()) == (decodes ? image.GetHeight() : 0u),
          "the picture's size differs from the image's");

    TGDIPPicture copy;
    copy.Assign(picture);
    Check(copy.DataStream().Bytes() == picture.DataStream().Bytes() && copy.GetWidth() == picture.GetWidth(),
          "a copy differs");

    QImage pixels(32, 32, QImage::Format_RGB32);
    pixels.fill(Qt::white);
    plat::TCanvas canvas(plat::MakeImageCanvasBackend(pixels));
    try {
        picture.Draw(canvas, plat::Rect(0, 0, 32, 32));
    } catch (const plat::EInvalidGraphic& e) {
        Check(false, "drawing raised", e.Message());
    }
    if (!decodes) {
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                Check(pixels.pixel(x, y) == 0xFFFFFFFFu, "undecodable bytes drew");
    }
    return 0;
}
