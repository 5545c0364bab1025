#include "platform/controls/standard/TListControlItems.h"

#include "platform/core/Utf8.h"

#include <algorithm>

namespace plat {

void TListControlItems::CheckIndex(int Index) const
{
    if (Index < 0 || Index >= Count())
        IndexError(Index);
}

std::string TListControlItems::Get(int Index) const
{
    CheckIndex(Index);
    return FItems[static_cast<std::size_t>(Index)].Text;
}

TObject* TListControlItems::GetObject(int Index) const
{
    CheckIndex(Index);
    return FItems[static_cast<std::size_t>(Index)].Object;
}

int TListControlItems::AddObject(const std::string& S, TObject* AObject)
{
    int index = Count();
    if (FSorted) {
        const auto at = std::upper_bound(FItems.begin(), FItems.end(), S, [](const std::string& s, const Item& item) {
            return Utf8CompareText(s, item.Text) < 0;
        });
        index = static_cast<int>(at - FItems.begin());
    }
    InsertObject(index, S, AObject);
    return index;
}

void TListControlItems::Insert(int Index, const std::string& S)
{
    InsertObject(Index, S, nullptr);
}

void TListControlItems::InsertObject(int Index, const std::string& S, TObject* AObject)
{
    if (Index < 0 || Index > Count())
        IndexError(Index);
    FItems.insert(FItems.begin() + Index, Item{S, AObject});
    FView.ItemInserted(Index);
}

void TListControlItems::Delete(int Index)
{
    CheckIndex(Index);
    FItems.erase(FItems.begin() + Index);
    FView.ItemDeleted(Index);
}

void TListControlItems::Clear()
{
    FItems.clear();
    FView.ItemsReset();
}

void TListControlItems::Put(int Index, const std::string& S)
{
    CheckIndex(Index);
    FItems[static_cast<std::size_t>(Index)].Text = S;
    FView.ItemChanged(Index);
}

void TListControlItems::PutObject(int Index, TObject* AObject)
{
    CheckIndex(Index);
    FItems[static_cast<std::size_t>(Index)].Object = AObject;
}

void TListControlItems::SetSorted(bool Value)
{
    if (Value == FSorted)
        return;
    FSorted = Value;
    if (!Value)
        return;
    std::stable_sort(FItems.begin(), FItems.end(),
                     [](const Item& a, const Item& b) { return Utf8CompareText(a.Text, b.Text) < 0; });
    FView.ItemsReset();
}

}  // namespace plat
