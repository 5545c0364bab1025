#include "grid/settings/TFilterData.h"

namespace skelda::grid {

void TFilterData::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TFilterData*>(&Source);
    if (!source)
        return;
    FColumn = source->FColumn;
    FCondition = source->FCondition;
    FCaseSensitive = source->FCaseSensitive;
    FData = source->FData;
    FPrefix = source->FPrefix;
    FSuffix = source->FSuffix;
    FOperation = source->FOperation;
}

}  // namespace skelda::grid
