#include "grid/model/TCollectionItem.h"

#include "grid/model/TCollection.h"

namespace skelda::grid {

void TCollectionItem::Changed()
{
    if (FCollection)
        FCollection->ItemChanged();
}

}  // namespace skelda::grid
