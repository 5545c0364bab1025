#include "platform/graphics/EInvalidGraphic.h"
#include "platform/graphics/JpegCodec.h"

#include <QBuffer>
#include <QImage>

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
    std::vector<std::uint8_t> noImageSize = valid;
    // The frame header's height and width (after marker, length, precision) set to zero.
    const std::uint8_t frameMarker[] = {0xFF, 0xC0};
    const auto frame = std::search(noImageSize.begin(), noImageSize.end(), std::begin(frameMarker), std::end(frameMarker));
    ASSERT_NE(frame, noImageSize.end());
    std::fill(frame + 5, frame + 9, 0);

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
        {"frame of no size", noImageSize},
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
    std::vector<std::uint8_t> data = JpegCodec::Encode(GradientsAndBlocks(), 90);
    const std::uint8_t frameMarker[] = {0xFF, 0xC0};
    const auto frame = std::search(data.begin(), data.end(), std::begin(frameMarker), std::end(frameMarker));
    ASSERT_NE(frame, data.end());
    std::fill(frame + 5, frame + 9, 0xFD);  // 65021 x 65021 pixels
    try {
        JpegCodec::Decode(data);
        ADD_FAILURE() << "decoded";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), "JPEG picture too large (65021 x 65021)");
    }
}

TEST(JpegCodec, EmptyImageCannotBeEncoded)
{
    EXPECT_THROW(JpegCodec::Encode(QImage(), 90), EInvalidGraphic);
}

}  // namespace
}  // namespace plat
