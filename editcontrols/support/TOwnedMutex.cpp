#include "editcontrols/support/TOwnedMutex.h"

#include "editcontrols/support/TKclDispatcherObject.h"

#include <algorithm>
#include <chrono>
#include <utility>
#include <vector>

namespace skelda::editcontrols {

namespace {

// Set once the current thread's list below is gone. Destructors that run after it, as at the
// end of the program, may still take and release mutexes; those go untracked. A plain bool
// stays readable until the thread's storage itself goes.
thread_local bool tOwnedListGone = false;

}  // namespace

// The mutexes the current thread owns; ending the thread abandons those it still holds.
class TThreadOwnedMutexes {
public:
    ~TThreadOwnedMutexes()
    {
        tOwnedListGone = true;
        for (const auto& mutex : FOwned)
            mutex->Abandon(std::this_thread::get_id());
    }
    static void Add(std::shared_ptr<TOwnedMutex> AMutex)
    {
        if (!tOwnedListGone)
            OfThisThread().FOwned.push_back(std::move(AMutex));
    }
    static void Remove(const TOwnedMutex* AMutex)
    {
        if (!tOwnedListGone)
            std::erase_if(OfThisThread().FOwned, [AMutex](const auto& owned) { return owned.get() == AMutex; });
    }

private:
    static TThreadOwnedMutexes& OfThisThread()
    {
        thread_local TThreadOwnedMutexes owned;
        return owned;
    }

    std::vector<std::shared_ptr<TOwnedMutex>> FOwned;
};

std::uint32_t TOwnedMutex::Acquire(std::uint32_t ATimeoutMs)
{
    const std::thread::id self = std::this_thread::get_id();
    std::unique_lock lock(FLock);
    if (FDepth > 0 && FOwner == self) {
        ++FDepth;
        return WAIT_OBJECT_0;
    }
    const auto free = [this] { return FDepth == 0; };
    if (ATimeoutMs == INFINITE)
        FFreed.wait(lock, free);
    else if (!FFreed.wait_for(lock, std::chrono::milliseconds(ATimeoutMs), free))
        return WAIT_TIMEOUT;
    TThreadOwnedMutexes::Add(shared_from_this());
    FOwner = self;
    FDepth = 1;
    const bool abandoned = std::exchange(FAbandoned, false);
    return abandoned ? WAIT_ABANDONED : WAIT_OBJECT_0;
}

bool TOwnedMutex::Release()
{
    std::unique_lock lock(FLock);
    if (FDepth == 0 || FOwner != std::this_thread::get_id())
        return false;
    if (--FDepth > 0)
        return true;
    FOwner = {};
    lock.unlock();
    FFreed.notify_one();
    TThreadOwnedMutexes::Remove(this);
    return true;
}

void TOwnedMutex::Abandon(std::thread::id AOwner)
{
    {
        std::lock_guard lock(FLock);
        if (FDepth == 0 || FOwner != AOwner)
            return;
        FOwner = {};
        FDepth = 0;
        FAbandoned = true;
    }
    FFreed.notify_one();
}

}  // namespace skelda::editcontrols
