#include "platform/graphics/TIcon.h"

#include "platform/core/TStream.h"
#include "platform/graphics/EInvalidGraphic.h"
#include "platform/graphics/GraphicFile.h"
#include "platform/graphics/Resources.h"
#include "platform/graphics/TCanvas.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include <vector>

namespace plat {

namespace {

std::vector<std::uint8_t> IconFileBytes(const QImage& image)
{
    if (image.isNull())
        throw EInvalidGraphic("Cannot save an empty icon");
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "ICO"))
        throw EInvalidGraphic("Icon image could not be written");
    return std::vector<std::uint8_t>(data.begin(), data.end());
}

}  // namespace

TIcon::TIcon() : FImage(std::make_unique<QImage>()) {}

TIcon::~TIcon() = default;

int TIcon::GetWidth() const
{
    return FImage->width();
}

int TIcon::GetHeight() const
{
    return FImage->height();
}

bool TIcon::GetEmpty() const
{
    return FImage->isNull();
}

void TIcon::Draw(TCanvas& ACanvas, const TRect& Rect) const
{
    if (!GetEmpty())
        ACanvas.DrawImage(Rect, *FImage, Bounds(0, 0, GetWidth(), GetHeight()));
}

void TIcon::Assign(const TPersistent& Source)
{
    if (const auto* icon = dynamic_cast<const TIcon*>(&Source)) {
        if (icon != this) {
            *FImage = *icon->FImage;
            Changed(this);
        }
        return;
    }
    TGraphic::Assign(Source);
}

void TIcon::LoadFromFile(const std::string& FileName)
{
    LoadFromBytes(GraphicFile::Read(FileName));
}

void TIcon::LoadFromBytes(std::span<const std::uint8_t> Data)
{
    const QImage image = QImage::fromData(
        QByteArrayView(reinterpret_cast<const char*>(Data.data()), static_cast<qsizetype>(Data.size())));
    if (image.isNull())
        throw EInvalidGraphic("Icon image is not valid");
    *FImage = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    Changed(this);
}

void TIcon::LoadFromImage(const QImage& Image)
{
    *FImage = Image.isNull() ? QImage() : Image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    Changed(this);
}

void TIcon::LoadFromStream(TStream& Stream)
{
    LoadFromBytes(Stream.ReadRest());
}

void TIcon::SaveToStream(TStream& Stream) const
{
    Stream.WriteBuffer(IconFileBytes(*FImage));
}

std::unique_ptr<TGraphic> TIcon::Clone() const
{
    auto copy = std::make_unique<TIcon>();
    copy->Assign(*this);
    return copy;
}

void TIcon::LoadFromResourceName(std::string_view Name)
{
    LoadFromBytes(LoadResource(Name));
}

}  // namespace plat
