#include "platform/controls/standard/TImage.h"

#include "platform/core/Exception.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TPicture.h"

namespace plat {

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), FPicture(std::make_unique<TPicture>())
{
    SetBounds(0, 0, 105, 105);
    FPicture->OnChange = [this](TObject*) { PictureChanged(); };
}

TImage::~TImage()
{
    FPicture->OnChange = nullptr;
}

TCanvas& TImage::Canvas()
{
    if (!FPicture->GetGraphic()) {
        TBitmap& bitmap = FPicture->Bitmap();
        bitmap.SetSize(GetWidth(), GetHeight());
    }
    auto* bitmap = dynamic_cast<TBitmap*>(FPicture->GetGraphic());
    if (!bitmap)
        throw EInvalidOperation("Can only modify an image if it contains a bitmap");
    return bitmap->Canvas();
}

void TImage::SetStretch(bool Value)
{
    FStretch = Value;
    Invalidate();
}

void TImage::SetCenter(bool Value)
{
    FCenter = Value;
    Invalidate();
}

void TImage::SetProportional(bool Value)
{
    FProportional = Value;
    Invalidate();
}

void TImage::SetTransparent(bool Value)
{
    FTransparent = Value;
    PictureChanged();
}

void TImage::SetAutoSize(bool Value)
{
    FAutoSize = Value;
    PictureChanged();
}

void TImage::PictureChanged()
{
    TGraphic* graphic = FPicture->GetGraphic();
    if (graphic && graphic->GetTransparent() != FTransparent)
        graphic->SetTransparent(FTransparent);
    if (FAutoSize && graphic && graphic->GetWidth() > 0 && graphic->GetHeight() > 0)
        SetBounds(GetLeft(), GetTop(), graphic->GetWidth(), graphic->GetHeight());
    Invalidate();
}

TRect TImage::DestRect() const
{
    int width = FPicture->GetWidth();
    int height = FPicture->GetHeight();
    const int clientWidth = GetClientWidth();
    const int clientHeight = GetClientHeight();
    if (width > 0 && height > 0 &&
        (FStretch || (FProportional && (width > clientWidth || height > clientHeight)))) {
        if (FProportional) {
            // The larger scale that still fits, in whole pixels.
            if (static_cast<long long>(clientWidth) * height <= static_cast<long long>(clientHeight) * width) {
                height = static_cast<int>(static_cast<long long>(height) * clientWidth / width);
                width = clientWidth;
            } else {
                width = static_cast<int>(static_cast<long long>(width) * clientHeight / height);
                height = clientHeight;
            }
        } else {
            width = clientWidth;
            height = clientHeight;
        }
    }
    int left = 0;
    int top = 0;
    if (FCenter) {
        left = (clientWidth - width) / 2;
        top = (clientHeight - height) / 2;
    }
    return Bounds(left, top, width, height);
}

void TImage::Paint()
{
    if (const TGraphic* graphic = FPicture->GetGraphic())
        TGraphicControl::Canvas().StretchDraw(DestRect(), graphic);
}

}  // namespace plat
