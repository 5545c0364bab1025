#include "TestControls.h"

#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TTimer.h"
#include "platform/controls/forms/WindowTimers.h"
#include "platform/core/Exception.h"
#include "platform/testing/UiTestEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace plat;
using namespace plat::testing;
using ::testing::ElementsAre;

namespace {

class TimerTest : public ::testing::Test {
protected:
    UiTestEnvironment ui;
    EventLog log;
    TForm* form = new TForm(Application);
};

TEST_F(TimerTest, ATimerFiresEachIntervalThatPasses)
{
    auto* timer = new TTimer(form);
    timer->SetInterval(100);
    int ticks = 0;
    timer->OnTimer = [&](TObject* sender) {
        EXPECT_EQ(sender, timer);
        ++ticks;
    };

    ui.Clock().Advance(99);
    EXPECT_EQ(ticks, 0);
    ui.Clock().Advance(251);
    EXPECT_EQ(ticks, 3);

    // Changing the interval starts the count afresh.
    ui.Clock().Advance(30);
    timer->SetInterval(200);
    ui.Clock().Advance(150);
    EXPECT_EQ(ticks, 3);
    ui.Clock().Advance(50);
    EXPECT_EQ(ticks, 4);
}

TEST_F(TimerTest, ATimerStopsWhenDisabledOrFreedInItsOwnTick)
{
    for (const bool freeIt : {false, true}) {
        SCOPED_TRACE(freeIt ? "freed" : "disabled");
        auto* timer = new TTimer(form);
        timer->SetInterval(10);
        int ticks = 0;
        timer->OnTimer = [&, freeIt](TObject*) {
            ++ticks;
            if (freeIt)
                delete timer;
            else
                timer->SetEnabled(false);
        };

        ui.Clock().Advance(100);
        EXPECT_EQ(ticks, 1);
        EXPECT_EQ(ui.Timers().ActiveCount(), 0);
        if (!freeIt)
            delete timer;
    }
}

TEST_F(TimerTest, AnExceptionInATickIsHandledAndTheTimerGoesOn)
{
    auto* timer = new TTimer(form);
    timer->SetInterval(10);
    int ticks = 0;
    timer->OnTimer = [&](TObject*) {
        ++ticks;
        throw EInvalidOperation("tick failed");
    };

    ui.Clock().Advance(20);
    EXPECT_EQ(ticks, 2);
    EXPECT_THAT(ui.ErrorBoxes(), ElementsAre("tick failed.", "tick failed."));
}

// Keeps the ids of the WM_TIMER messages it gets.
class TTimerProbe : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == WM_TIMER)
            Ids.push_back(TWMTimer(Message).TimerID());
        TCustomControl::Dispatch(Message);
    }
    std::vector<std::uintptr_t> Ids;
};

TEST_F(TimerTest, WindowTimersSendWmTimerByIdAndDieWithTheirControl)
{
    auto* probe = AddControl<TTimerProbe>(*form, Bounds(0, 0, 10, 10));
    auto* other = AddControl<TTimerProbe>(*form, Bounds(0, 0, 10, 10));
    EXPECT_EQ(SetTimer(probe, 7, 30), 7u);
    SetTimer(probe, 8, 50);
    SetTimer(probe, 7, 40);  // the same id again: restarted with the new interval

    ui.Clock().Advance(100);
    EXPECT_THAT(probe->Ids, ElementsAre(7u, 8u, 7u, 8u));
    EXPECT_TRUE(KillTimer(probe, 8));
    EXPECT_FALSE(KillTimer(probe, 8));
    EXPECT_FALSE(KillTimer(other, 7));

    delete probe;
    EXPECT_EQ(ui.Timers().ActiveCount(), 0);
    ui.Clock().Advance(100);
    EXPECT_TRUE(other->Ids.empty());
}

}  // namespace
