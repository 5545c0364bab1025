#include "pager/office/TabLook.h"

namespace skelda::pager {

bool UsesStandardTabLook(TVezTabShape Shape, int Rounding, TTabPosition Position, bool RotateTabLeftRight)
{
    if (Rounding != 1)
        return false;
    return Shape == tsRectangle || ((Position == tpLeft || Position == tpRight) && !RotateTabLeftRight);
}

}  // namespace skelda::pager
