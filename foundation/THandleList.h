#pragma once

#include "platform/core/Types.h"

#include <mutex>
#include <vector>

namespace skelda::foundation {

// Window handles (not owned), shared between the user-interface thread, which adds and removes
// them, and the theme monitor's thread, which tells them of changes: every access is serialised,
// so the list is never read while it changes.
class THandleList {
public:
    void Add(plat::HWND Handle);
    void Insert(int Index, plat::HWND Handle);
    void Delete(int Index);
    // Removes the first equal handle, if any.
    void DeleteValue(plat::HWND Handle);
    bool HasValue(plat::HWND Handle) const;
    plat::HWND Items(int Index) const;
    int Count() const;
    // The handles as they are now, to go through without holding the list.
    std::vector<plat::HWND> Snapshot() const;

private:
    mutable std::mutex FLock;
    std::vector<plat::HWND> FItems;
};

}  // namespace skelda::foundation
