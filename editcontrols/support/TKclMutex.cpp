#include "editcontrols/support/TKclMutex.h"

#include "editcontrols/support/KclExceptions.h"
#include "editcontrols/support/TOwnedMutex.h"

#include <cerrno>
#include <unordered_map>
#include <utility>

namespace skelda::editcontrols {

namespace {

// The named mutexes of this process. Entries do not keep their mutex alive, so destroying a
// TKclMutex never needs the table; entries of mutexes that are gone are swept on each new name.
class TNamedMutexes {
public:
    // The living mutex of that name, or nullptr.
    std::shared_ptr<TOwnedMutex> Find(const std::string& AName)
    {
        std::lock_guard lock(FLock);
        const auto found = FByName.find(AName);
        return found == FByName.end() ? nullptr : found->second.lock();
    }
    // The living mutex of that name or a new one entered under it, and which of the two.
    std::pair<std::shared_ptr<TOwnedMutex>, bool> FindOrMake(const std::string& AName)
    {
        std::lock_guard lock(FLock);
        if (const auto found = FByName.find(AName); found != FByName.end()) {
            if (auto mutex = found->second.lock())
                return {std::move(mutex), true};
        }
        std::erase_if(FByName, [](const auto& entry) { return entry.second.expired(); });
        auto mutex = std::make_shared<TOwnedMutex>();
        FByName[AName] = mutex;
        return {std::move(mutex), false};
    }

private:
    std::mutex FLock;
    std::unordered_map<std::string, std::weak_ptr<TOwnedMutex>> FByName;
};

TNamedMutexes& NamedMutexes()
{
    static TNamedMutexes table;
    return table;
}

}  // namespace

TKclMutex::TFound TKclMutex::MakeOrJoin(const std::string& AName)
{
    if (AName.empty())
        return {std::make_shared<TOwnedMutex>(), false};
    auto [mutex, existed] = NamedMutexes().FindOrMake(AName);
    return {std::move(mutex), existed};
}

TKclMutex::TKclMutex(TFound AFound, const std::string& AName)
    : TKclDispatcherObject(AName, AFound.Existed), FMutex(std::move(AFound.Mutex))
{
}

TKclMutex::TKclMutex(bool AInitialOwner, const std::string& AName)
    : TKclMutex(MakeOrJoin(AName), AName)
{
    if (AInitialOwner && !Existed())
        FMutex->Acquire(0);
}

TKclMutex::~TKclMutex() = default;

std::unique_ptr<TKclMutex> TKclMutex::Open(const std::string& AName)
{
    auto mutex = NamedMutexes().Find(AName);
    if (!mutex) {
        errno = ENOENT;
        throw EKclMutexError("Failed to open mutex");
    }
    return std::unique_ptr<TKclMutex>(new TKclMutex(TFound{std::move(mutex), true}, AName));
}

bool TKclMutex::Acquire(std::uint32_t ATimeoutMs)
{
    return WaitFor(ATimeoutMs) == wrSignaled;
}

bool TKclMutex::Release()
{
    return FMutex->Release();
}

std::uint32_t TKclMutex::Wait(std::uint32_t ATimeoutMs)
{
    return FMutex->Acquire(ATimeoutMs);
}

}  // namespace skelda::editcontrols
