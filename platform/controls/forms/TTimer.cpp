#include "platform/controls/forms/TTimer.h"

#include "platform/controls/core/ExceptionBoundary.h"
#include "platform/controls/services/TimerService.h"
#include "platform/controls/services/UiServices.h"

namespace plat {

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner)
{
    UpdateTimer();
}

TTimer::~TTimer()
{
    FLifeToken.reset();
    StopTimer();
}

void TTimer::SetEnabled(bool Value)
{
    if (FEnabled == Value)
        return;
    FEnabled = Value;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned Value)
{
    if (FInterval == Value)
        return;
    FInterval = Value;
    UpdateTimer();
}

void TTimer::StopTimer()
{
    if (FHandle == 0)
        return;
    const int handle = FHandle;
    FHandle = 0;
    FService->KillTimer(handle);
}

void TTimer::UpdateTimer()
{
    StopTimer();
    if (!FEnabled || FInterval == 0)
        return;
    const std::weak_ptr<int> alive = FLifeToken;
    FService = &Timers();
    FHandle = FService->StartTimer(static_cast<int>(FInterval), [this, alive] {
        if (!alive.expired())
            Guarded(this, [this] { Timer(); });
    });
}

void TTimer::Timer()
{
    if (FEnabled && OnTimer && !ComponentState().Contains(csDestroying))
        OnTimer(this);
}

}  // namespace plat
