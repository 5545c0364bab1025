#pragma once

#include "platform/core/Types.h"

namespace plat {
class TCanvas;
}  // namespace plat

namespace skelda::foundation {
struct TColorTones;
}  // namespace skelda::foundation

namespace skelda::grid {

using foundation::TColorTones;

// What an in-cell button shows. The numbers are those the cell painter computes.
enum class TCellButtonState { Normal = 0, Hot = 1, Pressed = 2, Disabled = 3 };

// How an in-cell button is drawn: the desktop theme's part (ThemedParts.h; the classic face
// where no theme is on), the classic 3-D frame-control face, its flat variant, or plain
// rectangles in the colour tones (normal tone for Normal, hover tone for Hot, selection tone for
// Pressed, disabled tone for Disabled; a colour a tone leaves unset is taken from the normal
// tone).
enum class TCellButtonStyle { Themed = 0, Classic = 1, Flat = 2, Tones = 3 };

// The drop-down button of a combo cell: 17 pixels wide at the right of Rect, 2 pixels in from
// its right edge and 1 pixel in from its top and bottom. The themed and classic faces show only
// whether the button is disabled.
void DrawComboButton(plat::TCanvas& Canvas, const plat::TRect& Rect, const TColorTones& Tones,
                     TCellButtonState State, TCellButtonStyle Style);

// A push button filling Rect.
void DrawEditButton(plat::TCanvas& Canvas, const plat::TRect& Rect, const TColorTones& Tones,
                    TCellButtonState State, TCellButtonStyle Style);

// The up and down buttons of a spin cell, 15 pixels wide, 1 pixel in from the right and bottom
// edges of Rect: the upper one from Rect's top to the middle of that block, the lower one from
// one pixel below the middle to its bottom. The themed and classic faces show only whether they
// are disabled.
void DrawSpinButtons(plat::TCanvas& Canvas, const plat::TRect& Rect, const TColorTones& Tones,
                     TCellButtonState State, TCellButtonStyle Style);

}  // namespace skelda::grid
