#pragma once

#include "platform/core/TObject.h"

#include <cstdint>
#include <string>

namespace skelda::editcontrols {

// The wait codes a waitable object answers with, as the Windows kernel numbers them.
inline constexpr std::uint32_t WAIT_OBJECT_0 = 0x00000000;
inline constexpr std::uint32_t WAIT_ABANDONED = 0x00000080;
inline constexpr std::uint32_t WAIT_IO_COMPLETION = 0x000000C0;
inline constexpr std::uint32_t WAIT_TIMEOUT = 0x00000102;
inline constexpr std::uint32_t WAIT_FAILED = 0xFFFFFFFF;
// A time-out that never runs out.
inline constexpr std::uint32_t INFINITE = 0xFFFFFFFF;

enum TKclWaitResult { wrAbandoned, wrError, wrIoCompletion, wrSignaled, wrTimeout };

// WAIT_OBJECT_0, WAIT_ABANDONED, WAIT_IO_COMPLETION and WAIT_TIMEOUT give their result; any
// other code is wrError.
TKclWaitResult WaitResultFromCode(std::uint32_t ACode);

// A synchronisation object that a thread can wait for, known in this process by its name.
// Existed tells whether an object of that name was already there when this one was made, so
// that both now stand for the same object. Waiting costs nothing while the object is signalled.
class TKclDispatcherObject : public plat::TObject {
public:
    bool Existed() const { return FExisted; }
    const std::string& Name() const { return FName; }

    // Waits up to ATimeoutMs milliseconds (INFINITE: without end) for the object.
    TKclWaitResult WaitFor(std::uint32_t ATimeoutMs);
    TKclWaitResult WaitForever() { return WaitFor(INFINITE); }

protected:
    TKclDispatcherObject(std::string AName, bool AExisted);
    // The wait itself, answering with a wait code.
    virtual std::uint32_t Wait(std::uint32_t ATimeoutMs) = 0;

private:
    bool FExisted;
    std::string FName;
};

}  // namespace skelda::editcontrols
