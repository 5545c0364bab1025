#include "platform/graphics/BitmapFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace plat::BitmapFile {

namespace {

constexpr std::size_t FileHeaderBytes = 14;
constexpr std::size_t CoreHeaderBytes = 12;
// The info headers Qt's reader knows: Windows 3 and its versions 4 and 5, OS/2 2. It reads a
// header of any other size as a core header; the depth we take must be the one it reads, so a
// header of a size that is neither is no bitmap header.
constexpr std::uint32_t InfoHeaderSizes[] = {40, 64, 108, 124};
// Compressions whose rows are stored whole: plain pixels and pixels with colour masks.
constexpr std::uint32_t UncompressedKinds[] = {0, 3, 6};

std::uint16_t ReadUInt16(std::span<const std::uint8_t> data, std::size_t offset)
{
    return static_cast<std::uint16_t>(data[offset] | (data[offset + 1] << 8));
}

std::uint32_t ReadUInt32(std::span<const std::uint8_t> data, std::size_t offset)
{
    return ReadUInt16(data, offset) | (std::uint32_t{ReadUInt16(data, offset + 2)} << 16);
}

// QImageReader refuses pictures beyond its allocation limit reckoned at 4 bytes a pixel, whatever
// their format, but checks only the pictures it makes itself.
bool WithinAllocationLimit(QSize size)
{
    const int limitMB = QImageReader::allocationLimit();
    return limitMB == 0 || qint64{size.width()} * size.height() * 4 <= qint64{limitMB} << 20;
}

// Qt's reader reads into a picture handed to it of the size and format it reads, and writes only
// the pixels the file gives; this one has 0 everywhere else. A null image (the reader makes its
// own) when the header gives no picture or one beyond the limit.
QImage Blank(const QImageReader& reader)
{
    // The reader gives the height of a file that stores its rows top-down as negative.
    const QSize declared = reader.size();
    if (declared.height() == std::numeric_limits<int>::min())
        return QImage();
    const QSize size(declared.width(), std::abs(declared.height()));
    const QImage::Format format = reader.imageFormat();
    if (size.isEmpty() || format == QImage::Format_Invalid || !WithinAllocationLimit(size))
        return QImage();
    QImage image(size, format);
    image.fill(0);
    return image;
}

// Whether the pixel data holds every row the header declares. Only uncompressed rows have a
// length known in advance; run-length data may end the picture early on purpose. Qt's reader
// starts at the offset the file header gives, or after the headers when that offset points into
// them.
bool HoldsEveryRow(std::span<const std::uint8_t> data)
{
    const std::uint32_t headerBytes = ReadUInt32(data, FileHeaderBytes);
    const bool core = headerBytes == CoreHeaderBytes;
    if (!core && (data.size() < FileHeaderBytes + 20 ||
                  std::ranges::find(UncompressedKinds, ReadUInt32(data, FileHeaderBytes + 16)) == std::end(UncompressedKinds)))
        return true;
    const std::int64_t width = core ? ReadUInt16(data, FileHeaderBytes + 4)
                                    : static_cast<std::int32_t>(ReadUInt32(data, FileHeaderBytes + 4));
    const std::int64_t height = core ? ReadUInt16(data, FileHeaderBytes + 6)
                                     : static_cast<std::int32_t>(ReadUInt32(data, FileHeaderBytes + 8));
    const std::int64_t rowBytes = (std::abs(width) * Depth(data) + 31) / 32 * 4;
    const std::int64_t pixelsStart = std::max<std::int64_t>(ReadUInt32(data, 10), FileHeaderBytes + headerBytes);
    const std::int64_t pixelBytes = static_cast<std::int64_t>(data.size()) - pixelsStart;
    // Divided rather than multiplied: a forged header's rows may add up beyond 64 bits.
    return rowBytes == 0 || (pixelBytes >= 0 && pixelBytes / rowBytes >= std::abs(height));
}

int HighestIndex(const QImage& image)
{
    int highest = 0;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        highest = std::max<int>(highest, *std::max_element(row, row + image.width()));
    }
    return highest;
}

void LengthenPalette(QImage& image)
{
    QList<QRgb> palette = image.colorTable();
    if (image.format() == QImage::Format_Indexed8) {
        const int highest = HighestIndex(image);
        while (palette.size() <= highest)
            palette.append(qRgb(0, 0, 0));
    } else if (image.depth() == 1) {
        const QRgb mono[] = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
        while (palette.size() < 2)
            palette.append(mono[palette.size()]);
    }
    if (palette.size() != image.colorCount())
        image.setColorTable(palette);
}

}  // namespace

int Depth(std::span<const std::uint8_t> data)
{
    if (data.size() < FileHeaderBytes + CoreHeaderBytes || data[0] != 'B' || data[1] != 'M')
        return 0;
    const std::uint32_t headerBytes = ReadUInt32(data, FileHeaderBytes);
    std::size_t depthOffset = FileHeaderBytes + 10;
    if (std::ranges::find(InfoHeaderSizes, headerBytes) != std::end(InfoHeaderSizes))
        depthOffset = FileHeaderBytes + 14;
    else if (headerBytes != CoreHeaderBytes)
        return 0;
    return depthOffset + 2 <= data.size() ? ReadUInt16(data, depthOffset) : 0;
}

QImage Read(std::span<const std::uint8_t> data)
{
    if (Depth(data) == 0 || !HoldsEveryRow(data))
        return QImage();
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data.data()),
                                               static_cast<qsizetype>(data.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "BMP");
    QImage image = Blank(reader);
    if (!reader.read(&image))
        return QImage();
    LengthenPalette(image);
    return image;
}

}  // namespace plat::BitmapFile
