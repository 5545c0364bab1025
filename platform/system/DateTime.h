#pragma once

namespace plat {

// Days since 1899-12-30 00:00; the fraction is the time of day. Before that day the integral part
// counts days backwards while the fraction stays the time of day taken as absolute, so -1.25 is
// 1899-12-29 06:00.
using TDateTime = double;

inline constexpr int HoursPerDay = 24;
inline constexpr int MinsPerDay = HoursPerDay * 60;
inline constexpr int SecsPerDay = MinsPerDay * 60;
inline constexpr int MSecsPerDay = SecsPerDay * 1000;

bool IsLeapYear(int Year);
// Days in the month (1..12) of the year (1..9999); EConvertError outside those ranges.
int MonthDays(int Year, int Month);

// Years 1..9999. Invalid arguments: false (Try) or EConvertError.
bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Date);
TDateTime EncodeDate(int Year, int Month, int Day);
// The date part of DateTime; EConvertError when it lies outside years 1..9999 or is not finite.
void DecodeDate(TDateTime DateTime, int& Year, int& Month, int& Day);

// A time of day as a fraction of a day; EConvertError unless Hour < 24, Min < 60, Sec < 60,
// MSec < 1000, all non-negative.
TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec);
// The time part of DateTime rounded to the nearest millisecond.
void DecodeTime(TDateTime DateTime, int& Hour, int& Min, int& Sec, int& MSec);

// Date and time of day together, from one rounding to the millisecond, so that a value a hair
// below midnight reads as 00:00:00.000 of the next day rather than as 24:00:00.000.
struct TDateTimeParts {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int Hour = 0;
    int Min = 0;
    int Sec = 0;
    int MSec = 0;
};
TDateTimeParts DecodeDateTime(TDateTime DateTime);

// 1 = Sunday .. 7 = Saturday.
int DayOfWeek(TDateTime DateTime);

}  // namespace plat
