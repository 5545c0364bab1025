#include "editcontrols/spin/StandardButtonWidth.h"

#include "platform/system/SystemMetrics.h"

#include <algorithm>

namespace skelda::editcontrols {

int StandardButtonWidth()
{
    return std::min(plat::GetSystemMetrics(plat::SM_CXVSCROLL), 15);
}

}  // namespace skelda::editcontrols
