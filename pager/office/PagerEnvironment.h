#pragma once

namespace skelda::pager {

class TGlowButtonAppearance;

// Whether the common controls are version 6 or later (themed tab controls).
bool IsComCtl6();
// Whether the desktop is composed (glass), asked of the composition library directly, without
// the version check; False when the library cannot be asked.
bool PagerCompositionEnabled();

// Sets the plain, hot, down and disabled colours and the three border colours of a glow
// appearance to clNone, so that colour tones can fill them; the checked colours, the disabled
// mirror colours and the checked and disabled borders keep theirs. Nil does nothing.
void ClearGlowAppearanceColors(TGlowButtonAppearance* Appearance);

}  // namespace skelda::pager
