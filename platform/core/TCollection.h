#pragma once

#include "platform/core/TCollectionItem.h"

#include <functional>
#include <memory>
#include <vector>

namespace plat {

// An ordered list of items that it owns, of one item class chosen by the descendant (see
// TCollectionOf). A bad index raises EListError "List index out of bounds (<index>)".
class TCollection : public TPersistent {
public:
    ~TCollection() override;

    std::string ClassName() const override { return "TCollection"; }

    int Count() const { return static_cast<int>(FItems.size()); }
    void Delete(int Index);
    void Clear();

    // From a collection of the same class: the items are replaced by copies of the source's
    // items (each made by the item's Assign). Sources of other classes raise
    // EConvertError; a failing copy leaves the items as they were.
    void Assign(const TPersistent& Source) override;

    // An item reported a change of one of its properties (adding or removing items does not).
    std::function<void(TObject* Sender)> OnChange;

protected:
    // Inserts a new item before Index (0 .. Count).
    TCollectionItem& InsertItem(int Index);
    TCollectionItem& ItemAt(int Index) const;
    virtual std::unique_ptr<TCollectionItem> NewItem() const = 0;

private:
    friend class TCollectionItem;

    void ItemChanged();
    void CheckIndex(int Index) const;
    std::unique_ptr<TCollectionItem> Adopt(std::unique_ptr<TCollectionItem> Item);

    std::vector<std::unique_ptr<TCollectionItem>> FItems;
};

// A collection whose items are TItem.
template <typename TItem>
class TCollectionOf : public TCollection {
public:
    TItem& Add() { return static_cast<TItem&>(InsertItem(Count())); }
    TItem& Insert(int Index) { return static_cast<TItem&>(InsertItem(Index)); }
    TItem& GetItem(int Index) const { return static_cast<TItem&>(ItemAt(Index)); }

protected:
    std::unique_ptr<TCollectionItem> NewItem() const override { return std::make_unique<TItem>(); }
};

}  // namespace plat
