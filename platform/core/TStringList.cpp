#include "platform/core/TStringList.h"

#include "platform/core/Exception.h"
#include "platform/core/Utf8.h"

#include <algorithm>
#include <numeric>

namespace plat {

namespace {

// A stable merge sort that stays within bounds whatever the comparison answers: sort
// comparisons come from callers and need not be consistent.
void MergeSort(std::vector<int>& order, const std::function<bool(int, int)>& less)
{
    std::vector<int> buffer(order.size());
    for (std::size_t width = 1; width < order.size(); width *= 2) {
        for (std::size_t lo = 0; lo < order.size(); lo += 2 * width) {
            const std::size_t mid = std::min(lo + width, order.size());
            const std::size_t hi = std::min(lo + 2 * width, order.size());
            std::size_t i = lo;
            std::size_t j = mid;
            std::size_t k = lo;
            while (i < mid && j < hi)
                buffer[k++] = less(order[j], order[i]) ? order[j++] : order[i++];
            while (i < mid)
                buffer[k++] = order[i++];
            while (j < hi)
                buffer[k++] = order[j++];
        }
        order.swap(buffer);
    }
}

[[noreturn]] void SortedListError()
{
    throw EStringListError("Operation not allowed on sorted list");
}

}  // namespace

TStringList::~TStringList()
{
    OnChange = nullptr;
    OnChanging = nullptr;
    std::vector<TStringItem> items;
    items.swap(FItems);
    if (FOwnsObjects)
        for (const TStringItem& item : items)
            delete item.Object;
}

int TStringList::Add(const std::string& S)
{
    return AddObject(S, nullptr);
}

int TStringList::AddObject(const std::string& S, TObject* AObject)
{
    int index = Count();
    if (FSorted && Find(S, index)) {
        if (FDuplicates == dupIgnore)
            return index;
        if (FDuplicates == dupError)
            throw EStringListError("String list does not allow duplicates");
    }
    InsertItem(index, S, AObject);
    return index;
}

void TStringList::Insert(int Index, const std::string& S)
{
    InsertObject(Index, S, nullptr);
}

void TStringList::InsertObject(int Index, const std::string& S, TObject* AObject)
{
    if (FSorted)
        SortedListError();
    if (Index < 0 || Index > Count())
        IndexError(Index);
    InsertItem(Index, S, AObject);
}

void TStringList::Delete(int Index)
{
    CheckIndex(Index);
    Changing();
    TObject* object = FItems[static_cast<std::size_t>(Index)].Object;
    FItems.erase(FItems.begin() + Index);
    if (FOwnsObjects)
        delete object;
    Changed();
}

void TStringList::Clear()
{
    if (FItems.empty())
        return;
    Changing();
    std::vector<TStringItem> items;
    items.swap(FItems);
    if (FOwnsObjects)
        for (const TStringItem& item : items)
            delete item.Object;
    Changed();
}

int TStringList::IndexOf(const std::string& S) const
{
    if (!FSorted)
        return TStrings::IndexOf(S);
    int index = 0;
    return Find(S, index) ? index : -1;
}

bool TStringList::Find(const std::string& S, int& Index) const
{
    int lo = 0;
    int hi = Count();
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (CompareStrings(FItems[static_cast<std::size_t>(mid)].String, S) < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    Index = lo;
    return lo < Count() && CompareStrings(FItems[static_cast<std::size_t>(lo)].String, S) == 0;
}

void TStringList::Sort()
{
    if (FSorted)
        return;
    SortBy([this](int a, int b) { return CompareStrings(FItems[a].String, FItems[b].String) < 0; });
}

void TStringList::CustomSort(const TStringListSortCompare& Compare)
{
    if (FSorted)
        return;
    SortBy([&](int a, int b) { return Compare(*this, a, b) < 0; });
}

void TStringList::SetSorted(bool Value)
{
    if (Value == FSorted)
        return;
    if (Value)
        Sort();
    FSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value)
{
    if (Value == FCaseSensitive)
        return;
    FCaseSensitive = Value;
    if (FSorted)
        SortBy([this](int a, int b) { return CompareStrings(FItems[a].String, FItems[b].String) < 0; });
}

std::string TStringList::Get(int Index) const
{
    CheckIndex(Index);
    return FItems[static_cast<std::size_t>(Index)].String;
}

void TStringList::Put(int Index, const std::string& S)
{
    if (FSorted)
        SortedListError();
    CheckIndex(Index);
    Changing();
    FItems[static_cast<std::size_t>(Index)].String = S;
    Changed();
}

TObject* TStringList::GetObject(int Index) const
{
    CheckIndex(Index);
    return FItems[static_cast<std::size_t>(Index)].Object;
}

void TStringList::PutObject(int Index, TObject* AObject)
{
    CheckIndex(Index);
    Changing();
    TObject*& slot = FItems[static_cast<std::size_t>(Index)].Object;
    TObject* old = slot;
    slot = AObject;
    if (FOwnsObjects && old != AObject)
        delete old;
    Changed();
}

void TStringList::SetUpdateState(bool Updating)
{
    if (Updating)
        Changing();
    else
        Changed();
}

int TStringList::CompareStrings(const std::string& S1, const std::string& S2) const
{
    return FCaseSensitive ? Utf8CompareStr(S1, S2) : Utf8CompareText(S1, S2);
}

void TStringList::Changing()
{
    if (UpdateCount() == 0 && OnChanging)
        OnChanging(this);
}

void TStringList::Changed()
{
    if (UpdateCount() == 0 && OnChange)
        OnChange(this);
}

void TStringList::InsertItem(int Index, const std::string& S, TObject* AObject)
{
    Changing();
    FItems.insert(FItems.begin() + Index, TStringItem{S, AObject});
    Changed();
}

void TStringList::CheckIndex(int Index) const
{
    if (Index < 0 || Index >= Count())
        IndexError(Index);
}

void TStringList::SortBy(const std::function<bool(int, int)>& Less)
{
    if (FItems.size() < 2)
        return;
    std::vector<int> order(FItems.size());
    std::iota(order.begin(), order.end(), 0);
    MergeSort(order, Less);
    Changing();
    std::vector<TStringItem> sorted;
    sorted.reserve(FItems.size());
    for (int index : order)
        sorted.push_back(std::move(FItems[static_cast<std::size_t>(index)]));
    FItems.swap(sorted);
    Changed();
}

}  // namespace plat
