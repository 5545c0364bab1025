#pragma once

#include "platform/controls/core/Messages.h"
#include "platform/controls/core/TControl.h"
#include "platform/controls/services/MessageQueue.h"

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

namespace plat::testing {

// Posted messages that wait until the test pumps. A message loop that waits (ShowModal) runs
// one idle step each time nothing else is waiting, in the order the test gave them, and gives
// up (ProcessOne answers false) when none is left, so a modal loop never hangs a test. Calls
// other threads hand over (InvokeFromThread) run when the test pumps, before posted messages.
class TestMessageQueue : public IMessageQueue {
public:
    void Post(TControl* Target, const TMessage& Message) override;
    void Forget(const TControl* Target) override;
    bool ProcessOne(bool Wait) override;
    void ProcessAll() override { Pump(); }
    void InvokeFromThread(std::function<void()> Call) override;

    // Delivers every posted message, those posted meanwhile included, and Qt's pending events
    // and deferred deletions. Raises EInvalidOperation when messages keep coming without end.
    void Pump();
    // Pumps until Done answers true, waiting for calls from other threads in between; false
    // when Timeout passes first.
    bool PumpUntil(const std::function<bool()>& Done, std::chrono::milliseconds Timeout);
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
    // Runs the calls other threads handed over so far; false when there were none.
    bool RunThreadCalls();

    std::deque<Pending> FPending;
    std::deque<std::function<void()>> FIdleSteps;
    std::mutex FThreadCallsLock;
    std::condition_variable FThreadCallCame;
    std::deque<std::function<void()>> FThreadCalls;
    // Messages of a control being freed go with it.
    TReleaseHookRegistration FRelease = TControl::AddReleaseHook([this](TControl& Control) { Forget(&Control); });
};

}  // namespace plat::testing
