#pragma once

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

namespace skelda::editcontrols {

// A mutex with the kernel's rules rather than the C++ library's: the thread that owns it may
// take it again (each take needs its release), only the owner can release it, and when the
// owner thread ends still holding it the mutex is abandoned: the next thread to take it gets it
// with WAIT_ABANDONED instead of WAIT_OBJECT_0, so it knows the data it guards may be half
// written.
//
// Shared by every TKclMutex that stands for it, hence held by std::shared_ptr; each thread
// keeps the mutexes it owns alive until it has released them or ended. Taking costs one short
// lock; a thread that must wait sleeps on a condition variable.
class TOwnedMutex : public std::enable_shared_from_this<TOwnedMutex> {
public:
    // Waits up to ATimeoutMs milliseconds (INFINITE: without end). WAIT_OBJECT_0 or
    // WAIT_ABANDONED: the calling thread owns the mutex; WAIT_TIMEOUT: it does not.
    std::uint32_t Acquire(std::uint32_t ATimeoutMs);
    // False when the calling thread does not own the mutex.
    bool Release();

private:
    friend class TThreadOwnedMutexes;
    // The owner thread ends.
    void Abandon(std::thread::id AOwner);

    std::mutex FLock;
    std::condition_variable FFreed;
    std::thread::id FOwner;
    std::uint32_t FDepth = 0;
    bool FAbandoned = false;
};

}  // namespace skelda::editcontrols
