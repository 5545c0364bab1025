#include "editcontrols/support/TUnitVersioningClient.h"

#include "editcontrols/support/SharedMemory.h"
#include "editcontrols/support/TKclMutex.h"
#include "editcontrols/support/TMMFHandleList.h"
#include "editcontrols/support/TUnitVersioning.h"

#include <cstring>

namespace skelda::editcontrols {

namespace {

// Holds a mutex from a wait that is already over until the end of the scope.
class THeldMutex {
public:
    explicit THeldMutex(TKclMutex& AMutex) : FMutex(AMutex) { FMutex.WaitForever(); }
    ~THeldMutex() { FMutex.Release(); }
    THeldMutex(const THeldMutex&) = delete;
    THeldMutex& operator=(const THeldMutex&) = delete;

private:
    TKclMutex& FMutex;
};

}  // namespace

TUnitVersioningClient::TUnitVersioningClient(std::uint32_t AProcessId, TMMFHandleList& AHandles)
    : FSlotName("ShmNPA_UnitVersioning_" + std::to_string(AProcessId)),
      FMutexName("MutexNPA_UnitVersioning_" + std::to_string(AProcessId)),
      FHandles(AHandles)
{
}

TUnitVersioningClient::~TUnitVersioningClient()
{
    ShutDown();
}

std::uintptr_t TUnitVersioningClient::ReadSlot() const
{
    std::uintptr_t address = 0;
    std::memcpy(&address, FSlot, sizeof address);
    return address;
}

void TUnitVersioningClient::WriteSlot(std::uintptr_t AAddress)
{
    std::memcpy(FSlot, &AAddress, sizeof AAddress);
}

TUnitVersioning* TUnitVersioningClient::Obtain()
{
    if (FFinalized)
        return nullptr;
    if (!FMutex)
        FMutex = std::make_unique<TKclMutex>(false, FMutexName);
    THeldMutex held(*FMutex);
    if (!FSlot)
        FHandles.Open(FSlot, FSlotName, sizeof(std::uintptr_t), FILE_MAP_ALL_ACCESS);
    if (const std::uintptr_t published = ReadSlot())
        return reinterpret_cast<TUnitVersioning*>(published);
    if (!FOwnRegistry)
        FOwnRegistry = std::make_unique<TUnitVersioning>();
    WriteSlot(reinterpret_cast<std::uintptr_t>(FOwnRegistry.get()));
    return FOwnRegistry.get();
}

void TUnitVersioningClient::ShutDown() noexcept
{
    if (FFinalized)
        return;
    FFinalized = true;
    if (FSlot) {
        try {
            THeldMutex held(*FMutex);
            if (FOwnRegistry && ReadSlot() == reinterpret_cast<std::uintptr_t>(FOwnRegistry.get()))
                WriteSlot(0);
            FHandles.Close(FSlot);
        } catch (...) {
            // Shut-down goes on whatever failed; the process is ending.
        }
    }
    FOwnRegistry.reset();
    FMutex.reset();
}

}  // namespace skelda::editcontrols
