#include "platform/graphics/OlePicture.h"

#include "platform/core/MulDiv.h"
#include "platform/graphics/BitmapFile.h"
#include "platform/graphics/PngFile.h"
#include "platform/graphics/TCanvas.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <cstring>

namespace plat {

namespace {

constexpr int kHiMetricPerInch = 2540;
constexpr int kScreenPixelsPerInch = 96;
// Larger pictures are refused rather than decoded: no picture of a text needs more, and a
// forged header must not make the decoder reserve gigabytes.
constexpr int kMaxPixels = 64 * 1024 * 1024;

const char* FormatOf(std::span<const std::uint8_t> d)
{
    auto starts = [&](std::initializer_list<std::uint8_t> sig) {
        return d.size() >= sig.size() && std::equal(sig.begin(), sig.end(), d.begin());
    };
    if (starts({'B', 'M'}))
        return "bmp";
    if (starts({0xFF, 0xD8}))
        return "jpeg";
    if (starts({'G', 'I', 'F', '8'}))
        return "gif";
    if (starts({0x89, 'P', 'N', 'G'}))
        return "png";
    if (starts({0x00, 0x00, 0x01, 0x00}))
        return "ico";
    return nullptr;
}

}  // namespace

TOlePicture::TOlePicture() = default;
TOlePicture::~TOlePicture() = default;

TOlePicture::TLoadResult TOlePicture::Load(std::span<const std::uint8_t> Data, std::shared_ptr<TOlePicture>& Picture)
{
    Picture.reset();
    const char* format = FormatOf(Data);
    // libpng reserves a chunk's declared length as soon as it reads the header, before the size.
    if (format == nullptr || (std::strcmp(format, "png") == 0 && !PngFile::ChunksFitTheData(Data)))
        return TLoadResult::InvalidFormat;
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(Data.data()), static_cast<qsizetype>(Data.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    const QSize size = reader.size();
    if (size.isValid() && static_cast<long long>(size.width()) * size.height() > kMaxPixels)
        return TLoadResult::InvalidFormat;
    // A reader that fails part way may leave the rows it read in the picture.
    QImage image;
    if (std::strcmp(format, "bmp") == 0)
        image = BitmapFile::Read(Data);
    else if (!reader.read(&image))
        image = QImage();
    if (image.isNull())
        return TLoadResult::InvalidFormat;
    std::shared_ptr<TOlePicture> picture(new TOlePicture());
    picture->FImage = std::make_unique<QImage>(image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    picture->FWidthHiMetric = MulDiv(image.width(), kHiMetricPerInch, kScreenPixelsPerInch);
    picture->FHeightHiMetric = MulDiv(image.height(), kHiMetricPerInch, kScreenPixelsPerInch);
    Picture = std::move(picture);
    return TLoadResult::Ok;
}

int TOlePicture::WidthPx() const
{
    return FImage ? FImage->width() : 0;
}

int TOlePicture::HeightPx() const
{
    return FImage ? FImage->height() : 0;
}

void TOlePicture::Render(TCanvas& Canvas, const TRect& Dest) const
{
    if (!FImage || Dest.IsEmpty())
        return;
    Canvas.DrawImage(Dest, *FImage, TRect{0, 0, FImage->width(), FImage->height()});
}

void TOlePicture::Crop(const TRect& Part)
{
    if (!FImage)
        return;
    const QRect part = QRect(Part.Left, Part.Top, Part.Width(), Part.Height()).intersected(FImage->rect());
    if (part.isEmpty() || part == FImage->rect())
        return;
    *FImage = FImage->copy(part);
    FWidthHiMetric = MulDiv(part.width(), kHiMetricPerInch, kScreenPixelsPerInch);
    FHeightHiMetric = MulDiv(part.height(), kHiMetricPerInch, kScreenPixelsPerInch);
}

}  // namespace plat
