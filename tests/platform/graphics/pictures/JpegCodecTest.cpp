#include "platform/graphics/EInvalidGraphic.h"
#include "platform/graphics/JpegCodec.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

namespace plat {
namespace {

// Colour gradients with brighter and darker blocks on the JPEG block grid. JPEG keeps colour
// at half resolution, so the sharp block edges are in brightness only.
QImage GradientsAndBlocks()
{
    QImage image(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int lift = (x / 16 + y / 16) % 2 ? 60 : 0;
            image.setPixel(x, y, qRgb(x * 3 + lift, y * 4 + lift, 120 + lift));
        }
    return image;
}

// The picture as a JPEG file by Qt's writer, which can also write progressive files.
std::vector<std::uint8_t> QtJpeg(const QImage& image, bool progressive)
{
    QByteArray file;
    QBuffer buffer(&file);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
    return std::vector<std::uint8_t>(file.begin(), file.end());
}

// The file with its frame header (baseline or progressive) declaring another size; the scans
// stay those of the small picture.
std::vector<std::uint8_t> DeclaringSize(std::vector<std::uint8_t> data, int width, int height)
{
    const auto isFrame = [](std::uint8_t marker) { return marker == 0xC0 || marker == 0xC2; };
    for (std::size_t i = 0; i + 9 <= data.size(); ++i)
        if (data[i] == 0xFF && isFrame(data[i + 1])) {
            // After marker, length and precision: height, then width, both big-endian.
            data[i + 5] = static_cast<std::uint8_t>(height >> 8);
            data[i + 6] = static_cast<std::uint8_t>(height);
            data[i + 7] = static_cast<std::uint8_t>(width >> 8);
            data[i + 8] = static_cast<std::uint8_t>(width);
            return data;
        }
    ADD_FAILURE() << "no frame header";
    return data;
}

// Hand-made greyscale files: the start marker, a flat quantisation table and a frame of 8-bit
// samples (0xC2 progressive with Huffman codes, 0xC9 sequential with arithmetic codes), to which
// a test adds its tables, scans and the end marker.
void AppendSegment(std::vector<std::uint8_t>& file, std::uint8_t marker, const std::vector<std::uint8_t>& payload)
{
    const std::size_t lengthBytes = payload.size() + 2;
    file.insert(file.end(), {0xFF, marker, static_cast<std::uint8_t>(lengthBytes >> 8),
                             static_cast<std::uint8_t>(lengthBytes)});
    file.insert(file.end(), payload.begin(), payload.end());
}

std::vector<std::uint8_t> GreyFrame(std::uint8_t frameMarker, int width, int height)
{
    std::vector<std::uint8_t> file{0xFF, 0xD8};
    std::vector<std::uint8_t> table(65, 1);
    table[0] = 0;  // 8-bit values, table 0
    AppendSegment(file, 0xDB, table);
    AppendSegment(file, frameMarker,
                  {8, static_cast<std::uint8_t>(height >> 8), static_cast<std::uint8_t>(height),
                   static_cast<std::uint8_t>(width >> 8), static_cast<std::uint8_t>(width), 1, 1, 0x11, 0});
    return file;
}

// A scan of the one component over the coefficients First to Last, with table 0.
void AppendScan(std::vector<std::uint8_t>& file, std::uint8_t first, std::uint8_t last,
                const std::vector<std::uint8_t>& data)
{
    AppendSegment(file, 0xDA, {1, 1, 0x00, first, last, 0});
    file.insert(file.end(), data.begin(), data.end());
}

int LargestChannelDifference(const QImage& a, const QImage& b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q))});
        }
    return largest;
}

TEST(JpegCodec, RoundTripKeepsPicture)
{
    const QImage original = GradientsAndBlocks();
    const std::vector<std::uint8_t> bytes = JpegCodec::Encode(original, 95);
    const QImage decoded = JpegCodec::Decode(bytes);

    ASSERT_EQ(decoded.size(), original.size());
    EXPECT_EQ(decoded.format(), QImage::Format_BGR888);
    EXPECT_LE(LargestChannelDifference(original, decoded), 12);
}

TEST(JpegCodec, ProgressiveFileDecodes)
{
    const QImage original = GradientsAndBlocks();
    const QImage decoded = JpegCodec::Decode(QtJpeg(original, true));

    ASSERT_EQ(decoded.size(), original.size());
    EXPECT_LE(LargestChannelDifference(original, decoded), 40);
}

TEST(JpegCodec, LowerQualityGivesSmallerFile)
{
    const QImage original = GradientsAndBlocks();
    EXPECT_LT(JpegCodec::Encode(original, 10).size(), JpegCodec::Encode(original, 95).size());
}

TEST(JpegCodec, OneChannelJpegDecodesToGreyPixels)
{
    QImage grey(16, 16, QImage::Format_Grayscale8);
    grey.fill(Qt::black);
    for (int y = 0; y < 16; ++y)
        for (int x = 8; x < 16; ++x)
            grey.setPixel(x, y, qRgb(255, 255, 255));
    QByteArray file;
    QBuffer buffer(&file);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(grey.save(&buffer, "JPG", 95));

    const QImage decoded = JpegCodec::Decode(std::span(reinterpret_cast<const std::uint8_t*>(file.constData()),
                                                       static_cast<std::size_t>(file.size())));
    const QRgb left = decoded.pixel(2, 8);
    const QRgb right = decoded.pixel(13, 8);
    EXPECT_TRUE(qRed(left) == qGreen(left) && qGreen(left) == qBlue(left));
    EXPECT_LE(qGreen(left), 8);
    EXPECT_GE(qGreen(right), 247);
}

