#include "platform/system/DateTime.h"
#include "platform/system/SystemClock.h"
#include "platform/testing/FakeClock.h"

#include <gtest/gtest.h>

#include <ctime>
#include <vector>

namespace plat {
namespace {

TEST(FakeClockTest, StandsStillUntilAdvancedThenTellsListenersInOrder)
{
    testing::FakeClock clock;
    EXPECT_EQ(clock.Now(), EncodeDate(2024, 1, 15) + EncodeTime(12, 0, 0, 0));
    EXPECT_EQ(clock.Now(), clock.Now());

    const TDateTime start = EncodeDate(2023, 12, 31) + EncodeTime(23, 59, 59, 0);
    clock.SetNow(start);
    std::vector<std::string> heard;
    std::vector<TDateTime> seen;
    int removable = 0;
    clock.AddAdvanceListener([&](int ms) {
        heard.push_back("first " + std::to_string(ms));
        clock.RemoveAdvanceListener(removable);
    });
    removable = clock.AddAdvanceListener([&](int ms) { heard.push_back("second " + std::to_string(ms)); });
    clock.AddAdvanceListener([&](int ms) {
        heard.push_back("third " + std::to_string(ms));
        seen.push_back(clock.Now());
    });

    for (int i = 0; i < 1000; ++i)
        clock.Advance(1);
    const TDateTimeParts parts = DecodeDateTime(clock.Now());
    EXPECT_EQ(parts.Year, 2024);
    EXPECT_EQ(parts.Hour, 0);
    EXPECT_EQ(parts.Sec, 0);
    EXPECT_EQ(parts.MSec, 0) << "a thousand steps of 1 ms add up to exactly one second";
    EXPECT_EQ(clock.Date(), EncodeDate(2024, 1, 1));
    ASSERT_EQ(heard.size(), 2000u) << "the second listener was removed during the first step";
    EXPECT_EQ(heard[0], "first 1");
    EXPECT_EQ(heard[1], "third 1");
    EXPECT_EQ(seen.front(), start + 1.0 / MSecsPerDay) << "listeners see the clock already moved";

    const TTimeZoneInformation paris{-60, 0, -60, tzDaylight};
    clock.SetTimeZone(paris);
    EXPECT_EQ(clock.TimeZone(), paris);
}

TEST(SystemClockTest, NowIsTheLocalWallClock)
{
    auto localNow = [] {
        const std::time_t seconds = std::time(nullptr);
        std::tm local{};
        localtime_r(&seconds, &local);
        return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
               EncodeTime(local.tm_hour, local.tm_min, local.tm_sec, 0);
    };
    const TDateTime before = localNow();
    const TDateTime now = SystemClock().Now();
    const TDateTime after = localNow() + 1.0 / SecsPerDay;
    EXPECT_GE(now, before);
    EXPECT_LT(now, after);
    EXPECT_EQ(SystemClock().Date(), std::trunc(SystemClock().Now()));
}

TEST(SystemClockTest, ZonesDescribeThemselvesAsTheOperatingSystemDid)
{
    struct Case {
        const char* Zone;
        const char* At;  // UTC
        TTimeZoneInformation Expected;
    };
    const Case cases[] = {
        {"Europe/Berlin", "2024-07-01T12:00:00Z", {-60, 0, -60, tzDaylight}},
        {"Europe/Berlin", "2024-01-15T12:00:00Z", {-60, 0, -60, tzStandard}},
        {"America/New_York", "2024-07-01T12:00:00Z", {300, 0, -60, tzDaylight}},
        {"America/New_York", "2024-12-01T12:00:00Z", {300, 0, -60, tzStandard}},
        {"Australia/Sydney", "2024-01-15T12:00:00Z", {-600, 0, -60, tzDaylight}},
        {"Asia/Kolkata", "2024-07-01T12:00:00Z", {-330, 0, 0, tzUnknown}},
        {"Asia/Tokyo", "2024-07-01T12:00:00Z", {-540, 0, 0, tzUnknown}},
        {"UTC", "2024-07-01T12:00:00Z", {0, 0, 0, tzUnknown}},
        {"No/Such_Zone", "2024-07-01T12:00:00Z", {0, 0, 0, tzUnknown}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Zone) + " " + c.At);
        std::tm utc{};
        ASSERT_NE(strptime(c.At, "%Y-%m-%dT%H:%M:%SZ", &utc), nullptr);
        const std::int64_t msecs = static_cast<std::int64_t>(timegm(&utc)) * 1000;
        EXPECT_EQ(ZoneInformationAt(c.Zone, msecs), c.Expected);
    }
}

}  // namespace
}  // namespace plat
