#include "grid/support/TCollectionItem.h"

#include "grid/support/TCollection.h"

namespace skelda::grid {

void TCollectionItem::Changed()
{
    if (FCollection)
        FCollection->ItemChanged();
}

}  // namespace skelda::grid
