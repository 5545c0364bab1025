#include "platform/graphics/Colors.h"

#include "platform/system/SystemColors.h"

namespace plat {

TColor ColorToRGB(TColor c)
{
    if (IsSystemColor(c))
        return static_cast<TColor>(GetSysColor(c & 0xFF));
    return c;
}

}  // namespace plat
