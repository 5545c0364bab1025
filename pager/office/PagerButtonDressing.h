#pragma once

#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"

namespace plat {
class TCanvas;
}

namespace skelda::pager {

class TCustomVezOfficePagerStyler;
class TGlowButtonAppearance;
class TVezCustomGlowButton;

// A pager's own glow button in the colour tones: a copy of the toned appearance, square corners
// and the desktop's default font. Nothing without a button or a toned appearance.
void ApplyTonesToButton(TVezCustomGlowButton* Button, const TGlowButtonAppearance* TonesAppearance);

// A pager's own glow button in the pager's look: toned when the pager has a toned appearance
// (colour tones in use), else the styler's glow-button appearance. Nothing without a styler.
void DressPagerButton(TVezCustomGlowButton& Button, TCustomVezOfficePagerStyler* Styler,
                      const TGlowButtonAppearance* TonesAppearance);

// The frame around the pager's buttons: square with colour tones, else rounded (corners of 5,
// or an antialiased outline of radius 3 on glass).
void PaintButtonsFrame(plat::TCanvas& Canvas, const plat::TRect& Rect, plat::TColor BorderColor, bool ColorTones,
                       bool Glass);

}  // namespace skelda::pager
