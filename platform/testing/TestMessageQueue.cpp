#include "platform/testing/TestMessageQueue.h"

#include "platform/controls/core/ExceptionBoundary.h"
#include "platform/controls/core/TControl.h"
#include "platform/core/Exception.h"

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>

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

void TestMessageQueue::InvokeFromThread(std::function<void()> Call)
{
    {
        const std::lock_guard lock(FThreadCallsLock);
        FThreadCalls.push_back(std::move(Call));
    }
    FThreadCallCame.notify_all();
}

bool TestMessageQueue::RunThreadCalls()
{
    std::deque<std::function<void()>> calls;
    {
        const std::lock_guard lock(FThreadCallsLock);
        calls.swap(FThreadCalls);
    }
    for (const std::function<void()>& call : calls)
        call();
    return !calls.empty();
}

bool TestMessageQueue::ProcessOne(bool Wait)
{
    ProcessQtEvents();
    if (RunThreadCalls())
        return true;
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
        if (RunThreadCalls())
            continue;
        if (FPending.empty())
            return;
        DeliverFirst();
    }
    throw EInvalidOperation("Posted messages keep coming: the pump stopped after %d", {maxDeliveries});
}

bool TestMessageQueue::PumpUntil(const std::function<bool()>& Done, std::chrono::milliseconds Timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + Timeout;
    // What is awaited may happen on another thread without handing over a call: look again
    // every few milliseconds.
    constexpr auto poll = std::chrono::milliseconds(2);
    for (;;) {
        Pump();
        if (Done())
            return true;
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline)
            return false;
        std::unique_lock lock(FThreadCallsLock);
        FThreadCallCame.wait_until(lock, std::min(deadline, now + poll), [this] { return !FThreadCalls.empty(); });
    }
}

void TestMessageQueue::WhenIdle(std::function<void()> Step)
{
    FIdleSteps.push_back(std::move(Step));
}

}  // namespace plat::testing
