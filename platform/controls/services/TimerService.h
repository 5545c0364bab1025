#pragma once

#include <functional>

namespace plat {

// Repeating timers for the control layer (window timers and TTimer). Production runs them on
// Qt's timers; tests on a fake clock (platform/testing/FakeTimerService.h).
class ITimerService {
public:
    virtual ~ITimerService() = default;

    // Calls Tick every IntervalMs milliseconds (at least 1) until KillTimer; returns a handle
    // greater than 0. Tick may kill its own timer or start others.
    virtual int StartTimer(int IntervalMs, std::function<void()> Tick) = 0;
    // Stops the timer; unknown or already stopped handles are ignored.
    virtual void KillTimer(int Handle) = 0;
};

}  // namespace plat
