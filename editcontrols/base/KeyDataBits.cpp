#include "editcontrols/base/KeyDataBits.h"

namespace skelda::editcontrols {

std::uint32_t ShiftToKeyDataBits(plat::TShiftState Shift)
{
    std::uint32_t bits = 0;
    if (Shift.Contains(plat::ssAlt))
        bits |= 0x20000000;
    if (Shift.Contains(plat::ssCtrl))
        bits |= 0x10000000;
    if (Shift.Contains(plat::ssShift))
        bits |= 0x08000000;
    return bits;
}

}  // namespace skelda::editcontrols
