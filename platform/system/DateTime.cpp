#include "platform/system/DateTime.h"

#include "platform/core/Exception.h"
#include "platform/system/MathRoutines.h"

#include <cmath>
#include <cstdint>

namespace plat {

namespace {

// Day 1 is 0001-01-01 in this count; 1899-12-30 is day 693594.
constexpr std::int64_t DateDelta = 693594;
constexpr std::int64_t DaysPer400Years = 146097;
constexpr std::int64_t DaysPer100Years = 36524;
constexpr std::int64_t DaysPer4Years = 1461;
constexpr std::int64_t FirstDay = 1;                  // 0001-01-01
constexpr std::int64_t LastDay = 3652059;             // 9999-12-31

constexpr int DaysOfMonth[2][12] = {
    {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};

bool ValidYear(int Year) { return Year >= 1 && Year <= 9999; }

void DaysToDate(std::int64_t DayNumber, int& Year, int& Month, int& Day)
{
    std::int64_t d = DayNumber - 1;
    const std::int64_t cycles400 = d / DaysPer400Years;
    d %= DaysPer400Years;
    std::int64_t cycles100 = d / DaysPer100Years;
    if (cycles100 == 4)  // the last day of a leap 400th year
        cycles100 = 3;
    d -= cycles100 * DaysPer100Years;
    const std::int64_t cycles4 = d / DaysPer4Years;
    d %= DaysPer4Years;
    std::int64_t years = d / 365;
    if (years == 4)  // the last day of a leap 4th year
        years = 3;
    d -= years * 365;
    Year = static_cast<int>(cycles400 * 400 + cycles100 * 100 + cycles4 * 4 + years + 1);
    const int* days = DaysOfMonth[IsLeapYear(Year) ? 1 : 0];
    Month = 1;
    while (d >= days[Month - 1]) {
        d -= days[Month - 1];
        ++Month;
    }
    Day = static_cast<int>(d) + 1;
}

// Whole milliseconds since 1899-12-30 00:00 in the signed-day convention: the day count keeps
// the sign of DateTime, the time of day is the absolute fraction.
struct TStamp {
    std::int64_t DayNumber;  // 1 = 0001-01-01
    std::int64_t TimeMs;     // 0 .. MSecsPerDay - 1
};

TStamp ToStamp(TDateTime DateTime)
{
    constexpr double Limit = static_cast<double>(LastDay - DateDelta + 1);
    if (!std::isfinite(DateTime) || std::fabs(DateTime) > Limit)
        throw EConvertError("Invalid date and time value %g", {DateTime});
    const std::int64_t ms = Round(DateTime * MSecsPerDay);
    TStamp stamp{DateDelta + ms / MSecsPerDay, (ms < 0 ? -ms : ms) % MSecsPerDay};
    if (stamp.DayNumber < FirstDay || stamp.DayNumber > LastDay)
        throw EConvertError("Invalid date and time value %g", {DateTime});
    return stamp;
}

}  // namespace

bool IsLeapYear(int Year)
{
    return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0);
}

int MonthDays(int Year, int Month)
{
    if (!ValidYear(Year) || Month < 1 || Month > 12)
        throw EConvertError("Invalid month %d of year %d", {Month, Year});
    return DaysOfMonth[IsLeapYear(Year) ? 1 : 0][Month - 1];
}

bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Date)
{
    if (!ValidYear(Year) || Month < 1 || Month > 12 || Day < 1 || Day > MonthDays(Year, Month))
        return false;
    const int* days = DaysOfMonth[IsLeapYear(Year) ? 1 : 0];
    std::int64_t dayOfYear = Day;
    for (int m = 1; m < Month; ++m)
        dayOfYear += days[m - 1];
    const std::int64_t y = Year - 1;
    Date = static_cast<TDateTime>(y * 365 + y / 4 - y / 100 + y / 400 + dayOfYear - DateDelta);
    return true;
}

TDateTime EncodeDate(int Year, int Month, int Day)
{
    TDateTime date = 0;
    if (!TryEncodeDate(Year, Month, Day, date))
        throw EConvertError("Invalid argument to date encode: %d-%d-%d", {Year, Month, Day});
    return date;
}

TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec)
{
    if (Hour < 0 || Hour >= HoursPerDay || Min < 0 || Min >= 60 || Sec < 0 || Sec >= 60 || MSec < 0
        || MSec >= 1000)
        throw EConvertError("Invalid argument to time encode: %d:%d:%d.%d", {Hour, Min, Sec, MSec});
    const int ms = ((Hour * 60 + Min) * 60 + Sec) * 1000 + MSec;
    return static_cast<TDateTime>(ms) / MSecsPerDay;
}

TDateTimeParts DecodeDateTime(TDateTime DateTime)
{
    const TStamp stamp = ToStamp(DateTime);
    TDateTimeParts parts;
    DaysToDate(stamp.DayNumber, parts.Year, parts.Month, parts.Day);
    std::int64_t ms = stamp.TimeMs;
    parts.MSec = static_cast<int>(ms % 1000);
    ms /= 1000;
    parts.Sec = static_cast<int>(ms % 60);
    ms /= 60;
    parts.Min = static_cast<int>(ms % 60);
    parts.Hour = static_cast<int>(ms / 60);
    return parts;
}

void DecodeDate(TDateTime DateTime, int& Year, int& Month, int& Day)
{
    const TDateTimeParts parts = DecodeDateTime(DateTime);
    Year = parts.Year;
    Month = parts.Month;
    Day = parts.Day;
}

void DecodeTime(TDateTime DateTime, int& Hour, int& Min, int& Sec, int& MSec)
{
    const TDateTimeParts parts = DecodeDateTime(DateTime);
    Hour = parts.Hour;
    Min = parts.Min;
    Sec = parts.Sec;
    MSec = parts.MSec;
}

int DayOfWeek(TDateTime DateTime)
{
    // Day 1 (0001-01-01) was a Monday.
    return static_cast<int>(ToStamp(DateTime).DayNumber % 7) + 1;
}

}  // namespace plat
