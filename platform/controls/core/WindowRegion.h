#pragma once

#include "platform/graphics/TRegion.h"

#include <optional>

namespace plat {

class TWinControl;

// The part of a window the window system shows and sends the mouse to, in window coordinates
// (a Qt mask). The window is made when it has none yet; nullopt gives back the whole window.
// Redraw repaints the window at once.
void SetWindowRgn(TWinControl& Control, const std::optional<TRegion>& Region, bool Redraw);
// The region set last, nullopt when the whole window shows (or the control has no window).
std::optional<TRegion> GetWindowRgn(TWinControl& Control);

}  // namespace plat
