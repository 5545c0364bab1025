#pragma once

namespace skelda::grid {

// The looks check boxes and radio buttons are drawn in (see TCheckDrawer).
enum TControlStyle { csClassic, csFlat, csWinXP, csBorland, csZOR, csGlyph, csTheme };

// The three values of a tri-state check box.
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

}  // namespace skelda::grid
