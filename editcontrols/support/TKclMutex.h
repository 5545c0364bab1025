#pragma once

#include "editcontrols/support/TKclDispatcherObject.h"

#include <cstdint>
#include <memory>
#include <string>

namespace skelda::editcontrols {

class TOwnedMutex;

// A mutex, by name or without one, with the kernel's rules (see TOwnedMutex): recursive for its
// owner, released only by its owner, abandoned when its owner thread ends holding it.
//
// Names are known within this process only: every name this system gives a mutex carries the
// process id anyway, so a mutex shared with other processes would bring nothing but a stale
// object left by one that crashed. Two TKclMutex of the same name (compared exactly) stand for
// one mutex; the mutex lives while one of them or an owning thread holds it.
class TKclMutex : public TKclDispatcherObject {
public:
    // The mutex named AName, made when this process has none of that name (Existed false) and
    // joined otherwise (Existed true); an empty name makes a mutex of its own. With
    // AInitialOwner the calling thread owns a mutex it made; it takes none it joined.
    TKclMutex(bool AInitialOwner, const std::string& AName);
    ~TKclMutex() override;
    // The existing mutex named AName; EKclMutexError "Failed to open mutex" (ENOENT) when this
    // process has none of that name.
    static std::unique_ptr<TKclMutex> Open(const std::string& AName);

    // True when the wait ends signalled: abandoned, the caller owns the mutex all the same.
    bool Acquire(std::uint32_t ATimeoutMs = INFINITE);
    // False when the calling thread does not own the mutex.
    bool Release();

protected:
    std::uint32_t Wait(std::uint32_t ATimeoutMs) override;

private:
    struct TFound {
        std::shared_ptr<TOwnedMutex> Mutex;
        bool Existed;
    };
    // A mutex of its own for an empty name, else the one of that name in this process.
    static TFound MakeOrJoin(const std::string& AName);
    TKclMutex(TFound AFound, const std::string& AName);

    std::shared_ptr<TOwnedMutex> FMutex;
};

}  // namespace skelda::editcontrols
