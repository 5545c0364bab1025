#include "platform/controls/core/MessageDelivery.h"

#include "platform/controls/core/ExceptionBoundary.h"
#include "platform/controls/core/TControl.h"
#include "platform/controls/core/TWinControl.h"
#include "platform/controls/core/WindowHandles.h"
#include "platform/controls/services/MessageQueue.h"
#include "platform/controls/services/UiServices.h"

#include <QCoreApplication>
#include <QThread>

#include <condition_variable>
#include <memory>
#include <mutex>

namespace plat {

void PostMessage(TControl* Target, unsigned Msg, WPARAM WParam, LPARAM LParam)
{
    if (Target)
        Messages().Post(Target, TMessage{Msg, WParam, LParam, 0});
}

LRESULT SendMessage(TControl* Target, unsigned Msg, WPARAM WParam, LPARAM LParam)
{
    return Target ? Target->Perform(Msg, WParam, LParam) : 0;
}

namespace {

// What a sending thread and the user-interface thread share about one message; either may be
// the last to let go of it.
struct CrossThreadSend {
    std::mutex Lock;
    std::condition_variable_any Done;
    bool Finished = false;
    bool Abandoned = false;
    std::optional<LRESULT> Result;
};

bool OnUserInterfaceThread()
{
    const QCoreApplication* application = QCoreApplication::instance();
    return application && QThread::currentThread() == application->thread();
}

std::optional<LRESULT> Deliver(HWND Target, unsigned Msg, WPARAM WParam, LPARAM LParam,
                               const std::function<bool()>& StillWanted)
{
    TWinControl* control = FindWindowControl(Target);
    if (!control || (StillWanted && !StillWanted()))
        return std::nullopt;
    return control->Perform(Msg, WParam, LParam);
}

}  // namespace

std::optional<LRESULT> SendMessageFromThread(HWND Target, unsigned Msg, WPARAM WParam, LPARAM LParam,
                                             std::stop_token Stop, std::function<bool()> StillWanted)
{
    if (OnUserInterfaceThread())
        return Deliver(Target, Msg, WParam, LParam, StillWanted);
    auto send = std::make_shared<CrossThreadSend>();
    Messages().InvokeFromThread([send, Target, Msg, WParam, LParam, StillWanted = std::move(StillWanted)] {
        {
            const std::lock_guard lock(send->Lock);
            if (send->Abandoned)
                return;
        }
        std::optional<LRESULT> result;
        // What a handler raises goes to the application's handler, as for posted messages; the
        // sender learns that the send is over all the same.
        Guarded(FindWindowControl(Target), [&] { result = Deliver(Target, Msg, WParam, LParam, StillWanted); });
        const std::lock_guard lock(send->Lock);
        send->Result = result;
        send->Finished = true;
        send->Done.notify_all();
    });
    std::unique_lock lock(send->Lock);
    if (!send->Done.wait(lock, Stop, [&] { return send->Finished; })) {
        send->Abandoned = true;
        return std::nullopt;
    }
    return send->Result;
}

}  // namespace plat
