#include "grid/settings/TFilter.h"

namespace skelda::grid {

TFilterData& TFilter::Add()
{
    TFilterData& item = plat::TCollectionOf<TFilterData>::Add();
    item.SetOperation(Count() == 1 ? foNONE : foAND);
    return item;
}

bool TFilter::HasFilter(int Col) const
{
    for (int i = 0; i < Count(); ++i)
        if (GetItem(i).GetColumn() == Col)
            return true;
    return false;
}

TFilterData& TFilter::ColumnFilter(int Col)
{
    for (int i = 0; i < Count(); ++i)
        if (GetItem(i).GetColumn() == Col)
            return GetItem(i);
    TFilterData& item = Add();
    item.SetColumn(Col);
    return item;
}

}  // namespace skelda::grid
