#include "PictureProbes.h"

#include "platform/core/Exception.h"
#include "platform/graphics/EInvalidGraphic.h"
#include "platform/graphics/Resources.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TIcon.h"

#include <QImage>
#include <QImageReader>

#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

#include <gtest/gtest.h>

namespace plat {
namespace {

using picture_probes::Fill;
using picture_probes::Paint;
using picture_probes::PixelOf;

struct DirectFormat {
    TPixelFormat format;
    int bytesPerPixel;
};
constexpr DirectFormat DirectFormats[] = {{pf24bit, 3}, {pf32bit, 4}, {pfDevice, 4}};

// An 8-bit picture whose palette index is its grey level, as opacity masks are made.
QImage GreyImage(int width, int height, int level)
{
    QImage image(width, height, QImage::Format_Indexed8);
    QList<QRgb> palette;
    for (int i = 0; i < 256; ++i)
        palette.append(qRgb(i, i, i));
    image.setColorTable(palette);
    image.fill(static_cast<uint>(level));
    return image;
}

// A bitmap file of an indexed picture with a 40-byte info header; Pixels is the data as the file
// holds it (rows bottom-up, top-down for a negative height, padded to 32 bits; or run-length data).
std::vector<std::uint8_t> IndexedBitmapFile(int width, int height, int bitsPerPixel, int compression,
                                            const std::vector<QRgb>& palette, const std::vector<std::uint8_t>& pixels)
{
    std::vector<std::uint8_t> file{'B', 'M'};
    const auto put = [&](std::size_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            file.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    const std::size_t pixelOffset = 14 + 40 + 4 * palette.size();
    put(pixelOffset + pixels.size(), 4);
    put(0, 4);
    put(pixelOffset, 4);
    for (const auto& [value, bytes] : {std::pair<std::size_t, int>{40, 4}, {width, 4}, {height, 4}, {1, 2},
                                       {bitsPerPixel, 2}, {compression, 4}, {pixels.size(), 4}, {2835, 4},
                                       {2835, 4}, {palette.size(), 4}, {0, 4}})
        put(value, bytes);
    for (const QRgb colour : palette)
        for (const int channel : {qBlue(colour), qGreen(colour), qRed(colour), 0})
            put(static_cast<std::size_t>(channel), 1);
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
}

TEST(TBitmap, ScanLineBytesAreBlueGreenRedBothWays)
{
    for (const DirectFormat& f : DirectFormats) {
        SCOPED_TRACE(f.format);
        TBitmap bitmap;
        Fill(bitmap, f.format, 4, 2, RGB(10, 20, 30));

        const std::uint8_t* drawn = bitmap.ScanLine(1) + 2 * f.bytesPerPixel;
        EXPECT_EQ(drawn[0], 30);
        EXPECT_EQ(drawn[1], 20);
        EXPECT_EQ(drawn[2], 10);

        std::uint8_t* written = bitmap.ScanLine(1) + 3 * f.bytesPerPixel;
        written[0] = 200;  // blue
        written[1] = 100;  // green
        written[2] = 50;   // red
        EXPECT_EQ(bitmap.Canvas().GetPixels(3, 1), RGB(50, 100, 200));
        EXPECT_EQ(bitmap.Canvas().GetPixels(3, 0), RGB(10, 20, 30));
    }
}

// A decoded picture may take up to the JPEG codec's whole cap; it must not exist twice on its way
// into the bitmap.
TEST(TBitmap, ImageHandedOverKeepsItsPixels)
{
    for (const QImage::Format format : {QImage::Format_Mono, QImage::Format_Indexed8, QImage::Format_BGR888,
                                        QImage::Format_ARGB32, QImage::Format_RGB32}) {
        SCOPED_TRACE(format);
        QImage image(8, 4, format);
        image.fill(0);
        const uchar* pixels = image.constBits();
        TBitmap bitmap;
        bitmap.LoadFromImage(std::move(image));
        EXPECT_EQ(bitmap.Image().constBits(), pixels);
    }
}

TEST(TBitmap, ScanLineOutsideTheRowsRaises)
{
    TBitmap bitmap;
    EXPECT_THROW(bitmap.ScanLine(0), EInvalidGraphic);
    bitmap.SetSize(3, 2);
    for (int row : {-1, 2, 1000}) {
        SCOPED_TRACE(row);
        try {
            bitmap.ScanLine(row);
            ADD_FAILURE() << "no exception";
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(e.Message(), "Scan line index out of range");
        }
        const TBitmap& constant = bitmap;
        EXPECT_THROW(constant.ScanLine(row), EInvalidGraphic);
    }
}

TEST(TBitmap, IndexedBitmapsTranslateBetweenCanvasAndPaletteIndexes)
{
    TBitmap colours;
    Fill(colours, pf8bit, 4, 4, clWhite);
    Paint(colours, 1, 2, clRed);
    const std::uint8_t redIndex = colours.ScanLine(2)[1];
    EXPECT_NE(redIndex, colours.ScanLine(2)[0]);
    colours.ScanLine(0)[3] = redIndex;
    EXPECT_EQ(colours.Canvas().GetPixels(3, 0), clRed);
    EXPECT_EQ(colours.Canvas().GetPixels(2, 0), clWhite);

    TBitmap grey;
    grey.LoadFromImage(GreyImage(4, 4, 100));
    EXPECT_EQ(grey.GetPixelFormat(), pf8bit);
    grey.ScanLine(0)[3] = 200;
    EXPECT_EQ(grey.Canvas().GetPixels(3, 0), RGB(200, 200, 200));
    Paint(grey, 0, 3, RGB(7, 7, 7));
    EXPECT_EQ(grey.ScanLine(3)[0], 7);
    EXPECT_EQ(grey.ScanLine(3)[1], 100);

    TBitmap mono;
    Fill(mono, pf1bit, 10, 2, clWhite);
    Paint(mono, 0, 0, clBlack);
    Paint(mono, 9, 1, clBlack);
    EXPECT_EQ(mono.ScanLine(0)[0], 0x7F);  // leftmost pixel in the highest bit
    EXPECT_EQ(mono.ScanLine(1)[1] & 0xC0, 0x80);
    mono.ScanLine(0)[0] = 0xFF;
    EXPECT_EQ(mono.Canvas().GetPixels(0, 0), clWhite);
}

TEST(TBitmap, NewBitmapsAreWhiteInEveryFormat)
{
    for (TPixelFormat format : {pfDevice, pf1bit, pf8bit, pf24bit, pf32bit}) {
        SCOPED_TRACE(format);
        TBitmap bitmap;
        bitmap.SetPixelFormat(format);
        bitmap.SetSize(9, 3);
        EXPECT_EQ(bitmap.GetPixelFormat(), format);
        EXPECT_EQ(PixelOf(bitmap, 8, 2), clWhite);
    }
}

TEST(TBitmap, PixelFormatChangesKeepColours)
{
    TBitmap bitmap;
    Fill(bitmap, pf24bit, 6, 4, RGB(12, 34, 56));
    Paint(bitmap, 0, 0, clRed);
    Paint(bitmap, 5, 3, RGB(1, 2, 3));
    Paint(bitmap, 2, 1, RGB(250, 128, 0));
    const auto expectSamePixels = [&] {
        EXPECT_EQ(PixelOf(bitmap, 0, 0), clRed);
        EXPECT_EQ(PixelOf(bitmap, 5, 3), RGB(1, 2, 3));
        EXPECT_EQ(PixelOf(bitmap, 2, 1), RGB(250, 128, 0));
        EXPECT_EQ(PixelOf(bitmap, 4, 2), RGB(12, 34, 56));
    };
    for (TPixelFormat format : {pf8bit, pf32bit, pfDevice, pf8bit, pf24bit, pfDevice, pf32bit, pf24bit}) {
        SCOPED_TRACE(format);
        bitmap.SetPixelFormat(format);
        EXPECT_EQ(bitmap.GetPixelFormat(), format);
        expectSamePixels();
    }

    TBitmap blackAndWhite;
    Fill(blackAndWhite, pf24bit, 3, 1, clWhite);
    Paint(blackAndWhite, 1, 0, clBlack);
    for (TPixelFormat format : {pf1bit, pf8bit, pf1bit, pf32bit}) {
        SCOPED_TRACE(format);
        blackAndWhite.SetPixelFormat(format);
        EXPECT_EQ(PixelOf(blackAndWhite, 0, 0), clWhite);
        EXPECT_EQ(PixelOf(blackAndWhite, 1, 0), clBlack);
    }
}

TEST(TBitmap, ResizingKeepsTheSharedPartAndAddsWhite)
{
    for (TPixelFormat format : {pf1bit, pf8bit, pf24bit, pf32bit}) {
        SCOPED_TRACE(format);
        TBitmap bitmap;
        Fill(bitmap, format, 11, 3, clBlack);
        bitmap.SetSize(13, 5);
        EXPECT_EQ(PixelOf(bitmap, 10, 2), clBlack);
        EXPECT_EQ(PixelOf(bitmap, 11, 2), clWhite);
        EXPECT_EQ(PixelOf(bitmap, 3, 3), clWhite);
        bitmap.SetWidth(2);
        EXPECT_EQ(bitmap.GetWidth(), 2);
        EXPECT_EQ(PixelOf(bitmap, 1, 0), clBlack);
    }
    TBitmap bitmap;
    bitmap.SetSize(-4, 3);
    EXPECT_TRUE(bitmap.GetEmpty());
}

// The map shrinks its sun pictures by drawing each on its own top-left corner and cutting the
// bitmap down; an 8-bit opacity mask must keep its values as bytes.
TEST(TBitmap, ShrinkingOntoItselfKeepsPaletteBytes)
{
    TBitmap mask;
    mask.LoadFromBytes(picture_probes::Encoded(GreyImage(30, 30, 0), "BMP"));
    ASSERT_EQ(mask.GetPixelFormat(), pf8bit);
    mask.Canvas().Brush().SetColor(RGB(255, 255, 255));
    mask.Canvas().FillRect(Rect(0, 0, 15, 30));
    mask.Canvas().StretchDraw(Rect(0, 0, 8, 8), &mask);
    mask.SetSize(8, 8);
    EXPECT_EQ(mask.GetPixelFormat(), pf8bit);
    EXPECT_EQ(mask.ScanLine(4)[0], 255);
    EXPECT_EQ(mask.ScanLine(4)[7], 0);
}

TEST(TBitmap, TransparentColourFollowsTheMode)
{
    TBitmap bitmap;
    EXPECT_EQ(bitmap.GetTransparentColor(), clNone);
    Fill(bitmap, pf24bit, 3, 3, clBlue);
    Paint(bitmap, 0, 2, clFuchsia);
    EXPECT_EQ(bitmap.GetTransparentMode(), tmAuto);
    EXPECT_EQ(bitmap.GetTransparentColor(), clFuchsia);

    bitmap.SetTransparentColor(clLime);
    EXPECT_EQ(bitmap.GetTransparentMode(), tmFixed);
    EXPECT_EQ(bitmap.GetTransparentColor(), clLime);
    bitmap.SetTransparentColor(clDefault);
    EXPECT_EQ(bitmap.GetTransparentMode(), tmAuto);
    EXPECT_EQ(bitmap.GetTransparentColor(), clFuchsia);

    bitmap.SetTransparentMode(tmFixed);
    Paint(bitmap, 0, 2, clRed);
    EXPECT_EQ(bitmap.GetTransparentColor(), clFuchsia);
}

TEST(TBitmap, TransparentDrawLeavesTheBackground)
{
    TBitmap picture;
    Fill(picture, pf8bit, 2, 2, clRed);
    Paint(picture, 0, 1, clFuchsia);  // bottom-left: the transparent colour
    Paint(picture, 1, 0, clFuchsia);

    for (bool transparent : {false, true}) {
        SCOPED_TRACE(transparent);
        picture.SetTransparent(transparent);
        TBitmap target;
        Fill(target, pf24bit, 6, 6, clGreen);
        target.Canvas().StretchDraw(Rect(2, 2, 6, 6), &picture);
        const TColor shown = transparent ? clGreen : clFuchsia;
        EXPECT_EQ(PixelOf(target, 2, 2), clRed);
        EXPECT_EQ(PixelOf(target, 3, 3), clRed);
        EXPECT_EQ(PixelOf(target, 4, 2), shown);
        EXPECT_EQ(PixelOf(target, 5, 3), shown);
        EXPECT_EQ(PixelOf(target, 2, 5), shown);
        EXPECT_EQ(PixelOf(target, 1, 1), clGreen);
    }
}

TEST(TBitmap, AlphaOfThirtyTwoBitPixelsCountsOnlyWhenDefined)
{
    TBitmap picture;
    Fill(picture, pf32bit, 1, 1, clRed);
    picture.ScanLine(0)[3] = 0;
    for (TAlphaFormat alphaFormat : {afIgnored, afDefined}) {
        SCOPED_TRACE(alphaFormat);
        picture.SetAlphaFormat(alphaFormat);
        TBitmap target;
        Fill(target, pf24bit, 1, 1, clBlue);
        target.Canvas().Draw(0, 0, &picture);
        EXPECT_EQ(PixelOf(target, 0, 0), alphaFormat == afIgnored ? clRed : clBlue);
    }
}

TEST(TBitmap, BitmapFilesKeepFormatAndPixels)
{
    struct Case {
        TPixelFormat saved;
        TPixelFormat loaded;
    };
    // The fourth byte of 32-bit pixels is not written, so they come back as 24-bit pixels.
    for (const Case& c : {Case{pf1bit, pf1bit}, Case{pf8bit, pf8bit}, Case{pf24bit, pf24bit}, Case{pf32bit, pf24bit}}) {
        SCOPED_TRACE(c.saved);
        TBitmap original;
        Fill(original, c.saved, 5, 3, clWhite);
        Paint(original, 0, 0, clBlack);
        Paint(original, 4, 2, clBlack);

        TBitmap loaded;
        loaded.LoadFromBytes(original.SaveToBytes());
        EXPECT_EQ(loaded.GetPixelFormat(), c.loaded);
        ASSERT_EQ(loaded.GetWidth(), 5);
        ASSERT_EQ(loaded.GetHeight(), 3);
        EXPECT_EQ(PixelOf(loaded, 0, 0), clBlack);
        EXPECT_EQ(PixelOf(loaded, 4, 2), clBlack);
        EXPECT_EQ(PixelOf(loaded, 4, 0), clWhite);
    }
}

// Run-length data may skip pixels, by a delta and by ending a line or the picture early. Qt's
// reader leaves those pixels as the memory was; they must show the first palette colour.
TEST(TBitmap, PixelsTheFileDoesNotGiveShowTheFirstPaletteColour)
{
    constexpr int width = 32;
    constexpr int height = 16;
    // Two red pixels in the bottom row; on the row above, one blue pixel 3 pixels in.
    const auto expected = [](int x, int y) {
        if (y == height - 1 && x < 2)
            return clRed;
        return y == height - 2 && x == 3 ? clBlue : clLime;
    };
    struct Case {
        const char* name;
        int bitsPerPixel;
        int compression;
        std::vector<std::uint8_t> data;
    };
    // The runs: two red pixels and a line end; 3 pixels on, one blue pixel; the end.
    const Case cases[] = {
        {"8-bit runs", 8, 1, {2, 1, 0, 0, 0, 2, 3, 0, 1, 2, 0, 1}},
        {"4-bit runs", 4, 2, {2, 0x11, 0, 0, 0, 2, 3, 0, 1, 0x20, 0, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // The memory the picture gets may have held other pixels, as it does in a program that
        // has run a while.
        std::free(std::memset(std::malloc(width * height), 0x55, width * height));
        TBitmap bitmap;
        bitmap.LoadFromBytes(IndexedBitmapFile(width, height, c.bitsPerPixel, c.compression,
                                               {qRgb(0, 255, 0), qRgb(255, 0, 0), qRgb(0, 0, 255)}, c.data));
        ASSERT_EQ(bitmap.GetWidth(), width);
        ASSERT_EQ(bitmap.GetHeight(), height);
        int otherColours = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                otherColours += PixelOf(bitmap, x, y) != expected(x, y);
        EXPECT_EQ(otherColours, 0);
    }
}

// A run-length file declares its size in a few bytes; it keeps to Qt's allocation limit as an
// uncompressed one does, which Qt reckons at 4 bytes a pixel whatever the format.
TEST(TBitmap, RunLengthFilesKeepToTheAllocationLimit)
{
    struct LimitRestore {
        int savedMB = QImageReader::allocationLimit();
        ~LimitRestore() { QImageReader::setAllocationLimit(savedMB); }
    } restore;
    QImageReader::setAllocationLimit(1);
    constexpr int width = 512;
    for (const int height : {512, 513})
        for (const bool runLength : {false, true}) {
            SCOPED_TRACE(std::to_string(height) + (runLength ? " rows of runs" : " rows"));
            const std::vector<std::uint8_t> data =
                runLength ? std::vector<std::uint8_t>{0, 1} : std::vector<std::uint8_t>(width * height);
            TBitmap bitmap;
            if (height == 512)
                EXPECT_NO_THROW(bitmap.LoadFromBytes(IndexedBitmapFile(width, height, 8, runLength, {qRgb(255, 255, 255)}, data)));
            else
                EXPECT_THROW(bitmap.LoadFromBytes(IndexedBitmapFile(width, height, 8, runLength, {qRgb(255, 255, 255)}, data)),
                             EInvalidGraphic);
        }
}

// A file's palette may stop short of the indices its pixels use. Those pixels are black, as Qt
// draws them (a 1-bit picture's missing second colour white), and stay so when saved: Qt writes
// a palette of 16 colours or less with 4 bits a pixel, which would cut index 17 down to 1.
TEST(TBitmap, IndicesBeyondTheFilesPaletteKeepAColour)
{
    struct Case {
        const char* name;
        std::vector<std::uint8_t> file;
        std::vector<TColor> colours;
    };
    const Case cases[] = {
        {"8 bits, two colours", IndexedBitmapFile(4, 1, 8, 0, {qRgb(255, 0, 0), qRgb(0, 255, 0)}, {0, 1, 5, 17}),
         {clRed, clLime, clBlack, clBlack}},
        {"1 bit, one colour", IndexedBitmapFile(2, 1, 1, 0, {qRgb(255, 0, 0)}, {0x40, 0, 0, 0}), {clRed, clWhite}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TBitmap loaded;
        loaded.LoadFromBytes(c.file);
        TBitmap saved;
        saved.LoadFromBytes(loaded.SaveToBytes());
        for (int x = 0; x < loaded.GetWidth(); ++x) {
            EXPECT_EQ(PixelOf(loaded, x, 0), c.colours[x]) << x;
            EXPECT_EQ(PixelOf(saved, x, 0), c.colours[x]) << x;
        }
    }
}

TEST(TBitmap, DataThatIsNoBitmapRaisesAndKeepsThePicture)
{
    TBitmap bitmap;
    Fill(bitmap, pf24bit, 2, 2, clRed);
    const std::vector<std::uint8_t> cases[] = {
        {},
        {'B', 'M'},
        {'B', 'M', 0x46, 0, 0, 0, 0, 0, 0, 0, 0x36, 0, 0, 0, 40, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F},
        // A header of 200 bytes: Qt reads it as a core header (2 x 2, 24 bits a pixel) while the
        // place of an info header's depth holds 1.
        {'B', 'M', 42, 0, 0, 0, 0, 0, 0, 0, 26, 0, 0, 0, 200, 0, 0, 0, 2, 0, 2, 0, 1, 0, 24, 0,
         0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        picture_probes::Encoded(QImage(2, 2, QImage::Format_RGB32), "PNG"),
    };
    for (const auto& data : cases) {
        SCOPED_TRACE(data.size());
        EXPECT_THROW(bitmap.LoadFromBytes(data), EInvalidGraphic);
        EXPECT_EQ(bitmap.GetWidth(), 2);
        EXPECT_EQ(PixelOf(bitmap, 1, 1), clRed);
    }
    EXPECT_THROW(bitmap.LoadFromFile("/nonexistent/picture.bmp"), EFOpenError);
    EXPECT_THROW(TBitmap().SaveToBytes(), EInvalidGraphic);
}

TEST(TBitmap, LoadsResourcesByName)
{
    TBitmap bitmap;
    bitmap.LoadFromResourceName("test_pattern");
    EXPECT_EQ(bitmap.GetPixelFormat(), pf24bit);
    ASSERT_EQ(bitmap.GetWidth(), 4);
    ASSERT_EQ(bitmap.GetHeight(), 4);
    EXPECT_EQ(PixelOf(bitmap, 0, 0), clRed);
    EXPECT_EQ(PixelOf(bitmap, 3, 0), clWhite);
    EXPECT_EQ(PixelOf(bitmap, 3, 2), RGB(10, 20, 30));
    EXPECT_EQ(bitmap.GetTransparentColor(), clFuchsia);
    EXPECT_THROW(bitmap.LoadFromResourceName("NO_SUCH_PICTURE"), EResNotFound);
}

TEST(TBitmap, AssignCopiesPixelsAndSettings)
{
    TBitmap source;
    Fill(source, pf8bit, 3, 2, clBlue);
    source.SetTransparent(true);
    source.SetTransparentColor(clBlue);

    TBitmap copy;
    copy.Assign(source);
    Paint(source, 0, 0, clRed);
    EXPECT_EQ(copy.GetPixelFormat(), pf8bit);
    EXPECT_TRUE(copy.GetTransparent());
    EXPECT_EQ(copy.GetTransparentMode(), tmFixed);
    EXPECT_EQ(copy.GetTransparentColor(), clBlue);
    EXPECT_EQ(PixelOf(copy, 0, 0), clBlue);

    TIcon icon;
    QImage iconImage(2, 2, QImage::Format_ARGB32);
    iconImage.fill(Qt::transparent);
    iconImage.setPixel(1, 1, qRgb(255, 0, 0));
    icon.LoadFromBytes(picture_probes::Encoded(iconImage, "PNG"));
    copy.Assign(icon);
    EXPECT_EQ(copy.GetWidth(), 2);
    EXPECT_EQ(PixelOf(copy, 1, 1), clRed);
    EXPECT_EQ(PixelOf(copy, 0, 0), clWhite);
}

TEST(TBitmap, ChangesAreAnnounced)
{
    TBitmap bitmap;
    int changes = 0;
    bitmap.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &bitmap);
        ++changes;
    };
    bitmap.SetSize(2, 2);
    EXPECT_EQ(changes, 1);
    bitmap.Canvas().FillRect(Rect(0, 0, 1, 1));
    EXPECT_EQ(changes, 2);
    bitmap.SetPixelFormat(pf24bit);
    EXPECT_EQ(changes, 3);
}

}  // namespace
}  // namespace plat
