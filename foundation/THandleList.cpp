#include "foundation/THandleList.h"

#include "platform/core/Exception.h"

#include <algorithm>

namespace skelda::foundation {

namespace {

void CheckIndex(int index, std::size_t count)
{
    if (index < 0 || static_cast<std::size_t>(index) >= count)
        throw plat::EListError("List index out of bounds (%d)", {index});
}

}  // namespace

void THandleList::Add(plat::HWND Handle)
{
    const std::lock_guard lock(FLock);
    FItems.push_back(Handle);
}

void THandleList::Insert(int Index, plat::HWND Handle)
{
    const std::lock_guard lock(FLock);
    if (Index != static_cast<int>(FItems.size()))
        CheckIndex(Index, FItems.size());
    FItems.insert(FItems.begin() + Index, Handle);
}

void THandleList::Delete(int Index)
{
    const std::lock_guard lock(FLock);
    CheckIndex(Index, FItems.size());
    FItems.erase(FItems.begin() + Index);
}

void THandleList::DeleteValue(plat::HWND Handle)
{
    const std::lock_guard lock(FLock);
    if (const auto found = std::find(FItems.begin(), FItems.end(), Handle); found != FItems.end())
        FItems.erase(found);
}

bool THandleList::HasValue(plat::HWND Handle) const
{
    const std::lock_guard lock(FLock);
    return std::find(FItems.begin(), FItems.end(), Handle) != FItems.end();
}

plat::HWND THandleList::Items(int Index) const
{
    const std::lock_guard lock(FLock);
    CheckIndex(Index, FItems.size());
    return FItems[static_cast<std::size_t>(Index)];
}

int THandleList::Count() const
{
    const std::lock_guard lock(FLock);
    return static_cast<int>(FItems.size());
}

std::vector<plat::HWND> THandleList::Snapshot() const
{
    const std::lock_guard lock(FLock);
    return FItems;
}

}  // namespace skelda::foundation
