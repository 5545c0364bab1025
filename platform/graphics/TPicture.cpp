#include "platform/graphics/TPicture.h"

#include "platform/graphics/EInvalidGraphic.h"
#include "platform/graphics/GraphicFile.h"
#include "platform/graphics/PngFile.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TIcon.h"
#include "platform/graphics/TJPEGImage.h"

#include <QImage>

#include <utility>

namespace plat {

namespace {

std::unique_ptr<TGraphic> LoadPng(const std::string& FileName)
{
    const std::vector<std::uint8_t> data = GraphicFile::Read(FileName);
    if (!PngFile::ChunksFitTheData(data))
        throw EInvalidGraphic("PNG image is not valid");
    QImage image = QImage::fromData(
        QByteArrayView(reinterpret_cast<const char*>(data.data()), static_cast<qsizetype>(data.size())), "PNG");
    if (image.isNull())
        throw EInvalidGraphic("PNG image is not valid");
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->LoadFromImage(std::move(image));
    return bitmap;
}

}  // namespace

TPicture::TPicture() = default;

TPicture::~TPicture()
{
    // The picture must not call back into a half-destroyed owner.
    if (FGraphic)
        FGraphic->OnChange = nullptr;
}

void TPicture::SetGraphic(const TGraphic* Value)
{
    if (Value == FGraphic.get())
        return;
    if (!Value) {
        Install(nullptr);
        return;
    }
    Install(Value->Clone());
}

TBitmap& TPicture::Bitmap()
{
    if (auto* bitmap = dynamic_cast<TBitmap*>(FGraphic.get()))
        return *bitmap;
    auto bitmap = std::make_unique<TBitmap>();
    TBitmap& result = *bitmap;
    Install(std::move(bitmap));
    return result;
}

int TPicture::GetWidth() const
{
    return FGraphic ? FGraphic->GetWidth() : 0;
}

int TPicture::GetHeight() const
{
    return FGraphic ? FGraphic->GetHeight() : 0;
}

void TPicture::LoadFromFile(const std::string& FileName)
{
    const std::string extension = GraphicFile::LowerExtension(FileName);
    std::unique_ptr<TGraphic> graphic;
    if (extension == "bmp") {
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->LoadFromFile(FileName);
        graphic = std::move(bitmap);
    } else if (extension == "jpg" || extension == "jpeg") {
        auto jpeg = std::make_unique<TJPEGImage>();
        jpeg->LoadFromFile(FileName);
        graphic = std::move(jpeg);
    } else if (extension == "png") {
        graphic = LoadPng(FileName);
    } else if (extension == "ico") {
        auto icon = std::make_unique<TIcon>();
        icon->LoadFromFile(FileName);
        graphic = std::move(icon);
    } else {
        throw EInvalidGraphic("Unknown picture file extension (." + extension + ")");
    }
    Install(std::move(graphic));
}

void TPicture::Assign(const TPersistent& Source)
{
    if (const auto* picture = dynamic_cast<const TPicture*>(&Source)) {
        SetGraphic(picture->GetGraphic());
        return;
    }
    if (const auto* graphic = dynamic_cast<const TGraphic*>(&Source)) {
        SetGraphic(graphic);
        return;
    }
    TPersistent::Assign(Source);
}

void TPicture::Install(std::unique_ptr<TGraphic> Graphic)
{
    if (FGraphic)
        FGraphic->OnChange = nullptr;
    FGraphic = std::move(Graphic);
    if (FGraphic)
        FGraphic->OnChange = [this](TObject*) { Changed(); };
    Changed();
}

void TPicture::Changed()
{
    if (OnChange)
        OnChange(this);
}

}  // namespace plat
