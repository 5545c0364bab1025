#pragma once

#include "platform/core/Types.h"

namespace plat {
class TCanvas;
}

namespace skelda::editcontrols {

// DrawFrameControl with the visual style where there is one: while themes are on, scroll
// arrows (not DFCS_TRANSPARENT), the combo-box button, check boxes, radio buttons and push
// buttons (neither DFCS_FLAT nor DFCS_TRANSPARENT) are drawn as theme parts; the state is the
// first of disabled (DFCS_INACTIVE), pressed (DFCS_PUSHED), hot (DFCS_HOT) and normal that
// applies (a check box with DFCS_MONO is mixed, a push button with DFCS_MONO defaulted).
// Returns true when it drew themed, else what the canvas's DrawFrameControl returns.
bool PaintThemedFrameControl(plat::TCanvas& Canvas, plat::TRect& Rect, unsigned Type, unsigned State);

}  // namespace skelda::editcontrols
