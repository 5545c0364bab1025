#pragma once

#include "platform/controls/standard/TBitBtn.h"

namespace plat {

class TBitmap;

// The glyph of a stock bitmap-button kind, drawn by the program: a strip of two 18 x 18
// pictures, the kind's sign and its disabled form (grey with a white edge below and right), on
// the fixed transparent colour clOlive. bkCustom has none: Glyph is emptied.
void LoadBitBtnKindGlyph(TBitBtnKind Kind, TBitmap& Glyph);

// The size of one picture of a stock glyph.
constexpr int BitBtnKindGlyphSize = 18;

}  // namespace plat
