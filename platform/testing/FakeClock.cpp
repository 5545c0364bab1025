#include "platform/testing/FakeClock.h"

#include <algorithm>

namespace plat::testing {

namespace {
constexpr TDateTime DefaultStart = 45306.5;  // 2024-01-15 12:00:00
}

FakeClock::FakeClock() : FStart(DefaultStart) {}

TDateTime FakeClock::Now() const
{
    // Kept as a start plus whole milliseconds so that many small steps add up without drift.
    return FStart + static_cast<double>(FAdvancedMs) / MSecsPerDay;
}

TTimeZoneInformation FakeClock::TimeZone() const
{
    return FZone;
}

void FakeClock::SetNow(TDateTime now)
{
    FStart = now;
    FAdvancedMs = 0;
}

void FakeClock::SetTimeZone(const TTimeZoneInformation& zone)
{
    FZone = zone;
}

void FakeClock::Advance(int ms)
{
    FAdvancedMs += ms;
    // A listener may add or remove listeners while it runs; the ones present now all hear this step.
    const std::vector<Listener> current = FListeners;
    for (const Listener& listener : current) {
        const bool stillThere = std::any_of(FListeners.begin(), FListeners.end(),
                                            [&](const Listener& l) { return l.Id == listener.Id; });
        if (stillThere)
            listener.Call(ms);
    }
}

int FakeClock::AddAdvanceListener(std::function<void(int ms)> listener)
{
    const int id = FNextListenerId++;
    FListeners.push_back({id, std::move(listener)});
    return id;
}

void FakeClock::RemoveAdvanceListener(int id)
{
    std::erase_if(FListeners, [id](const Listener& l) { return l.Id == id; });
}

}  // namespace plat::testing
