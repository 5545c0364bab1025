#include "platform/grids/EInvalidGridOperation.h"

namespace plat {

void GridIndexError()
{
    throw EInvalidGridOperation("Grid index out of range");
}

void CheckGridIndex(int Index, int Limit)
{
    if (Index < 0 || Index >= Limit)
        GridIndexError();
}

}  // namespace plat
