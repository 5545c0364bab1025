#pragma once

#include "platform/controls/core/Messages.h"
#include "platform/controls/core/TControl.h"
#include "platform/controls/services/MessageQueue.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>

namespace plat::testing {

// Posted messages that wait until the test pumps. A message loop that waits (ShowModal) runs
// one idle step each time nothing else is waiting, in the order the test gave them, and gives
// up (ProcessOne answers false) when none is left, so a modal loop never hangs a test.
class TestMessageQueue : public IMessageQueue {
public:
    void Post(TControl* Target, const TMessage& Message) override;
    void Forget(const TControl* Target) override;
    bool ProcessOne(bool Wait) override;
    void ProcessAll() override { Pump(); }

    // Delivers every posted message, those posted meanwhile included, and Qt's pending events
    // and deferred deletions. Raises EInvalidOperation when messages keep coming without end.
    void Pump();
    // Something a waiting message loop does when nothing else is waiting (a key, a click,
    // setting a modal result).
    void WhenIdle(std::function<void()> Step);

    std::size_t PendingCount() const { return FPending.size(); }

private:
    struct Pending {
        TControlRef<> Target;
        TMessage Message;
    };

    void DeliverFirst();

    std::deque<Pending> FPending;
    std::deque<std::function<void()>> FIdleSteps;
    // Messages of a control being freed go with it.
    TReleaseHookRegistration FRelease = TControl::AddReleaseHook([this](TControl& Control) { Forget(&Control); });
};

}  // namespace plat::testing
