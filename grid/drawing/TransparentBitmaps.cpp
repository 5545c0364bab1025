#include "grid/drawing/TransparentBitmaps.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

namespace skelda::grid {

void DrawBitmapTransparent(plat::TCanvas& Canvas, const plat::TBitmap& Bitmap, plat::TColor BackgroundColor,
                           const plat::TRect& Rect)
{
    if (Bitmap.GetEmpty())
        return;
    plat::TBitmap keyed;
    keyed.Assign(Bitmap);
    keyed.SetTransparentColor(keyed.Canvas().GetPixels(0, 0));
    keyed.SetTransparent(true);

    plat::TBitmap face;
    face.SetSize(Bitmap.GetWidth(), Bitmap.GetHeight());
    face.Canvas().Brush().SetColor(BackgroundColor);
    face.Canvas().FillRect(plat::Bounds(0, 0, face.GetWidth(), face.GetHeight()));
    face.Canvas().Draw(0, 0, &keyed);
    Canvas.Draw(Rect.Left, Rect.Top, &face);
}

void DrawResourceBitmapTransparent(plat::TCanvas& Canvas, plat::TColor BackgroundColor, const plat::TRect& Rect,
                                   std::string_view ResourceName)
{
    plat::TBitmap bitmap;
    bitmap.LoadFromResourceName(ResourceName);
    DrawBitmapTransparent(Canvas, bitmap, BackgroundColor, Rect);
}

void DrawBitmapAutoTransparent(plat::TCanvas& Canvas, int X, int Y, const plat::TBitmap& Bitmap)
{
    if (Bitmap.GetEmpty())
        return;
    plat::TBitmap Keyed;
    Keyed.Assign(Bitmap);
    Keyed.SetTransparentMode(plat::tmAuto);
    Keyed.SetTransparent(true);
    Canvas.Draw(X, Y, &Keyed);
}

}  // namespace skelda::grid
