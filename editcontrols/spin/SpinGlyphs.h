#pragma once

#include "editcontrols/spin/SpinButtonTypes.h"

#include <memory>

namespace plat {
class TBitmap;
class TCanvas;
}  // namespace plat

namespace skelda::editcontrols {

// The built-in arrows of the spin buttons, bitmap resources of the program: "KvSpinUP" and
// "KvSpinDOWN" for the diagonal style, "KvSpinUPPOLE" and "KvSpinDOWNPOLE" for the classic one.
// Black arrows, ready to be drawn transparent. EResNotFound when the program lacks one.
enum class TSpinArrow { Up, Down, UpPole, DownPole };
std::unique_ptr<plat::TBitmap> LoadSpinArrow(TSpinArrow Arrow);

// A pair of glyphs drawn on a face of WidthPx x HeightPx where the faces carry them; a null or
// empty glyph is left out. Disabled glyphs are drawn in their embossed disabled form.
//
// Diagonal: the up glyph centred on the upper-left quarter point and moved one pixel right and
// down, the down glyph centred on the lower-right quarter point and moved one pixel left and
// up; NudgeUpGlyph (a plain face with its upper half pressed) moves the up glyph one pixel
// further right and down.
void DrawDiagonalGlyphs(plat::TCanvas& Canvas, int WidthPx, int HeightPx, const plat::TBitmap* Up,
                        const plat::TBitmap* Down, bool NudgeUpGlyph, bool Enabled);
// Classic: each glyph centred in its half and clipped to it; while the upper half is pressed
// the lower half's box lies one pixel lower.
void DrawClassicGlyphs(plat::TCanvas& Canvas, int WidthPx, int HeightPx, const plat::TBitmap* Up,
                       const plat::TBitmap* Down, TSpinButtonState Pressed, bool Enabled);

}  // namespace skelda::editcontrols
