#include "editcontrols/support/KclExceptions.h"
#include "editcontrols/support/TKclCriticalSection.h"
#include "editcontrols/support/TKclIntfCriticalSection.h"
#include "editcontrols/support/TKclMutex.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <latch>
#include <thread>

namespace skelda::editcontrols {
namespace {

// What another thread gets when it waits ATimeoutMs for the mutex, which it then releases.
TKclWaitResult WaitFromOtherThread(TKclMutex& AMutex, std::uint32_t ATimeoutMs)
{
    TKclWaitResult result = wrError;
    std::thread([&] {
        result = AMutex.WaitFor(ATimeoutMs);
        if (result == wrSignaled || result == wrAbandoned)
            AMutex.Release();
    }).join();
    return result;
}

TEST(WaitResultTest, WaitCodesMapToResults)
{
    const struct {
        std::uint32_t Code;
        TKclWaitResult Result;
    } cases[] = {
        {WAIT_OBJECT_0, wrSignaled}, {WAIT_ABANDONED, wrAbandoned}, {WAIT_IO_COMPLETION, wrIoCompletion},
        {WAIT_TIMEOUT, wrTimeout},   {WAIT_FAILED, wrError},        {1, wrError},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WaitResultFromCode(c.Code), c.Result) << c.Code;
}

TEST(KclMutexTest, OwnerTakesItAgainAndOthersWaitUntilItsLastRelease)
{
    TKclMutex mutex(false, "");
    EXPECT_FALSE(mutex.Existed());
    EXPECT_FALSE(mutex.Release());
    ASSERT_TRUE(mutex.Acquire(0));
    ASSERT_TRUE(mutex.Acquire());
    EXPECT_EQ(WaitFromOtherThread(mutex, 0), wrTimeout);
    EXPECT_EQ(WaitFromOtherThread(mutex, 30), wrTimeout);

    bool releasedByOther = true;
    std::thread([&] { releasedByOther = mutex.Release(); }).join();
    EXPECT_FALSE(releasedByOther);

    EXPECT_TRUE(mutex.Release());
    EXPECT_EQ(WaitFromOtherThread(mutex, 0), wrTimeout);
    EXPECT_TRUE(mutex.Release());
    EXPECT_EQ(WaitFromOtherThread(mutex, 0), wrSignaled);
}

TEST(KclMutexTest, WaiterWakesWhenTheOwnerReleases)
{
    TKclMutex mutex(true, "");
    std::atomic<bool> waiting = false;
    TKclWaitResult result = wrError;
    std::thread waiter([&] {
        waiting = true;
        result = mutex.WaitForever();
        mutex.Release();
    });
    while (!waiting)
        std::this_thread::yield();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_TRUE(mutex.Release());
    waiter.join();
    EXPECT_EQ(result, wrSignaled);
}

TEST(KclMutexTest, MutexOfAnEndedOwnerIsAbandonedToTheNextWaiter)
{
    TKclMutex mutex(false, "");
    std::thread([&] { ASSERT_TRUE(mutex.Acquire(0)); }).join();

    EXPECT_EQ(mutex.WaitFor(0), wrAbandoned);
    EXPECT_EQ(WaitFromOtherThread(mutex, 0), wrTimeout);
    EXPECT_TRUE(mutex.Release());
    EXPECT_EQ(mutex.WaitFor(0), wrSignaled);
    EXPECT_TRUE(mutex.Release());
}

TEST(KclMutexTest, SameNameIsOneMutexWhileOneOfItsObjectsLives)
{
    const std::string name = "SkeldaTestMutex";
    {
        TKclMutex made(true, name);
        TKclMutex joined(true, name);
        EXPECT_FALSE(made.Existed());
        EXPECT_TRUE(joined.Existed());
        EXPECT_EQ(joined.Name(), name);
        const auto opened = TKclMutex::Open(name);
        EXPECT_TRUE(opened->Existed());
        // The maker owns it; joining took no ownership of its own.
        EXPECT_EQ(WaitFromOtherThread(*opened, 0), wrTimeout);
        EXPECT_TRUE(joined.Release());
        EXPECT_FALSE(made.Release());
        EXPECT_EQ(WaitFromOtherThread(*opened, 0), wrSignaled);
        TKclMutex other(false, name + "2");
        EXPECT_FALSE(other.Existed());
    }
    try {
        TKclMutex::Open(name);
        ADD_FAILURE() << "opened a mutex that is gone";
    } catch (const EKclMutexError& e) {
        EXPECT_EQ(e.LastError(), static_cast<std::uint32_t>(ENOENT));
        EXPECT_EQ(e.Message(), "Win32 error: No such file or directory (2)\r\nFailed to open mutex");
    }
}

TEST(KclWin32ErrorTest, MessageCarriesTheSystemErrorAndTheText)
{
    errno = EACCES;
    const EKclWin32Error plain("Failed to create mutex");
    EXPECT_EQ(plain.LastError(), static_cast<std::uint32_t>(EACCES));
    EXPECT_EQ(plain.LastErrorMsg(), "Permission denied");
    EXPECT_EQ(plain.Message(), "Win32 error: Permission denied (13)\r\nFailed to create mutex");

    errno = ENOENT;
    const EKclWin32Error formatted("Block %s of %d bytes", {"slot", 8});
    EXPECT_EQ(formatted.Message(), "Win32 error: No such file or directory (2)\r\nBlock slot of 8 bytes");
}

TEST(KclCriticalSectionTest, ThreadsArrivingTogetherInstallAndEnterOneSection)
{
    for (int round = 0; round < 200; ++round) {
        std::atomic<TKclCriticalSection*> section = nullptr;
        std::atomic<int> inside = 0;
        std::atomic<int> overlaps = 0;
        TKclCriticalSection* entered[2] = {};
        std::latch start(2);
        const auto run = [&](int AThread) {
            start.arrive_and_wait();
            entered[AThread] = TKclCriticalSection::CreateAndEnter(section);
            if (inside.fetch_add(1) != 0)
                ++overlaps;
            std::this_thread::yield();
            inside.fetch_sub(1);
            entered[AThread]->Leave();
        };
        std::thread first(run, 0), second(run, 1);
        first.join();
        second.join();
        ASSERT_NE(section.load(), nullptr);
        EXPECT_EQ(entered[0], section.load());
        EXPECT_EQ(entered[1], section.load());
        EXPECT_EQ(overlaps.load(), 0);
        delete section.load();
    }
}

TEST(KclCriticalSectionTest, InstalledSectionIsEnteredAgainAndNests)
{
    std::atomic<TKclCriticalSection*> section = nullptr;
    TKclCriticalSection* first = TKclCriticalSection::CreateAndEnter(section);
    EXPECT_EQ(TKclCriticalSection::CreateAndEnter(section), first);
    first->Leave();
    first->Leave();
    delete first;
}

TEST(KclIntfCriticalSectionTest, SectionIsHeldExactlyAsLongAsAReference)
{
    TKclIntfCriticalSection section;
    std::atomic<bool> entered = false;
    std::thread other;
    {
        const auto reference = section.Reference();
        const auto nested = section.Reference();
        other = std::thread([&] {
            const auto theirs = section.Reference();
            entered = true;
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        EXPECT_FALSE(entered);
    }
    other.join();
    EXPECT_TRUE(entered);
}

}  // namespace
}  // namespace skelda::editcontrols
