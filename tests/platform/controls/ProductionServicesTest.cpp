// The production services on Qt's event loop.

#include "TestControls.h"

#include "platform/controls/qt/QtMessageQueue.h"
#include "platform/controls/qt/QtTimerService.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace plat;
using namespace plat::testing;
using ::testing::ElementsAre;

namespace {

TEST(QtMessageQueueTest, PostedMessagesArriveThroughQtsEventLoopAndNotForFreedControls)
{
    EventLog log;
    QtMessageQueue queue;
    auto* kept = new TLoggingControl(nullptr, &log, "kept");
    auto* freed = new TLoggingControl(nullptr, &log, "freed");
    queue.Post(kept, {WM_TIMER, 1, 0, 0});
    queue.Post(freed, {WM_TIMER, 2, 0, 0});
    queue.Post(kept, {WM_SIZE, 0, 0, 0});
    EXPECT_TRUE(log.Entries().empty());

    delete freed;
    queue.ProcessAll();
    EXPECT_THAT(log.Entries(), ElementsAre("kept:timer", "kept:size"));
    delete kept;
}

TEST(QtTimerServiceTest, ATimerTicksOnQtsEventLoopUntilKilledInItsOwnTick)
{
    QtTimerService timers;
    int ticks = 0;
    int handle = 0;
    handle = timers.StartTimer(1, [&] {
        if (++ticks == 2)
            timers.KillTimer(handle);
    });
    ASSERT_GT(handle, 0);

    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < 200)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(ticks, 2);
}

}  // namespace
