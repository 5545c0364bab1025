#pragma once

#include "platform/graphics/Colors.h"

#include <memory>

namespace plat {
class TBitmap;
}

namespace skelda::editcontrols {

// The disabled form of a glyph: a bitmap of the source's size on the button face, where the
// source's pixels of OutlineColor appear embossed (button highlight one pixel down and right,
// button shadow in their place) and every other pixel is gone. The button-face colour is its
// transparent colour, so it draws over any face.
std::unique_ptr<plat::TBitmap> MakeDefaultDisabledBitmap(const plat::TBitmap& Source, plat::TColor OutlineColor);

}  // namespace skelda::editcontrols
