#include "platform/controls/qt/QtMessageQueue.h"

#include "platform/controls/core/ExceptionBoundary.h"
#include "platform/controls/core/TControl.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>

#include <algorithm>

namespace plat {

namespace {

const QEvent::Type PostedMessageEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

class PostedEvent : public QEvent {
public:
    explicit PostedEvent(std::uint64_t Id) : QEvent(PostedMessageEvent), FId(Id) {}
    std::uint64_t Id() const { return FId; }

private:
    std::uint64_t FId;
};

}  // namespace

class QtMessageQueue::Receiver : public QObject {
public:
    explicit Receiver(QtMessageQueue& Queue) : FQueue(Queue) {}

protected:
    bool event(QEvent* Event) override
    {
        if (Event->type() != PostedMessageEvent)
            return QObject::event(Event);
        FQueue.Deliver(static_cast<PostedEvent*>(Event)->Id());
        return true;
    }

private:
    QtMessageQueue& FQueue;
};

QtMessageQueue::QtMessageQueue() : FReceiver(std::make_unique<Receiver>(*this)) {}

QtMessageQueue::~QtMessageQueue() = default;

void QtMessageQueue::Post(TControl* Target, const TMessage& Message)
{
    const std::uint64_t id = FNextId++;
    FPending.push_back({id, TControlRef<>(Target), Message});
    QCoreApplication::postEvent(FReceiver.get(), new PostedEvent(id));
}

void QtMessageQueue::Forget(const TControl* Target)
{
    std::erase_if(FPending, [Target](const Pending& p) { return p.Target.Get() == Target; });
}

void QtMessageQueue::Deliver(std::uint64_t Id)
{
    const auto it = std::find_if(FPending.begin(), FPending.end(), [Id](const Pending& p) { return p.Id == Id; });
    if (it == FPending.end())
        return;
    Pending pending = *it;
    FPending.erase(it);
    if (TControl* target = pending.Target.Get())
        Guarded(target, [&] { target->Perform(pending.Message); });
}

bool QtMessageQueue::ProcessOne(bool Wait)
{
    QCoreApplication::processEvents(Wait ? QEventLoop::WaitForMoreEvents : QEventLoop::AllEvents);
    // A loop of our own is no Qt event loop: widgets left for later deletion go here.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return true;
}

void QtMessageQueue::InvokeFromThread(std::function<void()> Call)
{
    // Qt queues a call for an object living on another thread as an event of that thread.
    QMetaObject::invokeMethod(FReceiver.get(), std::move(Call), Qt::QueuedConnection);
}

void QtMessageQueue::ProcessAll()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace plat
