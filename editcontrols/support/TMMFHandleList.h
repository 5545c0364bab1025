#pragma once

#include "editcontrols/support/TKclIntfCriticalSection.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace skelda::editcontrols {

// One open named block: its view, its POSIX shared-memory descriptor and how often it is open.
struct TMMFHandleListItem {
    void* Memory = nullptr;
    int Handle = -1;
    std::string Name;
    std::size_t SizeBytes = 0;
    std::int32_t References = 0;
};

// The named shared-memory blocks open in this process, each counted by its opens.
//
// A name (not empty and without "/", else ESharedMemError "Invalid MMF name \"%s\"") that is
// open already, compared without regard to case, gives the same view again and one more
// reference. Any other name gets a new zero-filled block of POSIX shared memory
// ("/" + name), made exclusively after removing an object of that name that was already
// there: such an object is left by a process that died, or belongs to another, and is never
// read, so stale contents cannot pass for ours. A block is thereby shared by whatever in this
// process opens it by name, not between processes. A new block needs a size
// (ESharedMemError "The MMF named \"%s\" cannot be created empty"); a refusal of the system
// raises EKclWin32Error with its errno. The last close unmaps the block and removes its name
// while the name is still the block's.
//
// Access: FILE_MAP_WRITE (FILE_MAP_ALL_ACCESS has it) maps for reading and writing,
// FILE_MAP_COPY for reading and private writing, FILE_MAP_READ for reading.
//
// Safe for any thread: one critical section guards the list. Lookups are linear in the number
// of open blocks, which is a handful.
class TMMFHandleList {
public:
    TMMFHandleList() = default;
    TMMFHandleList(const TMMFHandleList&) = delete;
    TMMFHandleList& operator=(const TMMFHandleList&) = delete;
    // Releases the blocks still open.
    ~TMMFHandleList();

    // As OpenSharedMemory and CloseSharedMemory (SharedMemory.h).
    std::uint32_t Open(void*& AView, std::string_view AName, std::size_t ASizeBytes,
                       std::uint32_t ADesiredAccess);
    bool Close(void*& AView);

private:
    static TMMFHandleListItem MakeBlock(std::string_view AName, std::size_t ASizeBytes,
                                        std::uint32_t ADesiredAccess);
    static void ReleaseBlock(const TMMFHandleListItem& AItem);

    TKclIntfCriticalSection FLock;
    std::vector<TMMFHandleListItem> FItems;
};

// The list of this process, made on first use.
TMMFHandleList& MMFHandleList();

}  // namespace skelda::editcontrols
