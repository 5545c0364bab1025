#pragma once

#include "platform/controls/core/Messages.h"
#include "platform/controls/core/TControl.h"
#include "platform/controls/services/MessageQueue.h"

#include <cstdint>
#include <deque>
#include <memory>

namespace plat {

// Posted messages ride on Qt's event queue, so that they keep their place among input and
// timer events; the message loop steps are Qt's.
class QtMessageQueue : public IMessageQueue {
public:
    QtMessageQueue();
    ~QtMessageQueue() override;

    void Post(TControl* Target, const TMessage& Message) override;
    void Forget(const TControl* Target) override;
    bool ProcessOne(bool Wait) override;
    void ProcessAll() override;
    void InvokeFromThread(std::function<void()> Call) override;

private:
    class Receiver;
    struct Pending {
        std::uint64_t Id;
        TControlRef<> Target;
        TMessage Message;
    };

    void Deliver(std::uint64_t Id);

    std::unique_ptr<Receiver> FReceiver;
    std::deque<Pending> FPending;
    std::uint64_t FNextId = 1;
    // Messages of a control being freed go with it.
    TReleaseHookRegistration FRelease = TControl::AddReleaseHook([this](TControl& Control) { Forget(&Control); });
};

}  // namespace plat
