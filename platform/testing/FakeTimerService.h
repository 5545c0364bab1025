#pragma once

#include "platform/controls/services/TimerService.h"
#include "platform/testing/FakeClock.h"

#include <cstdint>
#include <functional>
#include <map>

namespace plat::testing {

// Timers on a fake clock: Clock.Advance(ms) fires every timer that comes due within those
// milliseconds, in order of due time (then of starting), as often as it comes due. A tick may
// kill or restart its own timer, start others or free what owns it.
class FakeTimerService : public ITimerService {
public:
    explicit FakeTimerService(FakeClock& Clock);
    ~FakeTimerService() override;
    FakeTimerService(const FakeTimerService&) = delete;
    FakeTimerService& operator=(const FakeTimerService&) = delete;

    int StartTimer(int IntervalMs, std::function<void()> Tick) override;
    void KillTimer(int Handle) override;

    // Timers running now.
    int ActiveCount() const { return static_cast<int>(FTimers.size()); }

private:
    struct Timer {
        int IntervalMs;
        std::int64_t DueMs;
        std::function<void()> Tick;
    };

    void Advanced(int Ms);

    FakeClock& FClock;
    int FListener;
    std::int64_t FNowMs = 0;
    std::map<int, Timer> FTimers;
    int FNextHandle = 1;
};

}  // namespace plat::testing
