#pragma once

#include "foundation/GPTypes.h"
#include "platform/core/Types.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace plat {
class TBitmap;
class TCanvas;
class TImageList;
}
namespace skelda::foundation {
class TGDIPPicture;
class TGPBitmap;
class TGPGraphics;
}

namespace skelda::pager {

// Pictures and images on a glow face. Each draws from the decoded pixels; a picture whose bytes
// do not decode, or an image that is not there, draws nothing and raises nothing.

// At its own size with its top-left at Pos; a BMP with the colour of its bottom-left pixel left
// out (the way bitmaps of the widget library mark transparency), anything else with its alpha.
void PaintPictureKeyed(foundation::TGPGraphics& Graphics, plat::TPoint Pos, const foundation::TGDIPPicture& Picture);
// Scaled into Rect: a BMP as a widget-library bitmap with its automatic transparent colour,
// stretched on the canvas; anything else through GDI+.
void PaintPictureStretched(foundation::TGPGraphics& Graphics, plat::TCanvas& Canvas, const plat::TRect& Rect,
                           const foundation::TGDIPPicture& Picture);
// Image Index of the list in its enabled or disabled look, at its own size at Pos, with the
// colour of its bottom-left pixel left out. Nothing for no list, a negative index or no surface.
void PaintImageListImage(foundation::TGPGraphics* Graphics, plat::TPoint Pos, const plat::TImageList* Images,
                         bool Enabled, int Index);
// A widget-library bitmap at its own size at Pos with the colour of its bottom-left pixel (or
// that of its top-left pixel, KeyTopLeft) left out.
void PaintBitmapKeyed(foundation::TGPGraphics& Graphics, plat::TPoint Pos, const plat::TBitmap& Bitmap,
                      bool KeyTopLeft = false);

// The pixels of encoded image bytes (BMP, PNG, ...); nil when there are none, they do not decode
// or there is no memory for them.
std::unique_ptr<foundation::TGPBitmap> DecodeImageBytes(const std::vector<std::uint8_t>& Bytes);
// Image scaled into Dest with the colour of its pixel (KeyX, KeyY), made opaque, left out.
void DrawImageKeyed(foundation::TGPGraphics& Graphics, foundation::TGPBitmap& Image, const foundation::TGPRectF& Dest,
                    int KeyX, int KeyY);

}  // namespace skelda::pager
