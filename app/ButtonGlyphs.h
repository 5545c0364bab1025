#pragma once

// The 16 x 16 glyphs of the main window's buttons that no stock button kind has, drawn by the
// program on the transparent colour olive and outlined in black, so that their disabled form
// (the black pixels embossed) reads well.

namespace plat {
class TBitmap;
}

namespace skelda::app {

enum class ButtonGlyph { About, Information, Setup };

void LoadButtonGlyph(ButtonGlyph Glyph, plat::TBitmap& Bitmap);

}  // namespace skelda::app
