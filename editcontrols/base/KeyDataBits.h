#pragma once

#include "platform/controls/core/ControlTypes.h"

#include <cstdint>

namespace skelda::editcontrols {

// The key-data bits a keyboard message carries for a shift state: Alt 0x20000000, Ctrl
// 0x10000000, Shift 0x08000000. The family builds CM_DIALOGCHAR from AcceptDialogChar's
// arguments with them.
std::uint32_t ShiftToKeyDataBits(plat::TShiftState Shift);

}  // namespace skelda::editcontrols
