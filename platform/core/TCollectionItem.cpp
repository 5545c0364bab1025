#include "platform/core/TCollectionItem.h"

#include "platform/core/TCollection.h"

namespace plat {

void TCollectionItem::Changed()
{
    if (FCollection)
        FCollection->ItemChanged();
}

}  // namespace plat
