#include "pager/glow/PagerGlowVariants.h"

#include "foundation/TGDIPPicture.h"
#include "foundation/TGPGraphics.h"
#include "foundation/TGPGraphicsPath.h"
#include "foundation/TGPImage.h"
#include "foundation/TGPImageAttributes.h"
#include "foundation/TGPPen.h"
#include "pager/glow/GlowColors.h"
#include "pager/glow/GlowGradient.h"
#include "pager/glow/GlowImages.h"
#include "pager/glow/GlowOutlines.h"
#include "platform/core/TStream.h"
#include "platform/gdiplus/GdiplusFlat.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

#include <memory>

namespace skelda::pager {

using namespace skelda::foundation;

namespace {

// Runs Paint on the given surface, or on one made on the canvas for the call.
template <typename Paint>
void OnSurface(TGPGraphics* Graphics, plat::TCanvas* Canvas, Paint&& paint)
{
    if (Graphics) {
        paint(*Graphics);
        return;
    }
    if (!Canvas)
        return;
    TGPGraphics own(Canvas->Handle());
    own.SetSmoothingMode(SmoothingModeAntiAlias);
    paint(own);
}

}  // namespace

void PagerBandedGradient(plat::TCanvas& Canvas, plat::TColor FromColor, plat::TColor ToColor, int Count,
                         const plat::TRect& Rect, bool Horizontal)
{
    plat::TRect inner = Rect;
    (Horizontal ? inner.Right : inner.Bottom) -= 1;
    PaintBandedGradient(Canvas, FromColor, ToColor, Count, inner, Horizontal);
}

plat::TColor PagerMixColors(plat::TColor Color1, plat::TColor Color2, int Percent)
{
    if (Percent >= 100)
        return Color1;
    if (Percent <= 0)
        return Color2;
    const plat::TColor c1 = plat::ColorToRGB(Color1);
    const plat::TColor c2 = plat::ColorToRGB(Color2);
    const double share = Percent / 100.0;
    const auto mix = [share](int a, int b) { return RoundEven(share * a + (1 - share) * b) & 0xFF; };
    return plat::RGB(mix(plat::GetRValue(c1), plat::GetRValue(c2)), mix(plat::GetGValue(c1), plat::GetGValue(c2)),
                     mix(plat::GetBValue(c1), plat::GetBValue(c2)));
}

void PagerOutlineRoundRect(TGPGraphics& Graphics, const TGPPen& Pen, int X, int Y, int W, int H, int Radius)
{
    TGPGraphicsPath path;
    AddRoundRectPath(path, X, Y, W, H, Radius);
    Graphics.DrawPath(&Pen, &path);
}

void PagerOutlineRect(TGPGraphics& Graphics, const TGPPen& Pen, int X, int Y, int W, int H)
{
    const auto f = [](int v) { return static_cast<REAL>(v); };
    TGPGraphicsPath path;
    path.AddLine(f(X), f(Y), f(X + W), f(Y));
    path.AddLine(f(X + W), f(Y), f(X + W), f(Y + H));
    path.AddLine(f(X + W), f(Y + H), f(X), f(Y + H));
    path.CloseFigure();
    Graphics.DrawPath(&Pen, &path);
}

void PagerPaintImageListImage(TGPGraphics* Graphics, plat::TCanvas* Canvas, plat::TPoint Pos,
                              const plat::TImageList* Images, bool Enabled, int Index)
{
    OnSurface(Graphics, Canvas, [&](TGPGraphics& g) { PaintImageListImage(&g, Pos, Images, Enabled, Index); });
}

void PagerPaintGraphic(TGPGraphics* Graphics, plat::TCanvas* Canvas, plat::TPoint Pos, const plat::TGraphic& Graphic,
                       bool KeyOut)
{
    if (Graphic.GetEmpty())
        return;
    OnSurface(Graphics, Canvas, [&](TGPGraphics& g) {
        if (const auto* bitmap = dynamic_cast<const plat::TBitmap*>(&Graphic)) {
            if (KeyOut) {
                PaintBitmapKeyed(g, Pos, *bitmap, true);
            } else {
                TGPBitmap image(plat::gdiplus::HandleOfBitmap(*bitmap), nullptr);
                g.DrawImage(&image, Pos.X, Pos.Y);
            }
            return;
        }
        std::unique_ptr<TGPBitmap> image;
        if (const auto* picture = dynamic_cast<const TGDIPPicture*>(&Graphic)) {
            image = DecodeImageBytes(picture->DataStream().Bytes());
        } else {
            // A graphic of another kind is known only through its stored form.
            try {
                plat::TMemoryStream stored;
                Graphic.SaveToStream(stored);
                image = DecodeImageBytes(stored.Bytes());
            } catch (const std::exception&) {
                return;
            }
        }
        if (!image)
            return;
        const TGPRectF dest{static_cast<REAL>(Pos.X), static_cast<REAL>(Pos.Y), static_cast<REAL>(image->GetWidth()),
                            static_cast<REAL>(image->GetHeight())};
        if (KeyOut && image->GetFormat() != ifPNG)
            DrawImageKeyed(g, *image, dest, 0, 0);
        else
            g.DrawImage(image.get(), Pos.X, Pos.Y);
    });
}

void PagerPaintPictureInRect(TGPGraphics& Graphics, const plat::TRect& Rect, const TGDIPPicture& Picture)
{
    if (Picture.GetEmpty())
        return;
    const std::unique_ptr<TGPBitmap> image = DecodeImageBytes(Picture.DataStream().Bytes());
    if (!image)
        return;
    if (image->GetFormat() == ifBMP) {
        const TGPRectF dest{static_cast<REAL>(Rect.Left), static_cast<REAL>(Rect.Top), static_cast<REAL>(Rect.Width()),
                            static_cast<REAL>(Rect.Height())};
        DrawImageKeyed(Graphics, *image, dest, 0, static_cast<int>(image->GetHeight()) - 1);
    } else {
        Graphics.DrawImage(image.get(), Rect.Left, Rect.Top);
    }
}

}  // namespace skelda::pager
