#include "platform/testing/FakeTimerService.h"

#include <algorithm>

namespace plat::testing {

FakeTimerService::FakeTimerService(FakeClock& Clock)
    : FClock(Clock), FListener(Clock.AddAdvanceListener([this](int ms) { Advanced(ms); }))
{
}

FakeTimerService::~FakeTimerService()
{
    FClock.RemoveAdvanceListener(FListener);
}

int FakeTimerService::StartTimer(int IntervalMs, std::function<void()> Tick)
{
    const int interval = std::max(IntervalMs, 1);
    const int handle = FNextHandle++;
    FTimers[handle] = {interval, FNowMs + interval, std::move(Tick)};
    return handle;
}

void FakeTimerService::KillTimer(int Handle)
{
    FTimers.erase(Handle);
}

void FakeTimerService::Advanced(int Ms)
{
    const std::int64_t end = FNowMs + std::max(Ms, 0);
    for (;;) {
        // The earliest due timer; between equals, the one started first (smaller handle).
        auto next = FTimers.end();
        for (auto it = FTimers.begin(); it != FTimers.end(); ++it)
            if (it->second.DueMs <= end && (next == FTimers.end() || it->second.DueMs < next->second.DueMs))
                next = it;
        if (next == FTimers.end())
            break;
        FNowMs = next->second.DueMs;
        next->second.DueMs += next->second.IntervalMs;
        // A copy: the tick may kill its own timer, which destroys the stored one.
        const std::function<void()> tick = next->second.Tick;
        tick();
    }
    FNowMs = end;
}

}  // namespace plat::testing
