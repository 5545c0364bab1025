#include "foundation/TRegMonitorThread.h"

#include "platform/controls/core/MessageDelivery.h"
#include "platform/core/Exception.h"
#include "platform/system/TRegistry.h"
#include "platform/system/TRegistryWatcher.h"

#include <condition_variable>
#include <vector>

namespace skelda::foundation {

// The named, manual-reset event the change notification signals. The settings store may call
// its watcher a moment after the watcher is gone, so the event lives as long as anyone holds it.
struct TRegMonitorThread::Event {
    const std::string Name = "RegMonitorChange";
    std::mutex Lock;
    std::condition_variable_any Changed;
    bool Signalled = false;

    void Set()
    {
        {
            const std::lock_guard lock(Lock);
            Signalled = true;
        }
        Changed.notify_all();
    }
    void Reset()
    {
        const std::lock_guard lock(Lock);
        Signalled = false;
    }
    // True when signalled; false when the wait ended for another reason (a stop).
    bool WaitFor(std::stop_token Stop)
    {
        std::unique_lock lock(Lock);
        return Changed.wait(lock, Stop, [this] { return Signalled; });
    }
};

TRegMonitorThread::TRegMonitorThread(THandleList& WinList) : FWinList(WinList), FEvent(std::make_shared<Event>()) {}

TRegMonitorThread::~TRegMonitorThread()
{
    Stop();
    if (FThread.joinable())
        FThread.join();
}

void TRegMonitorThread::Start()
{
    FThread = std::jthread([this](std::stop_token stop) { Execute(stop); });
}

void TRegMonitorThread::Stop()
{
    FThread.request_stop();
    FEvent->Set();
}

bool TRegMonitorThread::Finished() const
{
    const std::lock_guard lock(FStateLock);
    return FFinished;
}

std::string TRegMonitorThread::FatalMessage() const
{
    const std::lock_guard lock(FStateLock);
    return FFatalMessage;
}

int TRegMonitorThread::GetFilter()
{
    constexpr int allChangeKinds = 15;
    if (FFilter == 0)
        FFilter = allChangeKinds;
    return FFilter;
}

void TRegMonitorThread::Execute(std::stop_token Stop)
{
    std::string fatal;
    try {
        plat::TRegistry registry;
        registry.SetRootKey(FRootKey);
        if (!registry.OpenKeyReadOnly(FKey))
            throw plat::Exception("Unable to open registry key " + FKey);
        FEvent->Reset();
        GetFilter();
        const std::shared_ptr<Event> event = FEvent;
        const plat::TRegistryWatcher watcher(FRootKey, FKey, [event](const std::string&) { event->Set(); });
        while (!Stop.stop_requested()) {
            if (!FEvent->WaitFor(Stop) || Stop.stop_requested())
                continue;
            // Reset before telling, so that a change made while the windows are told is heard.
            FEvent->Reset();
            TellWindows(Stop);
        }
    } catch (const std::exception& e) {
        fatal = e.what();
    }
    const std::lock_guard lock(FStateLock);
    FFinished = true;
    FFatalMessage = fatal;
}

void TRegMonitorThread::TellWindows(std::stop_token Stop)
{
    const auto key = reinterpret_cast<plat::LPARAM>(FKey.c_str());
    const auto root = static_cast<plat::WPARAM>(FRootKey);
    // The windows registered now are told; those registered while they are told wait for the
    // next change.
    const std::vector<plat::HWND> registered = FWinList.Snapshot();
    if (FWnd != 0)
        plat::SendMessageFromThread(FWnd, WM_OFFICETHEMECHANGED, root, key, Stop);
    for (const plat::HWND window : registered) {
        if (Stop.stop_requested())
            return;
        plat::SendMessageFromThread(window, WM_OFFICETHEMECHANGED, root, key, Stop,
                                    [this, window] { return FWinList.HasValue(window); });
    }
}

}  // namespace skelda::foundation
