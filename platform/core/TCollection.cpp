#include "platform/core/TCollection.h"

#include "platform/core/Exception.h"

#include <typeinfo>

namespace plat {

TCollection::~TCollection() = default;

void TCollection::Delete(int Index)
{
    CheckIndex(Index);
    FItems.erase(FItems.begin() + Index);
}

void TCollection::Clear()
{
    FItems.clear();
}

void TCollection::Assign(const TPersistent& Source)
{
    if (&Source == this)
        return;
    if (typeid(Source) != typeid(*this)) {
        TPersistent::Assign(Source);
        return;
    }
    const auto& source = static_cast<const TCollection&>(Source);
    std::vector<std::unique_ptr<TCollectionItem>> copies;
    copies.reserve(source.FItems.size());
    for (const auto& item : source.FItems) {
        copies.push_back(Adopt(NewItem()));
        copies.back()->Assign(*item);
    }
    FItems = std::move(copies);
}

TCollectionItem& TCollection::InsertItem(int Index)
{
    if (Index != Count())
        CheckIndex(Index);
    return **FItems.insert(FItems.begin() + Index, Adopt(NewItem()));
}

TCollectionItem& TCollection::ItemAt(int Index) const
{
    CheckIndex(Index);
    return *FItems[static_cast<std::size_t>(Index)];
}

void TCollection::ItemChanged()
{
    if (OnChange)
        OnChange(this);
}

void TCollection::CheckIndex(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw EListError("List index out of bounds (%d)", {Index});
}

std::unique_ptr<TCollectionItem> TCollection::Adopt(std::unique_ptr<TCollectionItem> Item)
{
    Item->FCollection = this;
    return Item;
}

}  // namespace plat
