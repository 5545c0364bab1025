#pragma once

#include "platform/core/Types.h"

#include <string_view>

namespace plat {
class TCanvas;
}  // namespace plat

namespace skelda::grid {

// Whether the desktop's theme may draw the grid's check boxes and radio buttons: a theme is on
// and the common controls are version 6 or later. Without both, csTheme draws as csClassic.
bool ThemedControlsAvailable();

// Draws one part of a visual-style class ("button", "combobox", "spin") in a state into Rect,
// opening the class's theme data before and closing it after, as every themed face of the grid
// does. False, with nothing drawn, when no theme is on or it has no such class or part; the
// caller then draws its classic face.
bool DrawThemedPart(plat::TCanvas& Canvas, std::string_view ClassName, int PartId, int StateId,
                    const plat::TRect& Rect);

}  // namespace skelda::grid
