// Windows bitmap files as TBitmap loads them: any input gives a bitmap or EInvalidGraphic (and a
// refused file leaves the bitmap as it was); a loaded bitmap shows the colours the file gives,
// the same whatever its memory held before; saved and loaded again it has the same size and the
// same colour in every pixel.

#include "FuzzSupport.h"
#include "HeadlessQt.h"

#include "platform/graphics/BitmapFile.h"
#include "platform/graphics/EInvalidGraphic.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TPicture.h"

#include <QImage>

#include <cstdlib>
#include <cstring>
#include <span>
#include <string>
#include <vector>

using namespace plat;
using skelda::fuzz::Check;

namespace {

// Qt's readers refuse pictures beyond this; a few bytes may declare one of hundreds of megabytes,
// which would only slow the search down.
constexpr int AllocationLimitMB = 4;

// Blocks up to this size are left behind filled before a load; the larger ones a picture gets are
// rarely recycled ones.
constexpr std::size_t FilledBlockBytes = 64 * 1024;

std::string SizeText(const QImage& Image)
{
    return std::to_string(Image.width()) + " x " + std::to_string(Image.height());
}

// The first pixel whose colour differs, or an empty text. Alpha is left out: bitmap files keep
// 32-bit pixels as 24-bit ones.
std::string FirstOtherColour(const QImage& A, const QImage& B)
{
    if (A.size() != B.size())
        return "size " + SizeText(A) + " became " + SizeText(B);
    for (int Y = 0; Y < A.height(); ++Y)
        for (int X = 0; X < A.width(); ++X) {
            const QRgb ColourA = A.pixel(X, Y) & RGB_MASK;
            const QRgb ColourB = B.pixel(X, Y) & RGB_MASK;
            if (ColourA != ColourB)
                return "pixel " + std::to_string(X) + ", " + std::to_string(Y) + ": " + std::to_string(ColourA) +
                       " became " + std::to_string(ColourB);
        }
    return {};
}

// The pixels as ScanLine gives them, palette indices as they are (QImage's == compares their
// colours). The bits after the last pixel of a 1-bit row (leftmost pixel highest) are no pixels.
bool SameScanLines(const QImage& A, const QImage& B)
{
    if (A.format() != B.format() || A.size() != B.size())
        return false;
    const int RowBits = A.width() * A.depth();
    const auto WholeBytes = static_cast<std::size_t>(RowBits / 8);
    const auto LastBits = static_cast<std::uint8_t>(0xFF00 >> (RowBits % 8));
    for (int Y = 0; Y < A.height(); ++Y) {
        const uchar* RowA = A.constScanLine(Y);
        const uchar* RowB = B.constScanLine(Y);
        if (std::memcmp(RowA, RowB, WholeBytes) != 0 || (LastBits && ((RowA[WholeBytes] ^ RowB[WholeBytes]) & LastBits)))
            return false;
    }
    return true;
}

// Leaves freed blocks of the size behind, filled with Pattern: the allocator hands them out again
// for the next picture of that size, also when other objects of that size come first (without
// AddressSanitizer, which keeps freed blocks aside).
void LeaveFreedBlocks(std::size_t SizeBytes, std::uint8_t Pattern)
{
    if (SizeBytes > FilledBlockBytes)
        return;
    std::vector<void*> Blocks(16);
    for (void*& Block : Blocks)
        Block = std::memset(std::malloc(SizeBytes), Pattern, SizeBytes);
    for (void* Block : Blocks)
        std::free(Block);
}

// A file loads to the same pixels whatever the memory it gets held before.
void CheckLoadsAlike(std::span<const std::uint8_t> Data, const TBitmap& Loaded)
{
    const auto SizeBytes = static_cast<std::size_t>(Loaded.Image().sizeInBytes());
    TBitmap Again;
    LeaveFreedBlocks(SizeBytes, 0x5A);
    Again.LoadFromBytes(Data);
    const QImage First = Again.Image();
    LeaveFreedBlocks(SizeBytes, 0xA5);
    Again.LoadFromBytes(Data);
    Check(SameScanLines(Again.Image(), First), "pixels depend on what their memory held before");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* Argc, char*** Argv)
{
    skelda::fuzz::StartHeadlessQt(Argc, Argv, AllocationLimitMB);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const std::span<const std::uint8_t> Bytes(Data, Size);
    TBitmap Bitmap;
    Bitmap.SetPixelFormat(pf24bit);
    Bitmap.SetSize(1, 1);
    const QImage Before = Bitmap.Image();
    try {
        Bitmap.LoadFromBytes(Bytes);
    } catch (const EInvalidGraphic& E) {
        Check(!E.Message().empty(), "refused without a reason");
        Check(Bitmap.GetPixelFormat() == pf24bit && Bitmap.Image() == Before, "a refused file changed the bitmap");
        return 0;
    }
    Check(!Bitmap.GetEmpty(), "loaded an empty bitmap");
    // The pixel format the file's depth chooses holds every colour of a picture of that depth.
    const std::string Lost = FirstOtherColour(BitmapFile::Read(Bytes), Bitmap.Image());
    Check(Lost.empty(), "colours of the file lost when loading", Lost);
    CheckLoadsAlike(Bytes, Bitmap);

    TBitmap Reloaded;
    Reloaded.LoadFromBytes(Bitmap.SaveToBytes());
    const std::string Changed = FirstOtherColour(Bitmap.Image(), Reloaded.Image());
    Check(Changed.empty(), "changed when saved and loaded again", Changed);

    TPicture Picture;
    Picture.SetGraphic(&Bitmap);
    const auto* Held = dynamic_cast<const TBitmap*>(Picture.GetGraphic());
    Check(Held && Held->Image() == Bitmap.Image(), "a picture's copy differs");
    return 0;
}
