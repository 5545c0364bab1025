#include "platform/controls/qt/QtTimerService.h"

#include "platform/controls/core/ExceptionBoundary.h"

#include <QObject>
#include <QTimerEvent>

#include <algorithm>

namespace plat {

class QtTimerService::Host : public QObject {
public:
    std::map<int, std::function<void()>> Ticks;

protected:
    void timerEvent(QTimerEvent* Event) override
    {
        const auto it = Ticks.find(Event->timerId());
        if (it == Ticks.end())
            return;
        // A copy: the tick may kill its own timer.
        const std::function<void()> tick = it->second;
        Guarded(nullptr, tick);
    }
};

QtTimerService::QtTimerService() : FHost(std::make_unique<Host>()) {}

QtTimerService::~QtTimerService() = default;

int QtTimerService::StartTimer(int IntervalMs, std::function<void()> Tick)
{
    const int id = FHost->startTimer(std::max(IntervalMs, 1));
    if (id > 0)
        FHost->Ticks[id] = std::move(Tick);
    return id;
}

void QtTimerService::KillTimer(int Handle)
{
    if (FHost->Ticks.erase(Handle) > 0)
        FHost->killTimer(Handle);
}

}  // namespace plat
