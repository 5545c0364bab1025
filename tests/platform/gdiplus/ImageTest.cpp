// Images: decoding by signature, formats, the size limit, drawing, attributes and encoding.

#include "tests/platform/gdiplus/GdiplusFixture.h"
#include "tests/platform/graphics/pictures/DamagedPictures.h"

#include "platform/core/TStream.h"
#include "platform/graphics/TBitmap.h"

#include <QBuffer>
#include <QImageWriter>

#include <chrono>
#include <cstring>
#include <vector>

namespace plat::gdiplus {
namespace {

// A 6 x 4 picture: opaque red on the left half, half-transparent blue on the right.
QImage Sample(QImage::Format format = QImage::Format_ARGB32)
{
    QImage image(6, 4, QImage::Format_ARGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            image.setPixel(x, y, x < 3 ? 0xFFFF0000 : 0x800000FF);
    return image.convertToFormat(format);
}

std::vector<std::uint8_t> Encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(QImageWriter(&buffer, format).write(image)) << format;
    return {bytes.begin(), bytes.end()};
}

Status LoadBytes(const std::vector<std::uint8_t>& bytes, OwnedImage& image)
{
    TMemoryStream stream;
    stream.WriteBuffer(bytes);
    GpImage* loaded = nullptr;
    const Status status = GdipLoadImageFromStream(&stream, &loaded);
    image.reset(loaded);
    return status;
}

TEST(ImageDecodingTest, EachFormatIsKnownByItsSignature)
{
    const struct {
        const char* Writer;
        QImage::Format Format;
        GUID Raw;
        PixelFormat Pixels;
    } cases[] = {
        {"png", QImage::Format_ARGB32, ImageFormatPNG, PixelFormat32bppARGB},
        {"png", QImage::Format_RGB32, ImageFormatPNG, PixelFormat24bppRGB},
        {"png", QImage::Format_Indexed8, ImageFormatPNG, PixelFormat8bppIndexed},
        {"bmp", QImage::Format_RGB32, ImageFormatBMP, PixelFormat24bppRGB},
        {"bmp", QImage::Format_Indexed8, ImageFormatBMP, PixelFormat8bppIndexed},
        {"jpeg", QImage::Format_RGB32, ImageFormatJPEG, PixelFormat24bppRGB},
        {"jpeg", QImage::Format_Grayscale8, ImageFormatJPEG, PixelFormat8bppIndexed},
        {"gif", QImage::Format_Indexed8, ImageFormatGIF, PixelFormat8bppIndexed},
        {"tiff", QImage::Format_ARGB32, ImageFormatTIFF, PixelFormat32bppARGB},
        {"ico", QImage::Format_ARGB32, ImageFormatIcon, PixelFormat32bppARGB},
    };
    for (const auto& c : cases) {
        if (!QImageWriter::supportedImageFormats().contains(c.Writer))
            continue;
        OwnedImage image;
        ASSERT_EQ(LoadBytes(Encoded(Sample(c.Format), c.Writer), image), Ok) << c.Writer;
        GUID raw;
        PixelFormat pixels = 0;
        std::uint32_t width = 0;
        std::uint32_t height = 0;
        ASSERT_EQ(GdipGetImageRawFormat(image.get(), &raw), Ok);
        ASSERT_EQ(GdipGetImagePixelFormat(image.get(), &pixels), Ok);
        ASSERT_EQ(GdipGetImageWidth(image.get(), &width), Ok);
        ASSERT_EQ(GdipGetImageHeight(image.get(), &height), Ok);
        EXPECT_TRUE(raw == c.Raw) << c.Writer;
        EXPECT_EQ(pixels, c.Pixels) << c.Writer << " " << c.Format;
        EXPECT_EQ(width, 6u);
        EXPECT_EQ(height, 4u);
    }
}

TEST(ImageDecodingTest, MetafilesAndStrangersAreUnknownFormats)
{
    std::vector<std::uint8_t> emf(64, 0);
    emf[0] = 1;
    std::memcpy(emf.data() + 40, " EMF", 4);
    const std::vector<std::uint8_t> samples[] = {
        emf,
        {0xD7, 0xCD, 0xC6, 0x9A, 0, 0, 0, 0},
        {'h', 'e', 'l', 'l', 'o'},
        {},
        {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13},
    };
    for (const auto& bytes : samples) {
        OwnedImage image;
        EXPECT_EQ(LoadBytes(bytes, image), UnknownImageFormat);
        EXPECT_EQ(image, nullptr);
    }
}

// Qt's readers return what they read of a bitmap cut short, the missing rows as their memory
// was, and libpng reserves what a chunk declares before it reads it.
TEST(ImageDecodingTest, FilesTheReadersWouldTakeOnlyInPartAreRefused)
{
    for (const damaged_pictures::TDamaged& damaged : damaged_pictures::DamagedPictures()) {
        OwnedImage image;
        EXPECT_EQ(LoadBytes(damaged.Bytes, image), UnknownImageFormat) << damaged.Name;
    }
}

// Qt's reader claims the size of a GIF's first image: one of no width is a size not given, not a
// picture of none, and the picture decodes at its logical screen's size.
TEST(ImageDecodingTest, AGifThatClaimsASideOfNoLengthDecodes)
{
    // A screen of 2050 x 2 pixels and two colours, an image of 0 x 2 pixels, then one of 2 x 2.
    std::vector<std::uint8_t> gif = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x02, 0x08, 0x02, 0x00, 0x80, 0x00,
                                     0x00, 0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF};
    for (const std::uint8_t width : {0, 2})
        gif.insert(gif.end(), {0x2C, 0x00, 0x00, 0x00, 0x00, width, 0x00, 0x02, 0x00, 0x00, 0x02, 0x03, 0x44, 0x18,
                               0xB0, 0x00});
    gif.push_back(0x3B);
    OwnedImage image;
    ASSERT_EQ(LoadBytes(gif, image), Ok);
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    ASSERT_EQ(GdipGetImageWidth(image.get(), &width), Ok);
    ASSERT_EQ(GdipGetImageHeight(image.get(), &height), Ok);
    EXPECT_EQ(width, 2050u);
    EXPECT_EQ(height, 2u);
}

// A bitmap file header and info header that claim a picture of the given size, with no pixels.
std::vector<std::uint8_t> BitmapHeaderClaiming(std::int32_t width, std::int32_t height)
{
    std::vector<std::uint8_t> bytes(54, 0);
    auto put = [&](std::size_t at, std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(2, 54, 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, static_cast<std::uint32_t>(width), 4);
    put(22, static_cast<std::uint32_t>(height), 4);
    put(26, 1, 2);
    put(28, 32, 2);
    return bytes;
}

TEST(ImageDecodingTest, APictureClaimingMoreThanTheLimitIsRefusedAtOnce)
{
    const auto start = std::chrono::steady_clock::now();
    OwnedImage image;
    EXPECT_EQ(LoadBytes(BitmapHeaderClaiming(30000, 30000), image), UnknownImageFormat);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    // 128 MiB of pixels is the most: 8192 x 4096 is just within, one row more is not.
    EXPECT_EQ(GdipCreateBitmapFromScan0(8192, 4097, 0, PixelFormat32bppARGB, nullptr, nullptr), InvalidParameter);
    GpBitmap* bitmap = nullptr;
    EXPECT_EQ(GdipCreateBitmapFromScan0(8192, 4097, 0, PixelFormat32bppARGB, nullptr, &bitmap), OutOfMemory);
}

TEST(ImageDecodingTest, TheStreamIsReadFromItsStart)
{
    TMemoryStream stream;
    stream.WriteBuffer(Encoded(Sample(), "png"));
    GpImage* image = nullptr;
    ASSERT_EQ(GdipLoadImageFromStream(&stream, &image), Ok);
    GdipDisposeImage(image);
    EXPECT_EQ(GdipLoadImageFromStream(nullptr, &image), InvalidParameter);
}

class ImageDrawingTest : public GdiplusSurfaceTest {};

TEST_F(ImageDrawingTest, UnscaledDrawingPutsEachPixelOnOneBlendedByItsAlpha)
{
    OwnedImage image;
    ASSERT_EQ(LoadBytes(Encoded(Sample(), "png"), image), Ok);
    Antialias();
    ASSERT_EQ(GdipDrawImageI(graphics, image.get(), 10, 10), Ok);
    EXPECT_EQ(At(10, 10), 0xFFFF0000u);
    EXPECT_EQ(At(12, 13), 0xFFFF0000u);
    EXPECT_TRUE(Near(At(13, 10), 0xFF7F7FFF, 2));
    EXPECT_EQ(At(16, 10), 0xFFFFFFFFu);
    EXPECT_EQ(At(10, 14), 0xFFFFFFFFu);
    EXPECT_EQ(At(9, 10), 0xFFFFFFFFu);
}

TEST_F(ImageDrawingTest, AttributesChangeOnlyTheCopyThatIsDrawn)
{
    OwnedImage image;
    ASSERT_EQ(LoadBytes(Encoded(Sample(), "png"), image), Ok);
    GpImageAttributes* attributes = nullptr;
    ASSERT_EQ(GdipCreateImageAttributes(&attributes), Ok);
    const OwnedAttributes owned(attributes);
    ASSERT_EQ(GdipSetImageAttributesColorKeys(attributes, ColorAdjustTypeDefault, true, 0xFFFF0000, 0xFFFF0000), Ok);
    ASSERT_EQ(GdipDrawImageRectRect(graphics, image.get(), 0, 0, 6, 4, 0, 0, 6, 4, UnitPixel, attributes, nullptr, nullptr),
              Ok);
    EXPECT_EQ(At(1, 1), 0xFFFFFFFFu) << "the keyed red is left out";

    const ColorMap toGreen{0xFFFF0000, 0xFF00FF00};
    ASSERT_EQ(GdipSetImageAttributesColorKeys(attributes, ColorAdjustTypeDefault, false, 0, 0), Ok);
    ASSERT_EQ(GdipSetImageAttributesRemapTable(attributes, ColorAdjustTypeBitmap, true, 1, &toGreen), Ok);
    ASSERT_EQ(GdipDrawImageRectRect(graphics, image.get(), 20, 0, 6, 4, 0, 0, 6, 4, UnitPixel, attributes, nullptr,
                                    nullptr),
              Ok);
    EXPECT_EQ(At(21, 1), 0xFF00FF00u);
    ARGB original = 0;
    ASSERT_EQ(GdipBitmapGetPixel(image.get(), 1, 1, &original), Ok);
    EXPECT_EQ(original, 0xFFFF0000u);

    ASSERT_EQ(GdipSetImageAttributesNoOp(attributes, ColorAdjustTypeBitmap, true), Ok);
    ASSERT_EQ(GdipDrawImageRectRect(graphics, image.get(), 40, 0, 6, 4, 0, 0, 6, 4, UnitPixel, attributes, nullptr,
                                    nullptr),
              Ok);
    EXPECT_EQ(At(41, 1), 0xFFFF0000u);
}

TEST_F(ImageDrawingTest, ASourcePartIsStretchedIntoTheDestinationAndMirroredByNegativeSizes)
{
    OwnedImage image;
    ASSERT_EQ(LoadBytes(Encoded(Sample(), "png"), image), Ok);
    ASSERT_EQ(GdipDrawImageRectRect(graphics, image.get(), 0, 0, 30, 20, 0, 0, 3, 4, UnitPixel, nullptr, nullptr, nullptr),
              Ok);
    EXPECT_EQ(At(15, 10), 0xFFFF0000u);
    EXPECT_EQ(At(31, 10), 0xFFFFFFFFu);
    ASSERT_EQ(GdipDrawImageRectRect(graphics, image.get(), 60, 30, -6, 4, 0, 0, 6, 4, UnitPixel, nullptr, nullptr,
                                    nullptr),
              Ok);
    EXPECT_EQ(At(59, 31), 0xFFFF0000u) << "the red left half lands on the right";
    EXPECT_EQ(GdipDrawImageRectRect(graphics, image.get(), 0, 0, 6, 4, 0, 0, 0, 4, UnitPixel, nullptr, nullptr, nullptr),
              InvalidParameter);
}

TEST(ImageEncodingTest, APictureSavedAndLoadedAgainKeepsItsPixels)
{
    OwnedImage image;
    ASSERT_EQ(LoadBytes(Encoded(Sample(), "png"), image), Ok);
    ASSERT_EQ(GdipImageRotateFlip(image.get(), Rotate90FlipNone), Ok);
    TMemoryStream stream;
    ASSERT_EQ(GdipSaveImageToStream(image.get(), &stream, &EncoderPNG, nullptr), Ok);
    OwnedImage again;
    ASSERT_EQ(LoadBytes(stream.Bytes(), again), Ok);
    std::uint32_t width = 0;
    ASSERT_EQ(GdipGetImageWidth(again.get(), &width), Ok);
    EXPECT_EQ(width, 4u);
    ARGB topRight = 0;
    ARGB bottomLeft = 0;
    ASSERT_EQ(GdipBitmapGetPixel(again.get(), 3, 0, &topRight), Ok);
    ASSERT_EQ(GdipBitmapGetPixel(again.get(), 0, 5, &bottomLeft), Ok);
    EXPECT_EQ(topRight, 0xFFFF0000u) << "a quarter turn clockwise takes the left column to the top row";
    EXPECT_EQ(bottomLeft, 0x800000FFu);

    EXPECT_EQ(GdipSaveImageToStream(image.get(), &stream, &EncoderGIF, nullptr), NotImplemented);
    EXPECT_EQ(GdipSaveAddImage(image.get(), again.get(), nullptr), NotImplemented);
}

// A palette picture keeps its transparency in its palette: its pixel format has no alpha.
TEST(ImageEncodingTest, APalettePictureKeepsItsTransparencyWhenSaved)
{
    QImage palette(2, 1, QImage::Format_Indexed8);
    palette.setColorTable({qRgba(0, 0, 0, 0), qRgb(255, 0, 0)});
    palette.setPixel(0, 0, 0);
    palette.setPixel(1, 0, 1);
    OwnedImage image;
    ASSERT_EQ(LoadBytes(Encoded(palette, "png"), image), Ok);
    PixelFormat format = 0;
    ASSERT_EQ(GdipGetImagePixelFormat(image.get(), &format), Ok);
    ASSERT_EQ(format, PixelFormat8bppIndexed);
    TMemoryStream stream;
    ASSERT_EQ(GdipSaveImageToStream(image.get(), &stream, &EncoderPNG, nullptr), Ok);
    OwnedImage again;
    ASSERT_EQ(LoadBytes(stream.Bytes(), again), Ok);
    ARGB transparent = 0;
    ARGB red = 0;
    ASSERT_EQ(GdipBitmapGetPixel(again.get(), 0, 0, &transparent), Ok);
    ASSERT_EQ(GdipBitmapGetPixel(again.get(), 1, 0, &red), Ok);
    EXPECT_EQ(transparent >> 24, 0u);
    EXPECT_EQ(red, 0xFFFF0000u);
}

TEST(ImageFromBitmapTest, AWidgetBitmapsPixelsAreCopiedWithoutTheirAlpha)
{
    TBitmap bitmap;
    bitmap.SetSize(3, 2);
    bitmap.Canvas().SetPixels(2, 1, RGB(10, 20, 30));
    GpBitmap* made = nullptr;
    ASSERT_EQ(GdipCreateBitmapFromHBITMAP(HandleOfBitmap(bitmap), nullptr, &made), Ok);
    OwnedImage image(made);
    bitmap.Canvas().SetPixels(2, 1, RGB(0, 0, 0));
    ARGB pixel = 0;
    ASSERT_EQ(GdipBitmapGetPixel(image.get(), 2, 1, &pixel), Ok);
    EXPECT_EQ(pixel, 0xFF0A141Eu) << "a copy, opaque, of the pixel as it was";
    PixelFormat format = 0;
    ASSERT_EQ(GdipGetImagePixelFormat(image.get(), &format), Ok);
    EXPECT_EQ(format, PixelFormat32bppRGB);

    TBitmap empty;
    EXPECT_EQ(GdipCreateBitmapFromHBITMAP(HandleOfBitmap(empty), nullptr, &made), InvalidParameter);
    EXPECT_EQ(GdipCreateBitmapFromHBITMAP(nullptr, nullptr, &made), InvalidParameter);
}

}  // namespace
}  // namespace plat::gdiplus
