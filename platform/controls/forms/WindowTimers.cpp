#include "platform/controls/forms/WindowTimers.h"

#include "platform/controls/core/ExceptionBoundary.h"
#include "platform/controls/core/Messages.h"
#include "platform/controls/core/TControl.h"
#include "platform/controls/services/TimerService.h"
#include "platform/controls/services/UiServices.h"

#include <map>
#include <utility>

namespace plat {

namespace {

using TimerKey = std::pair<const TControl*, std::uintptr_t>;

struct ServiceTimer {
    ITimerService* Service;
    int Handle;
};

void KillControlTimers(TControl& Control);

// Window timer -> the timer of the service that runs it.
struct TimerHandles {
    std::map<TimerKey, ServiceTimer> Map;
    // The timers of a control die with it.
    TReleaseHookRegistration Release = TControl::AddReleaseHook(KillControlTimers);
};

std::map<TimerKey, ServiceTimer>& Handles()
{
    static TimerHandles handles;
    return handles.Map;
}

void KillControlTimers(TControl& Control)
{
    auto& handles = Handles();
    for (auto it = handles.lower_bound({&Control, 0}); it != handles.end() && it->first.first == &Control;) {
        const ServiceTimer timer = it->second;
        it = handles.erase(it);
        timer.Service->KillTimer(timer.Handle);
    }
}

}  // namespace

std::uintptr_t SetTimer(TControl* Control, std::uintptr_t IDEvent, unsigned Elapse)
{
    if (!Control)
        return 0;
    KillTimer(Control, IDEvent);
    const TControlRef<> alive(Control);
    ITimerService& service = Timers();
    const int handle = service.StartTimer(static_cast<int>(Elapse), [alive, IDEvent] {
        if (TControl* control = alive.Get())
            Guarded(control, [&] { control->Perform(WM_TIMER, IDEvent); });
    });
    Handles()[{Control, IDEvent}] = {&service, handle};
    return IDEvent;
}

bool KillTimer(TControl* Control, std::uintptr_t IDEvent)
{
    const auto it = Handles().find({Control, IDEvent});
    if (it == Handles().end())
        return false;
    const ServiceTimer timer = it->second;
    Handles().erase(it);
    timer.Service->KillTimer(timer.Handle);
    return true;
}

}  // namespace plat
