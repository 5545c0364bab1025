#include "pager/glow/GlowImages.h"

#include "foundation/TGDIPPicture.h"
#include "foundation/TGPGraphics.h"
#include "foundation/TGPImage.h"
#include "foundation/TGPImageAttributes.h"
#include "platform/core/TStream.h"
#include "platform/gdiplus/GdiplusFlat.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TImageList.h"

#include <memory>
#include <new>

namespace skelda::pager {

using namespace skelda::foundation;

std::unique_ptr<TGPBitmap> DecodeImageBytes(const std::vector<std::uint8_t>& Bytes)
{
    if (Bytes.empty())
        return nullptr;
    try {
        plat::TMemoryStream stream;
        stream.Write(Bytes.data(), static_cast<std::int64_t>(Bytes.size()));
        auto bitmap = std::make_unique<TGPBitmap>(&stream);
        if (!bitmap->Native())
            return nullptr;
        return bitmap;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void DrawImageKeyed(TGPGraphics& Graphics, TGPBitmap& Image, const TGPRectF& Dest, int KeyX, int KeyY)
{
    ARGB key = 0;
    Image.GetPixel(KeyX, KeyY, key);
    key |= 0xFF000000u;
    TGPImageAttributes attributes;
    attributes.SetColorKey(key, key);
    Graphics.DrawImage(&Image, Dest, 0, 0, static_cast<REAL>(Image.GetWidth()), static_cast<REAL>(Image.GetHeight()),
                       UnitPixel, &attributes);
}

namespace {

std::unique_ptr<TGPBitmap> DecodePicture(const TGDIPPicture& Picture)
{
    return Picture.GetEmpty() ? nullptr : DecodeImageBytes(Picture.DataStream().Bytes());
}

TGPRectF AtOwnSize(plat::TPoint Pos, TGPBitmap& Image)
{
    return TGPRectF{static_cast<REAL>(Pos.X), static_cast<REAL>(Pos.Y), static_cast<REAL>(Image.GetWidth()),
                    static_cast<REAL>(Image.GetHeight())};
}

}  // namespace

void PaintPictureKeyed(TGPGraphics& Graphics, plat::TPoint Pos, const TGDIPPicture& Picture)
{
    const std::unique_ptr<TGPBitmap> image = DecodePicture(Picture);
    if (!image)
        return;
    if (image->GetFormat() == ifBMP)
        DrawImageKeyed(Graphics, *image, AtOwnSize(Pos, *image), 0, static_cast<int>(image->GetHeight()) - 1);
    else
        Graphics.DrawImage(image.get(), Pos.X, Pos.Y);
}

void PaintPictureStretched(TGPGraphics& Graphics, plat::TCanvas& Canvas, const plat::TRect& Rect,
                           const TGDIPPicture& Picture)
{
    const std::unique_ptr<TGPBitmap> image = DecodePicture(Picture);
    if (!image)
        return;
    if (image->GetFormat() == ifBMP) {
        plat::TBitmap bitmap;
        try {
            bitmap.LoadFromBytes(Picture.DataStream().Bytes());
        } catch (const std::exception&) {
            return;
        }
        bitmap.SetTransparentMode(plat::tmAuto);
        bitmap.SetTransparent(true);
        Canvas.StretchDraw(Rect, &bitmap);
        return;
    }
    Graphics.DrawImageRect(image.get(), Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
}

void PaintBitmapKeyed(TGPGraphics& Graphics, plat::TPoint Pos, const plat::TBitmap& Bitmap, bool KeyTopLeft)
{
    if (Bitmap.GetEmpty())
        return;
    TGPBitmap image(plat::gdiplus::HandleOfBitmap(Bitmap), nullptr);
    if (!image.Native())
        return;
    DrawImageKeyed(Graphics, image, AtOwnSize(Pos, image), 0, KeyTopLeft ? 0 : static_cast<int>(image.GetHeight()) - 1);
}

void PaintImageListImage(TGPGraphics* Graphics, plat::TPoint Pos, const plat::TImageList* Images, bool Enabled,
                         int Index)
{
    if (!Images || Index < 0 || !Graphics || Index >= Images->GetCount())
        return;
    plat::TBitmap bitmap;
    bitmap.SetSize(Images->GetWidth(), Images->GetHeight());
    Images->Draw(bitmap.Canvas(), 0, 0, Index, Enabled);
    PaintBitmapKeyed(*Graphics, Pos, bitmap);
}

}  // namespace skelda::pager
