#pragma once

#include "platform/core/Types.h"

namespace plat {

class TWinControl;

// Window handles as the platform's interfaces pass them around: a number that names a windowed
// control, given on the first request and kept for the control's life, whether or not its Qt
// widget exists at the moment. Numbers are never reused, so a handle kept after its control was
// freed names nothing. User-interface thread only; other threads may hold and pass handles.
HWND WindowHandleOf(TWinControl& Control);
// The control a handle names, or nullptr when it is freed or the handle is unknown.
TWinControl* FindWindowControl(HWND Handle);

}  // namespace plat
