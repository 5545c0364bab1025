#pragma once

#include "platform/core/Exception.h"

#include <cstddef>
#include <vector>

namespace skelda::pager {

// The pager's object lists (pages, closed pages, served pagers): a list of pointers it does not
// own whose reads and writes past the end raise instead of reaching stale memory.
template <typename T>
class TDbgList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    T* Get(int Index) const
    {
        if (Index < 0 || Index >= Count())
            throw plat::EListError("Index out of bounds in list read access");
        return FItems[static_cast<std::size_t>(Index)];
    }
    void Put(int Index, T* Item)
    {
        if (Index < 0 || Index >= Count())
            throw plat::EListError("Index out of bounds in list write access");
        FItems[static_cast<std::size_t>(Index)] = Item;
    }
    void Add(T* Item) { FItems.push_back(Item); }
    void Insert(int Index, T* Item);
    void Delete(int Index);
    int IndexOf(const T* Item) const
    {
        for (std::size_t i = 0; i < FItems.size(); ++i)
            if (FItems[i] == Item)
                return static_cast<int>(i);
        return -1;
    }
    // Takes the first occurrence out; returns its index, -1 when absent.
    int Remove(const T* Item)
    {
        const int index = IndexOf(Item);
        if (index >= 0)
            Delete(index);
        return index;
    }
    void Move(int CurIndex, int NewIndex)
    {
        T* item = Get(CurIndex);
        Delete(CurIndex);
        Insert(NewIndex, item);
    }
    void Clear() { FItems.clear(); }

private:
    std::vector<T*> FItems;
};

template <typename T>
void TDbgList<T>::Insert(int Index, T* Item)
{
    if (Index < 0 || Index > Count())
        throw plat::EListError("Index out of bounds in list write access");
    FItems.insert(FItems.begin() + Index, Item);
}

template <typename T>
void TDbgList<T>::Delete(int Index)
{
    if (Index < 0 || Index >= Count())
        throw plat::EListError("Index out of bounds in list write access");
    FItems.erase(FItems.begin() + Index);
}

}  // namespace skelda::pager
