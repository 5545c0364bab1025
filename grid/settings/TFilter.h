#pragma once

#include "grid/settings/TFilterData.h"
#include "platform/core/TCollection.h"

namespace skelda::grid {

// The conditions of the grid's row filter, tested in order.
class TFilter : public plat::TCollectionOf<TFilterData> {
public:
    std::string ClassName() const override { return "TFilter"; }

    // Appends a condition that joins the ones before it with foAND (foNONE when it is the only
    // one). Insert leaves the new item's operation as it is.
    TFilterData& Add();
    // True when some condition tests column Col.
    bool HasFilter(int Col) const;
    // The first condition of column Col; one is added for it when there is none.
    TFilterData& ColumnFilter(int Col);
};

}  // namespace skelda::grid
