#include "platform/testing/TestMessageQueue.h"

#include "platform/controls/core/ExceptionBoundary.h"
#include "platform/controls/core/TControl.h"
#include "platform/core/Exception.h"

#include <QCoreApplication>
#include <QEvent>

namespace plat::testing {

namespace {

void ProcessQtEvents()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

void TestMessageQueue::Post(TControl* Target, const TMessage& Message)
{
    FPending.push_back({TControlRef<>(Target), Message});
}

void TestMessageQueue::Forget(const TControl* Target)
{
    std::erase_if(FPending, [Target](const Pending& p) { return p.Target.Get() == Target; });
}

void TestMessageQueue::DeliverFirst()
{
    const Pending pending = FPending.front();
    FPending.pop_front();
    if (TControl* target = pending.Target.Get())
        Guarded(target, [&] {
            TMessage message = pending.Message;
            target->Perform(message);
        });
}

bool TestMessageQueue::ProcessOne(bool Wait)
{
    ProcessQtEvents();
    if (!FPending.empty()) {
        DeliverFirst();
        return true;
    }
    if (Wait && !FIdleSteps.empty()) {
        const std::function<void()> step = std::move(FIdleSteps.front());
        FIdleSteps.pop_front();
        step();
        return true;
    }
    return false;
}

void TestMessageQueue::Pump()
{
    constexpr int maxDeliveries = 100000;
    for (int delivered = 0; delivered < maxDeliveries; ++delivered) {
        ProcessQtEvents();
        if (FPending.empty())
            return;
        DeliverFirst();
    }
    throw EInvalidOperation("Posted messages keep coming: the pump stopped after %d", {maxDeliveries});
}

void TestMessageQueue::WhenIdle(std::function<void()> Step)
{
    FIdleSteps.push_back(std::move(Step));
}

}  // namespace plat::testing