TEST(JpegCodec, DamagedDataRaisesInsteadOfCrashing)
{
    const std::vector<std::uint8_t> valid = JpegCodec::Encode(GradientsAndBlocks(), 90);
    const auto prefix = [&](std::size_t sizeBytes) {
        return std::vector<std::uint8_t>(valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(sizeBytes));
    };
    // Arithmetic-coded data of stuffed 0xFF bytes only: every decision comes out the less likely
    // way, until a difference is too large to be one.
    std::vector<std::uint8_t> arithmeticOverflow = GreyFrame(0xC9, 16, 16);
    std::vector<std::uint8_t> stuffedOnes;
    for (int i = 0; i < 64; ++i)
        stuffedOnes.insert(stuffedOnes.end(), {0xFF, 0x00});
    AppendScan(arithmeticOverflow, 0, 63, stuffedOnes);
    arithmeticOverflow.insert(arithmeticOverflow.end(), {0xFF, 0xD9});

    struct Case {
        const char* name;
        std::vector<std::uint8_t> data;
    };
    const Case cases[] = {
        {"nothing", {}},
        {"a bitmap file", {'B', 'M', 0x36, 0, 0, 0, 0, 0, 0, 0, 0x36, 0, 0, 0}},
        {"start marker only", prefix(2)},
        {"cut inside the headers", prefix(40)},
        {"cut inside the pixel data", prefix(valid.size() / 2)},
        {"cut before the end marker", prefix(valid.size() - 2)},
        {"frame of no size", DeclaringSize(valid, 0, 0)},
        {"arithmetic-coded data that cannot be", arithmeticOverflow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            JpegCodec::Decode(c.data);
            ADD_FAILURE() << "decoded without complaint";
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(e.Message().rfind("JPEG error #", 0), 0u) << e.Message();
        }
    }
}

TEST(JpegCodec, PictureDeclaringAHugeSizeIsRefused)
{
    try {
        JpegCodec::Decode(DeclaringSize(JpegCodec::Encode(GradientsAndBlocks(), 90), 65021, 65021));
        ADD_FAILURE() << "decoded";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), "JPEG picture too large (65021 x 65021)");
    }
}

// A few hundred bytes may declare a picture whose pixels fit the cap while a progressive
// decoder's coefficients for it do not: 9000 x 9000 pixels take 243 MB, their coefficients
// another 162 MB (grey) or 243 MB (colour, chroma at half resolution). Such a file is refused
// before the decoder reserves them; files whose decode fits get as far as their data goes.
TEST(JpegCodec, FewBytesDeclaringALargePictureReserveNoMoreThanTheCap)
{
    QImage grey(16, 16, QImage::Format_Grayscale8);
    grey.fill(128);
    const QImage colour = GradientsAndBlocks();
    struct Case {
        const char* name;
        std::vector<std::uint8_t> data;
        std::string message;
    };
    const Case cases[] = {
        {"progressive colour", DeclaringSize(QtJpeg(colour, true), 9000, 9000),
         "JPEG picture too large (9000 x 9000)"},
        {"progressive grey", DeclaringSize(QtJpeg(grey, true), 9000, 9000), "JPEG picture too large (9000 x 9000)"},
        {"progressive grey that fits", DeclaringSize(QtJpeg(grey, true), 4000, 4000), "JPEG error #"},
        {"baseline colour", DeclaringSize(QtJpeg(colour, false), 9000, 9000), "JPEG error #"},
        {"baseline grey", DeclaringSize(QtJpeg(grey, false), 9000, 9000), "JPEG error #"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_LT(c.data.size(), 1000u);
        try {
            JpegCodec::Decode(c.data);
            ADD_FAILURE() << "decoded from too few bytes";
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(e.Message().substr(0, c.message.size()), c.message);
        }
    }
}

// Every scan of a progressive file is a pass over all blocks of the picture, however few bytes
// it has: a file of thousands of scans must not keep the program busy for minutes.
TEST(JpegCodec, ProgressiveFileOfTooManyScansIsRefused)
{
    const auto withScans = [](int scans) {
        std::vector<std::uint8_t> file = GreyFrame(0xC2, 64, 64);
        // An AC table of one code, a run of at least 16384 empty blocks (the length of the code
        // alone, one bit), which each scan uses once for the 64 blocks of the picture.
        std::vector<std::uint8_t> huffman{0x10, 1};
        huffman.insert(huffman.end(), 15, 0);
        huffman.push_back(0xE0);
        AppendSegment(file, 0xC4, huffman);
        for (int i = 0; i < scans; ++i)
            AppendScan(file, 1, 63, {0x00, 0x01});
        file.insert(file.end(), {0xFF, 0xD9});
        return file;
    };
    EXPECT_EQ(JpegCodec::Decode(withScans(500)).size(), QSize(64, 64));
    try {
        JpegCodec::Decode(withScans(501));
        ADD_FAILURE() << "decoded";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), "JPEG picture has more than 500 scans");
    }
}

TEST(JpegCodec, EmptyImageCannotBeEncoded)
{
    EXPECT_THROW(JpegCodec::Encode(QImage(), 90), EInvalidGraphic);
}

}  // namespace
}  // namespace plat
