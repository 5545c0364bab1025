#include "platform/graphics/TChangeLink.h"

#include "platform/graphics/TImageList.h"

namespace plat {

TChangeLink::~TChangeLink()
{
    if (FSender)
        FSender->UnRegisterChanges(this);
}

void TChangeLink::Change()
{
    if (OnChange)
        OnChange(FSender);
}

}  // namespace plat
