#include "platform/system/DateTime.h"

#include "platform/core/Exception.h"

#include <gtest/gtest.h>

#include <limits>

using namespace plat;

namespace {

struct DateCase {
    int Year, Month, Day;
    TDateTime Serial;
};

const DateCase KnownDates[] = {
    {1899, 12, 30, 0},       {1899, 12, 29, -1},      {1900, 1, 1, 2},       {1850, 7, 14, -18066},
    {2000, 1, 1, 36526},     {2000, 2, 29, 36585},    {2000, 3, 1, 36586},   {1999, 3, 1, 36220},
    {2024, 3, 1, 45352},     {2100, 3, 1, 73110},     {1, 1, 1, -693593},    {9999, 12, 31, 2958465},
};

TEST(DateTime, EncodeAndDecodeKnownDates)
{
    for (const DateCase& c : KnownDates) {
        SCOPED_TRACE(testing::Message() << c.Year << '-' << c.Month << '-' << c.Day);
        EXPECT_EQ(EncodeDate(c.Year, c.Month, c.Day), c.Serial);
        // Before the epoch the fraction is still the time of day, so -1.75 is a day -1 evening.
        for (TDateTime time : {0.0, 0.75}) {
            int y = 0, m = 0, d = 0;
            DecodeDate(c.Serial < 0 ? c.Serial - time : c.Serial + time, y, m, d);
            EXPECT_EQ(y, c.Year);
            EXPECT_EQ(m, c.Month);
            EXPECT_EQ(d, c.Day);
        }
    }
}

TEST(DateTime, EveryDayOfTheRangeFollowsTheCalendar)
{
    int year = 1, month = 1, day = 1;
    for (int serial = -693593; serial <= 2958465; ++serial) {
        int y = 0, m = 0, d = 0;
        DecodeDate(serial, y, m, d);
        ASSERT_TRUE(y == year && m == month && d == day) << serial << ": " << y << '-' << m << '-' << d;
        ASSERT_EQ(EncodeDate(y, m, d), serial);
        if (++day > MonthDays(year, month)) {
            day = 1;
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
    }
}

TEST(DateTime, LeapYearsAndWeekDays)
{
    for (int year : {1600, 2000, 2024, 4}) {
        EXPECT_TRUE(IsLeapYear(year)) << year;
        EXPECT_EQ(MonthDays(year, 2), 29);
    }
    for (int year : {1700, 1900, 2100, 2023}) {
        EXPECT_FALSE(IsLeapYear(year)) << year;
        EXPECT_EQ(MonthDays(year, 2), 28);
    }
    EXPECT_THROW(MonthDays(2024, 13), EConvertError);

    struct Case {
        TDateTime Date;
        int Expected;
    };
    const Case days[] = {
        {0, 7},                            // 1899-12-30, a Saturday
        {-1.75, 6},                        // Friday evening
        {EncodeDate(2000, 1, 2), 1},       // Sunday
        {EncodeDate(2024, 3, 1) + 0.99, 6},
        {EncodeDate(1, 1, 1), 2},          // Monday
    };
    for (const Case& c : days)
        EXPECT_EQ(DayOfWeek(c.Date), c.Expected) << c.Date;
}

TEST(DateTime, InvalidDatesAreRefused)
{
    struct Case {
        int Year, Month, Day;
    };
    const Case cases[] = {{2023, 2, 29}, {2100, 2, 29}, {2024, 4, 31}, {2024, 13, 1}, {2024, 0, 1},
                          {2024, 1, 0},  {0, 1, 1},     {10000, 1, 1}, {-5, 1, 1}};
    for (const Case& c : cases) {
        TDateTime date = 123;
        EXPECT_FALSE(TryEncodeDate(c.Year, c.Month, c.Day, date)) << c.Year << '-' << c.Month << '-' << c.Day;
        EXPECT_EQ(date, 123);
        EXPECT_THROW(EncodeDate(c.Year, c.Month, c.Day), EConvertError);
    }
    int y = 0, m = 0, d = 0;
    for (TDateTime bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                          2958466.0, -693594.0, 1e300})
        EXPECT_THROW(DecodeDate(bad, y, m, d), EConvertError) << bad;
}

TEST(DateTime, TimesOfDay)
{
    struct Case {
        int Hour, Min, Sec, MSec;
        TDateTime Fraction;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 0}, {6, 0, 0, 0, 0.25}, {12, 0, 0, 0, 0.5}, {23, 59, 59, 999, 86399999.0 / 86400000}};
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(EncodeTime(c.Hour, c.Min, c.Sec, c.MSec), c.Fraction);
        for (TDateTime date : {45352.0, -18066.0}) {
            int h = -1, n = -1, s = -1, ms = -1;
            DecodeTime(date < 0 ? date - c.Fraction : date + c.Fraction, h, n, s, ms);
            EXPECT_TRUE(h == c.Hour && n == c.Min && s == c.Sec && ms == c.MSec)
                << date << ": " << h << ':' << n << ':' << s << '.' << ms;
        }
    }
    const Case invalid[] = {
        {24, 0, 0, 0, 0}, {0, 60, 0, 0, 0}, {0, 0, 60, 0, 0}, {0, 0, 0, 1000, 0}, {-1, 0, 0, 0, 0}};
    for (const Case& c : invalid)
        EXPECT_THROW(EncodeTime(c.Hour, c.Min, c.Sec, c.MSec), EConvertError) << c.Hour << ':' << c.Min;
}

TEST(DateTime, AHairBeforeMidnightIsTheNextDay)
{
    const TDateTimeParts parts = DecodeDateTime(EncodeDate(2024, 2, 29) + 0.9999999999);
    EXPECT_EQ(parts.Year, 2024);
    EXPECT_EQ(parts.Month, 3);
    EXPECT_EQ(parts.Day, 1);
    EXPECT_EQ(parts.Hour + parts.Min + parts.Sec + parts.MSec, 0);
}

}  // namespace
