#pragma once

#include "platform/core/Types.h"

namespace plat {

class TControl;

// The control under a point of the screen: the innermost visible window there (the active form
// is looked at first, then the others in order of creation; only the client areas of showing
// forms count), then the topmost windowless control of that window at the point. Disabled
// controls are passed over (their parent answers) unless AllowDisabled. nullptr when the point
// is over no form of the program.
TControl* FindDragTarget(TPoint ScreenPos, bool AllowDisabled);

}  // namespace plat
