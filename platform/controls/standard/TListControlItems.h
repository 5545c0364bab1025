#pragma once

#include "platform/core/TStrings.h"

#include <string>
#include <vector>

namespace plat {

// What a list control shows of its items; the items tell it about every change.
class IListItemsView {
public:
    virtual ~IListItemsView() = default;
    virtual void ItemInserted(int Index) = 0;
    virtual void ItemDeleted(int Index) = 0;
    virtual void ItemChanged(int Index) = 0;
    // Everything may have changed (cleared, sorted).
    virtual void ItemsReset() = 0;
};

// The items of a list box or combo box: lines with their objects (not owned), kept by the
// control so that they live before and after its window; the view follows every change. A
// sorted list puts what Add adds in order (without regard to case); Insert puts a line where
// it is asked to, as the native list did.
class TListControlItems : public TStrings {
public:
    explicit TListControlItems(IListItemsView& View) : FView(View) {}

    int Add(const std::string& S) override { return AddObject(S, nullptr); }
    int AddObject(const std::string& S, TObject* AObject) override;
    void Insert(int Index, const std::string& S) override;
    void InsertObject(int Index, const std::string& S, TObject* AObject) override;
    void Delete(int Index) override;
    void Clear() override;

    bool GetSorted() const { return FSorted; }
    // Sorts the present lines when switched on.
    void SetSorted(bool Value);

protected:
    int GetCount() const override { return static_cast<int>(FItems.size()); }
    std::string Get(int Index) const override;
    void Put(int Index, const std::string& S) override;
    TObject* GetObject(int Index) const override;
    void PutObject(int Index, TObject* AObject) override;

private:
    struct Item {
        std::string Text;
        TObject* Object = nullptr;
    };

    void CheckIndex(int Index) const;

    IListItemsView& FView;
    std::vector<Item> FItems;
    bool FSorted = false;
};

}  // namespace plat
