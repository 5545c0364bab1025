#pragma once

#include <cstdint>

namespace plat {

class TControl;

// A window timer: every Elapse milliseconds the control gets WM_TIMER with IDEvent in WParam.
// Setting an id again restarts it with the new interval. Returns IDEvent (0 for a null
// control). The timers of a control die with it.
std::uintptr_t SetTimer(TControl* Control, std::uintptr_t IDEvent, unsigned Elapse);
// False when the control has no such timer.
bool KillTimer(TControl* Control, std::uintptr_t IDEvent);

}  // namespace plat
