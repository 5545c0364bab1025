// Pictures of mini-HTML image tags on any bytes: the GIF frame walk never reads past the end
// and every frame start has its whole descriptor; a picture either loads or raises its own
// error, holding little more heap than its pixels while it loads; counting, selecting and stepping frames agree with the walk; drawing never fails; and
// emptying leaves 0 x 0.

#include "FontconfigLeaks.h"
#include "FuzzSupport.h"
#include "HeadlessQt.h"
#include "HeapPeak.h"

#include "foundation/GifFrames.h"
#include "foundation/THTMLPicture.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TCanvasBackend.h"

#include <QImage>

#include <exception>
#include <string>
#include <vector>

using namespace skelda::foundation;
using skelda::fuzz::Check;

namespace {

// Pictures of texts are small; larger inputs only slow the search down.
constexpr std::size_t MaxBytes = 1 << 16;
// Qt's readers refuse pictures beyond this.
constexpr int AllocationLimitMB = 16;
// What loading may hold beyond the pixels Qt's limit allows: the bytes, the decoded copies, the
// readers' own state. A chunk or header that makes a reader reserve what it claims goes far
// beyond.
constexpr std::size_t LoadHeapBytes = (std::size_t{AllocationLimitMB} << 20) * 3 + 4 * MaxBytes;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* Argc, char*** Argv)
{
    skelda::fuzz::StartHeadlessQt(Argc, Argv, AllocationLimitMB);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    if (Size > MaxBytes)
        return 0;
    const std::vector<std::uint8_t> bytes(Data, Data + Size);
    const std::vector<gif::TFrameStart> starts = gif::FrameStarts(bytes);
    for (const gif::TFrameStart& s : starts)
        Check(s.Offset + 17 <= Size, "a frame start without its whole descriptor", std::to_string(s.Offset));

    static QImage image(64, 64, QImage::Format_RGB32);
    static plat::TCanvas canvas(plat::MakeImageCanvasBackend(image));
    THTMLPicture picture;
    bool loaded = false;
    const std::size_t peakBytes = skelda::fuzz::PeakHeapGrowthBytes([&] {
        try {
            picture.LoadFromBytes(bytes);
            loaded = true;
        } catch (const EHTMLPictureError&) {
        } catch (const std::exception& e) {
            Check(false, "loading raised a foreign error", e.what());
        }
    });
    Check(peakBytes <= LoadHeapBytes, "loading held far more heap than its picture", std::to_string(peakBytes) + " bytes");
    if (!loaded)
        return 0;
    Check(!picture.GetEmpty(), "a loaded picture is empty");
    Check(picture.GetWidth() >= 0 && picture.GetHeight() >= 0, "a negative size");
    if (picture.IsGIF()) {
        Check(picture.FrameCount() == static_cast<int>(starts.size()), "the frame count differs from the walk");
        picture.Draw(canvas, {0, 0, 64, 64});
        for (int tick = 0; tick < 8; ++tick) {
            try {
                picture.Step();
            } catch (const EHTMLPictureError&) {
                break;  // a later frame that does not decode
            }
            Check(picture.GetFrame() >= 1 && picture.GetFrame() <= std::max(1, picture.FrameCount()),
                  "stepped outside the frames", std::to_string(picture.GetFrame()));
        }
    } else {
        Check(picture.FrameCount() == -1, "a frame count for a picture that is no GIF");
        Check(!picture.Step(), "a picture that is no GIF stepped");
    }
    picture.SetStretch(Size % 2 == 0);
    picture.Draw(canvas, {1, 1, 40, 30});
    picture.AssignNothing();
    Check(picture.GetEmpty() && picture.GetWidth() == 0 && picture.GetHeight() == 0, "emptying kept a size");
    return 0;
}
