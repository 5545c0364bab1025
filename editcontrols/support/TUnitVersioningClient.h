#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace skelda::editcontrols {

class TKclMutex;
class TMMFHandleList;
class TUnitVersioning;

// One module's way to the unit-version registry that all modules of a process share.
//
// The registry is found through a pointer-sized slot of named shared memory,
// "ShmNPA_UnitVersioning_<process id>", that holds its address (0: none) and is read and
// written only while holding the mutex "MutexNPA_UnitVersioning_<process id>". The first
// module to look finds 0, makes the registry, publishes its address and owns it; the others
// use the one published. Only the owner takes the address out of the slot again, and only
// while the slot still holds its own registry; then it frees the registry. A slot object of
// that name left behind by an earlier process is never read (see TMMFHandleList). After
// ShutDown, Obtain answers nullptr for good.
//
// Obtain makes the mutex on first use (EKclMutexError on failure) and opens the slot
// (EKclWin32Error when the system refuses it; the mutex is released first). Each call takes
// the mutex once. Main thread only, as start-up and shut-down are.
class TUnitVersioningClient {
public:
    // The names carry AProcessId; the slot is kept in AHandles, which must outlive the client.
    TUnitVersioningClient(std::uint32_t AProcessId, TMMFHandleList& AHandles);
    // Shuts down.
    ~TUnitVersioningClient();
    TUnitVersioningClient(const TUnitVersioningClient&) = delete;
    TUnitVersioningClient& operator=(const TUnitVersioningClient&) = delete;

    const std::string& SlotName() const { return FSlotName; }
    const std::string& MutexName() const { return FMutexName; }

    // The registry published in the slot; when the slot holds none, a new one that this module
    // publishes and owns. nullptr after ShutDown.
    TUnitVersioning* Obtain();
    // Takes this module's registry out of the slot and frees it, closes the slot and frees the
    // mutex; swallows errors on the way. Later calls do nothing.
    void ShutDown() noexcept;

private:
    std::uintptr_t ReadSlot() const;
    void WriteSlot(std::uintptr_t AAddress);

    std::string FSlotName;
    std::string FMutexName;
    TMMFHandleList& FHandles;
    std::unique_ptr<TKclMutex> FMutex;
    void* FSlot = nullptr;
    std::unique_ptr<TUnitVersioning> FOwnRegistry;
    bool FFinalized = false;
};

}  // namespace skelda::editcontrols
