#include "platform/graphics/TGraphicsObject.h"

namespace plat {

void TGraphicsObject::Changed()
{
    if (OnChange)
        OnChange(this);
}

}  // namespace plat
