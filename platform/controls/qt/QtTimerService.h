#pragma once

#include "platform/controls/services/TimerService.h"

#include <map>
#include <memory>

namespace plat {

// Timers on Qt's event loop (one QObject timer each).
class QtTimerService : public ITimerService {
public:
    QtTimerService();
    ~QtTimerService() override;

    int StartTimer(int IntervalMs, std::function<void()> Tick) override;
    void KillTimer(int Handle) override;

private:
    class Host;
    std::unique_ptr<Host> FHost;
};

}  // namespace plat
