#pragma once

#include "platform/core/Types.h"

#include <cstdint>

namespace plat {

// What controls ask of the keyboard and the mouse, answered from the input state the adapters
// keep (plat::Input()).

// The high bit (negative result) when the key is down, the low bit when it is toggled.
// VK_SHIFT, VK_CONTROL and VK_MENU answer for either of their left and right keys.
std::int16_t GetKeyState(unsigned VirtualKey);
TPoint GetCursorPos();
// Longest time in milliseconds between the presses of a double click.
unsigned GetDoubleClickTime();

}  // namespace plat
