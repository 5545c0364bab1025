// JPEG files as the picture classes load them: any input gives a picture or EInvalidGraphic, the
// whole decode stays within the codec's cap, and a picture keeps its pixels when its bytes are
// saved and loaded again, its size when it is compressed anew.

#include "FuzzSupport.h"
#include "HeapPeak.h"

#include "platform/graphics/EInvalidGraphic.h"
#include "platform/graphics/JpegCodec.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TJPEGImage.h"
#include "platform/graphics/TPicture.h"

#include <QImage>

#include <span>
#include <string>

using namespace plat;
using skelda::fuzz::Check;

namespace {

// What a load holds besides the decode: the file's bytes the picture keeps, and libjpeg's
// buffers for one row of blocks, which its memory limit does not count.
constexpr std::size_t LoadOverheadBytes = 16 * 1024 * 1024;

// The round trips decode and compress again. A few bytes of arithmetic-coded data decode to a
// picture as large as the cap allows; round trips of those would slow the search down, and the
// same code runs for small pictures.
constexpr long long RoundTripPixels = 1 << 20;

std::string SizeText(const TGraphic& Graphic)
{
    return std::to_string(Graphic.GetWidth()) + " x " + std::to_string(Graphic.GetHeight());
}

bool SamePixels(const TJPEGImage& A, const TJPEGImage& B)
{
    return A.Bitmap().Image() == B.Bitmap().Image();
}

// The lossless paths: the bytes as loaded, and a copy held by a picture.
void CheckKeptAsLoaded(const TJPEGImage& Jpeg, std::span<const std::uint8_t> Data)
{
    const std::vector<std::uint8_t>& Saved = Jpeg.SaveToBytes();
    Check(Saved.size() == Data.size() && std::equal(Saved.begin(), Saved.end(), Data.begin()),
          "saved bytes differ from those loaded");
    TJPEGImage Reloaded;
    Reloaded.LoadFromBytes(Saved);
    Check(SamePixels(Reloaded, Jpeg), "pixels changed when loaded again", SizeText(Reloaded));

    TPicture Picture;
    Picture.SetGraphic(&Jpeg);
    const auto* Held = dynamic_cast<const TJPEGImage*>(Picture.GetGraphic());
    Check(Held && SamePixels(*Held, Jpeg), "a picture's copy differs");
}

// Compressed anew from its pixels, the picture keeps its size.
void CheckRecompressed(const TJPEGImage& Jpeg)
{
    TJPEGImage Recompressed;
    Recompressed.Assign(Jpeg.Bitmap());
    TJPEGImage Reloaded;
    Reloaded.LoadFromBytes(Recompressed.SaveToBytes());
    Check(Reloaded.GetWidth() == Jpeg.GetWidth() && Reloaded.GetHeight() == Jpeg.GetHeight(),
          "size changed when compressed anew", SizeText(Jpeg) + " became " + SizeText(Reloaded));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const std::span<const std::uint8_t> Bytes(Data, Size);
    TJPEGImage Jpeg;
    bool Loaded = false;
    const std::size_t PeakBytes = skelda::fuzz::PeakHeapGrowthBytes([&] {
        try {
            Jpeg.LoadFromBytes(Bytes);
            Loaded = true;
        } catch (const EInvalidGraphic& E) {
            Check(!E.Message().empty(), "refused without a reason");
        }
    });
    Check(PeakBytes <= JpegCodec::MaxDecodeBytes + Size + LoadOverheadBytes, "decode beyond the size cap",
          std::to_string(PeakBytes) + " bytes");
    if (!Loaded) {
        Check(Jpeg.GetEmpty() && Jpeg.SaveToBytes().empty(), "a refused file left a picture");
        return 0;
    }
    Check(!Jpeg.GetEmpty() && Jpeg.GetWidth() > 0 && Jpeg.GetHeight() > 0, "loaded an empty picture",
          SizeText(Jpeg));
    Check(Jpeg.Bitmap().GetPixelFormat() == pf24bit, "decoded pixels not pf24bit");
    if (static_cast<long long>(Jpeg.GetWidth()) * Jpeg.GetHeight() > RoundTripPixels)
        return 0;
    CheckKeptAsLoaded(Jpeg, Bytes);
    CheckRecompressed(Jpeg);
    return 0;
}
