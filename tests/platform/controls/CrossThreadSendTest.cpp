// Window handles, and messages sent from another thread.

#include "platform/controls/core/MessageDelivery.h"
#include "platform/controls/core/TCustomControl.h"
#include "platform/controls/core/WindowHandles.h"
#include "platform/testing/UiTestEnvironment.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <optional>
#include <thread>

namespace plat {
namespace {

using namespace std::chrono_literals;

constexpr unsigned WM_PROBE = WM_USER + 7;

class TReceiver : public TCustomControl {
public:
    explicit TReceiver(TComponent* AOwner) : TCustomControl(AOwner) {}
    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg != WM_PROBE) {
            TCustomControl::Dispatch(Message);
            return;
        }
        ++Received;
        Message.Result = static_cast<LRESULT>(Message.WParam) * 2;
        if (OnProbe)
            OnProbe();
    }
    int Received = 0;
    std::function<void()> OnProbe;
};

TEST(WindowHandleTest, AHandleNamesItsControlUntilTheControlIsFreed)
{
    testing::UiTestEnvironment ui;
    auto* first = new TReceiver(nullptr);
    const HWND handle = WindowHandleOf(*first);
    EXPECT_EQ(WindowHandleOf(*first), handle);
    EXPECT_GE(handle, 32u);
    EXPECT_EQ(FindWindowControl(handle), first);
    delete first;
    EXPECT_EQ(FindWindowControl(handle), nullptr);
    TReceiver second(nullptr);
    EXPECT_NE(WindowHandleOf(second), handle) << "handles are never reused";
    EXPECT_EQ(FindWindowControl(0), nullptr);
}

class CrossThreadSendTest : public ::testing::Test {
protected:
    // Sends from a worker thread and pumps until the worker is done.
    std::optional<LRESULT> SendFromWorker(HWND target, WPARAM value, std::function<bool()> stillWanted = {})
    {
        std::optional<LRESULT> result;
        std::atomic<bool> done = false;
        std::jthread worker([&](std::stop_token stop) {
            result = SendMessageFromThread(target, WM_PROBE, value, 0, stop, stillWanted);
            done = true;
        });
        EXPECT_TRUE(ui.Queue().PumpUntil([&] { return done.load(); }, 10s));
        worker.join();
        return result;
    }

    testing::UiTestEnvironment ui;
    TReceiver receiver{nullptr};
};

TEST_F(CrossThreadSendTest, TheWorkerWaitsForDeliveryOnTheUserInterfaceThread)
{
    const std::thread::id uiThread = std::this_thread::get_id();
    std::thread::id handledOn;
    receiver.OnProbe = [&] { handledOn = std::this_thread::get_id(); };
    EXPECT_EQ(SendFromWorker(WindowHandleOf(receiver), 21), 42);
    EXPECT_EQ(receiver.Received, 1);
    EXPECT_EQ(handledOn, uiThread);
}

TEST_F(CrossThreadSendTest, AFreedOrUnwantedTargetGetsNothing)
{
    auto* gone = new TReceiver(nullptr);
    const HWND goneHandle = WindowHandleOf(*gone);
    delete gone;
    EXPECT_EQ(SendFromWorker(goneHandle, 1), std::nullopt);
    EXPECT_EQ(SendFromWorker(WindowHandleOf(receiver), 1, [] { return false; }), std::nullopt);
    EXPECT_EQ(receiver.Received, 0);
}

TEST_F(CrossThreadSendTest, StoppingEndsTheWaitAndDropsTheMessage)
{
    const HWND target = WindowHandleOf(receiver);
    std::optional<LRESULT> result = 99;
    std::jthread worker([&](std::stop_token stop) { result = SendMessageFromThread(target, WM_PROBE, 1, 0, stop); });
    // Nobody pumps: the worker would wait for ever.
    std::this_thread::sleep_for(20ms);
    worker.request_stop();
    worker.join();
    EXPECT_EQ(result, std::nullopt);
    ui.Pump();
    EXPECT_EQ(receiver.Received, 0);
}

TEST_F(CrossThreadSendTest, OnTheUserInterfaceThreadTheMessageIsPerformedAtOnce)
{
    EXPECT_EQ(SendMessageFromThread(WindowHandleOf(receiver), WM_PROBE, 5, 0, std::stop_token{}), 10);
}

}  // namespace
}  // namespace plat
