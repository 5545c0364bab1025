#pragma once

#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"

namespace plat {
class TCanvas;
class TGraphic;
class TImageList;
}
namespace skelda::foundation {
class TGDIPPicture;
class TGPGraphics;
class TGPPen;
}

namespace skelda::pager {

// The pager's own versions of some glow routines, which its tabs and buttons draw with.

// PaintBandedGradient over Rect less its last column (Horizontal) or row.
void PagerBandedGradient(plat::TCanvas& Canvas, plat::TColor FromColor, plat::TColor ToColor, int Count,
                         const plat::TRect& Rect, bool Horizontal);
// MixColors without the clNone rules; each channel keeps its low 8 bits instead of being held
// at 255.
plat::TColor PagerMixColors(plat::TColor Color1, plat::TColor Color2, int Percent);
// The rounded-rectangle path of OutlineRoundRect, drawn with the caller's pen.
void PagerOutlineRoundRect(foundation::TGPGraphics& Graphics, const foundation::TGPPen& Pen, int X, int Y, int W,
                           int H, int Radius);
// A closed path through the four corners of (X, Y, W, H), drawn with the caller's pen.
void PagerOutlineRect(foundation::TGPGraphics& Graphics, const foundation::TGPPen& Pen, int X, int Y, int W, int H);
// PaintImageListImage on the surface or, when it is nil, on a surface of the canvas's own
// (antialiased) made for the call.
void PagerPaintImageListImage(foundation::TGPGraphics* Graphics, plat::TCanvas* Canvas, plat::TPoint Pos,
                              const plat::TImageList* Images, bool Enabled, int Index);
// Any graphic at its own size at Pos, on the surface or the canvas as above; with KeyOut and
// unless it is a PNG, the colour of its top-left pixel is left out.
void PagerPaintGraphic(foundation::TGPGraphics* Graphics, plat::TCanvas* Canvas, plat::TPoint Pos,
                       const plat::TGraphic& Graphic, bool KeyOut);
// A BMP picture stretched into Rect with its bottom-left pixel's colour left out; any other
// picture at its own size at Rect's top-left.
void PagerPaintPictureInRect(foundation::TGPGraphics& Graphics, const plat::TRect& Rect,
                             const foundation::TGDIPPicture& Picture);

}  // namespace skelda::pager
