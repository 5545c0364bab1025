#pragma once

#include "platform/system/Clock.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace plat::testing {

// A clock that stands still until the test moves it. Advance(ms) moves the instant and then
// tells every listener, in the order they were added, so that a fake timer service can fire the
// timers that came due.
class FakeClock : public IClock {
public:
    // 2024-01-15 12:00:00, a Monday, with the zone at UTC.
    FakeClock();

    TDateTime Now() const override;
    TTimeZoneInformation TimeZone() const override;

    void SetNow(TDateTime now);
    void SetTimeZone(const TTimeZoneInformation& zone);
    void Advance(int ms);

    // Returns an id for RemoveAdvanceListener, which a listener that dies before the clock calls.
    // A listener removed during a step is not called for the rest of that step.
    int AddAdvanceListener(std::function<void(int ms)> listener);
    void RemoveAdvanceListener(int id);

private:
    struct Listener {
        int Id;
        std::function<void(int ms)> Call;
    };

    TDateTime FStart;
    std::int64_t FAdvancedMs = 0;
    TTimeZoneInformation FZone;
    std::vector<Listener> FListeners;
    int FNextListenerId = 1;
};

}  // namespace plat::testing
