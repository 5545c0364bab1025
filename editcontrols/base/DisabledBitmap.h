#pragma once

#include "platform/graphics/Colors.h"

#include <cstdint>
#include <memory>

namespace plat {
class TBitmap;
}

namespace skelda::editcontrols {

// The disabled form of a glyph: a bitmap of the source's size filled with BackColor, on which
// the source's pixels of OutlineColor appear embossed: in HighlightColor one pixel down and right
// (when DrawHighlight), then in ShadowColor in their own place. Every other pixel of the source
// is gone. The caller owns the result.
std::unique_ptr<plat::TBitmap> MakeDisabledBitmap(const plat::TBitmap& Source, plat::TColor OutlineColor,
                                                  plat::TColor BackColor, bool DrawHighlight,
                                                  plat::TColor ShadowColor, plat::TColor HighlightColor);

// MakeDisabledBitmap on the button face with the button's highlight and shadow colours. The
// button-face colour is the result's transparent colour, so it draws over any face.
std::unique_ptr<plat::TBitmap> MakeDefaultDisabledBitmap(const plat::TBitmap& Source, plat::TColor OutlineColor);

// The raster operation that paints the brush where a monochrome source is white and leaves the
// destination where it is black (DSPDxax).
constexpr std::uint32_t ROP_DSPDxax = 0x00E20746;

// A monochrome mask of Source (as a bitmap of black and white pixels): white where Source has
// the colour Background, black elsewhere, as the platform turns a colour bitmap into a
// monochrome one with that background colour.
std::unique_ptr<plat::TBitmap> MonochromeMask(const plat::TBitmap& Source, plat::TColor Background);

}  // namespace skelda::editcontrols
