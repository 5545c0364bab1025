#pragma once

#include <functional>

namespace plat {

class TControl;
struct TMessage;

// Posted messages and the message loop's steps. Production delivers posted messages through
// Qt's event queue; tests deliver them when they pump (platform/testing/TestMessageQueue.h).
class IMessageQueue {
public:
    virtual ~IMessageQueue() = default;

    // Queues Message for Target; it is performed after the current handler has returned,
    // in the order posted. Messages for a control that is freed meanwhile are dropped.
    virtual void Post(TControl* Target, const TMessage& Message) = 0;
    // Drops the queued messages of a control that is being freed.
    virtual void Forget(const TControl* Target) = 0;
    // One step of a message loop: handles what is waiting, or waits for something when Wait
    // is set. False when there was nothing to handle and nothing to wait for (a loop that
    // depends on a step must then give up instead of hanging).
    virtual bool ProcessOne(bool Wait) = 0;
    // Handles everything that is waiting, without waiting for more.
    virtual void ProcessAll() = 0;
    // Runs Call on the user-interface thread at a message-loop step (in tests: when the test
    // pumps). The one call that may come from any thread.
    virtual void InvokeFromThread(std::function<void()> Call) = 0;
};

}  // namespace plat
