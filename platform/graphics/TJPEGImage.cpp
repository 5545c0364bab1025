#include "platform/graphics/TJPEGImage.h"

#include "platform/core/TStream.h"
#include "platform/graphics/EInvalidGraphic.h"
#include "platform/graphics/GraphicFile.h"
#include "platform/graphics/JpegCodec.h"
#include "platform/graphics/Resources.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

#include <QImage>

#include <algorithm>
#include <utility>

namespace plat {

TJPEGImage::TJPEGImage() : FBitmap(std::make_unique<TBitmap>())
{
    FBitmap->SetPixelFormat(pf24bit);
}

TJPEGImage::~TJPEGImage() = default;

int TJPEGImage::GetWidth() const
{
    return FBitmap->GetWidth();
}

int TJPEGImage::GetHeight() const
{
    return FBitmap->GetHeight();
}

bool TJPEGImage::GetEmpty() const
{
    return FBitmap->GetEmpty();
}

void TJPEGImage::Draw(TCanvas& ACanvas, const TRect& Rect) const
{
    FBitmap->Draw(ACanvas, Rect);
}

void TJPEGImage::SetCompressionQuality(int Value)
{
    FCompressionQuality = std::clamp(Value, 1, 100);
}

void TJPEGImage::Assign(const TPersistent& Source)
{
    if (&Source == this)
        return;
    if (const auto* jpeg = dynamic_cast<const TJPEGImage*>(&Source)) {
        FData = jpeg->FData;
        FBitmap->Assign(*jpeg->FBitmap);
        FCompressionQuality = jpeg->FCompressionQuality;
        Changed(this);
        return;
    }
    if (const auto* graphic = dynamic_cast<const TGraphic*>(&Source)) {
        if (graphic->GetEmpty()) {
            FData.clear();
            FBitmap->SetSize(0, 0);
        } else {
            TBitmap drawn;
            drawn.SetPixelFormat(pf24bit);
            drawn.Assign(*graphic);
            FData = JpegCodec::Encode(drawn.Image(), FCompressionQuality);
            FBitmap->Assign(drawn);
        }
        Changed(this);
        return;
    }
    TGraphic::Assign(Source);
}

void TJPEGImage::LoadFromFile(const std::string& FileName)
{
    LoadFromBytes(GraphicFile::Read(FileName));
}

void TJPEGImage::SaveToFile(const std::string& FileName) const
{
    if (FData.empty())
        throw EInvalidGraphic("Cannot save an empty JPEG image");
    GraphicFile::Write(FileName, FData);
}

void TJPEGImage::LoadFromBytes(std::span<const std::uint8_t> Data)
{
    QImage decoded = JpegCodec::Decode(Data);
    FData.assign(Data.begin(), Data.end());
    // Handed over, so that the pixels exist once: a copy would double what the codec's cap allows.
    FBitmap->LoadFromImage(std::move(decoded));
    Changed(this);
}

void TJPEGImage::LoadFromStream(TStream& Stream)
{
    LoadFromBytes(Stream.ReadRest());
}

void TJPEGImage::SaveToStream(TStream& Stream) const
{
    Stream.WriteBuffer(FData);
}

std::unique_ptr<TGraphic> TJPEGImage::Clone() const
{
    auto copy = std::make_unique<TJPEGImage>();
    copy->Assign(*this);
    return copy;
}

void TJPEGImage::LoadFromResourceName(std::string_view Name)
{
    LoadFromBytes(LoadResource(Name));
}

}  // namespace plat
