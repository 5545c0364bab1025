#pragma once

#include "platform/controls/core/ControlTypes.h"
#include "platform/core/TComponent.h"

#include <memory>

namespace plat {

class ITimerService;

// Calls OnTimer every Interval milliseconds while Enabled and Interval is above 0. The timer may
// be disabled, changed or freed inside its own OnTimer; setting Enabled or Interval starts the
// count afresh.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;

    std::string ClassName() const override { return "TTimer"; }

    bool GetEnabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    unsigned GetInterval() const { return FInterval; }
    void SetInterval(unsigned Value);

    TNotifyEvent OnTimer;

protected:
    virtual void Timer();

private:
    void UpdateTimer();
    void StopTimer();

    bool FEnabled = true;
    unsigned FInterval = 1000;
    ITimerService* FService = nullptr;
    int FHandle = 0;
    std::shared_ptr<int> FLifeToken = std::make_shared<int>(0);
};

}  // namespace plat
