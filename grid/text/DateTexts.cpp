#include "grid/text/DateTexts.h"

#include "grid/text/LocaleSettings.h"
#include "grid/text/NumberTexts.h"
#include "grid/text/TextTrim.h"
#include "platform/core/Exception.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace skelda::grid {

namespace {

// Date and time fields are read as unsigned 16-bit numbers: a negative or larger field is no
// date.
constexpr int MaxField = 0xFFFF;

bool TryField(std::string_view Text, int Max, int& Value)
{
    return TryTextToInt(Text, Value) && Value >= 0 && Value <= std::min(Max, MaxField);
}

// Splits off the part of Rest before the first Separator and the separator itself.
bool TakeField(std::string_view& Rest, char Separator, std::string_view& Field)
{
    const std::size_t found = Rest.find(Separator);
    if (found == std::string_view::npos)
        return false;
    Field = Rest.substr(0, found);
    Rest.remove_prefix(found + 1);
    return true;
}

// A date plus a time of day; before 1899-12-30 the time of day counts away from zero.
plat::TDateTime CombineDateAndTime(plat::TDateTime Date, plat::TDateTime Time)
{
    return Date < 0 ? Date - Time : Date + Time;
}

enum TDatePart { dpDay, dpMonth, dpYear };

// The date parts in the order the short date format writes them.
std::array<TDatePart, 3> DatePartOrder()
{
    std::string format = UtilShortDateFormat();
    std::transform(format.begin(), format.end(), format.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    const auto position = [&format](char letter) {
        const std::size_t found = format.find(letter);
        return found == std::string::npos ? 0 : found + 1;
    };
    const std::array<std::size_t, 3> positions{position('D'), position('M'), position('Y')};
    std::array<TDatePart, 3> order{dpDay, dpMonth, dpYear};
    std::stable_sort(order.begin(), order.end(),
                     [&positions](TDatePart a, TDatePart b) { return positions[a] < positions[b]; });
    return order;
}

bool TryParseTime(std::string_view Text, plat::TDateTime& Time)
{
    const char separator = UtilTimeSeparator();
    std::string_view hourText;
    if (!TakeField(Text, separator, hourText))
        return false;
    std::string_view minuteText = Text;
    std::string_view secondText;
    const bool withSeconds = TakeField(Text, separator, minuteText);
    if (withSeconds)
        secondText = Text;
    int hour = 0;
    int minute = 0;
    int second = 0;
    if (!TryField(hourText, 23, hour) || !TryField(minuteText, 59, minute))
        return false;
    if (withSeconds && !TryField(secondText, 59, second))
        return false;
    Time = plat::EncodeTime(hour, minute, second, 0);
    return true;
}

// EncodeDate for a year computed in 64 bits, so that a huge year or step raises naming the year
// it came to instead of wrapping around.
plat::TDateTime EncodeDateOfYear(std::int64_t Year, int Month, int Day)
{
    if (Year < 1 || Year > 9999)
        throw plat::EConvertError("Invalid argument to date encode: %d-%d-%d", {Year, Month, Day});
    return plat::EncodeDate(static_cast<int>(Year), Month, Day);
}

enum TShortDateOrder { sdMonthFirst, sdDayFirst };

plat::TDateTime ShortDateToDate(std::string_view Text, TShortDateOrder Order)
{
    const auto candidates = {'/', '.', '-'};
    const auto separator = std::find_if(candidates.begin(), candidates.end(), [Text](char candidate) {
        return Text.find(candidate) != std::string_view::npos;
    });
    if (separator == candidates.end())
        return 0;
    std::string_view firstText;
    std::string_view secondText;
    int first = 0;
    int second = 0;
    int year = 0;
    if (!TakeField(Text, *separator, firstText) || !TryTextToInt(firstText, first))
        return 0;
    if (!TakeField(Text, *separator, secondText) || !TryTextToInt(secondText, second) || !TryTextToInt(Text, year))
        return 0;
    const std::int64_t fullYear = std::int64_t{year} + (year >= 0 && year <= 25 ? 2000 : 1900);
    return Order == sdMonthFirst ? EncodeDateOfYear(fullYear, first, second) : EncodeDateOfYear(fullYear, second, first);
}

}  // namespace

bool ParseDateTimeText(std::string_view Text, plat::TDateTime& Value)
{
    const char separator = UtilDateSeparator();
    std::string_view firstText;
    std::string_view secondText;
    if (!TakeField(Text, separator, firstText) || !TakeField(Text, separator, secondText))
        return false;
    std::string_view rest = TrimText(Text);
    std::string_view thirdText = rest;
    std::string_view timeText;
    if (const std::size_t space = rest.find(' '); space != std::string_view::npos) {
        thirdText = rest.substr(0, space);
        timeText = rest.substr(space);
    }
    std::array<int, 3> fields{};
    const std::array<TDatePart, 3> order = DatePartOrder();
    const std::array<std::string_view, 3> texts{firstText, secondText, thirdText};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (!TryField(texts[i], MaxField, fields[order[i]]))
            return false;
    }
    if (fields[dpDay] > 31 || fields[dpMonth] > 12)
        return false;
    plat::TDateTime date = 0;
    if (!plat::TryEncodeDate(fields[dpYear], fields[dpMonth], fields[dpDay], date))
        return false;
    plat::TDateTime time = 0;
    if (!timeText.empty() && !TryParseTime(timeText, time))
        return false;
    Value = CombineDateAndTime(date, time);
    return true;
}

plat::TDateTime ShortDateUSToDate(std::string_view Text) { return ShortDateToDate(Text, sdMonthFirst); }

plat::TDateTime ShortDateEUToDate(std::string_view Text) { return ShortDateToDate(Text, sdDayFirst); }

plat::TDateTime IncDateStep(int Years, int Months, int Days, double StepDays, plat::TDateTime Date)
{
    const int steps = (Years != 0) + (Months != 0) + (Days != 0);
    if (steps != 1)
        return Date + StepDays;
    if (Days != 0)
        return Date + Days;
    // Day and time of day from one rounding: a value a hair before midnight is 00:00 of the next
    // day, and its fraction must not carry the result into the day after.
    const plat::TDateTimeParts start = plat::DecodeDateTime(Date);
    std::int64_t year = start.Year;
    int month = start.Month;
    if (Years != 0) {
        year += Years;
    } else {
        const std::int64_t monthIndex = std::int64_t{month} - 1 + Months;
        const std::int64_t yearShift = monthIndex >= 0 ? monthIndex / 12 : -((11 - monthIndex) / 12);
        year += yearShift;
        month = static_cast<int>(monthIndex - 12 * yearShift + 1);
    }
    const plat::TDateTime timeOfDay = plat::EncodeTime(start.Hour, start.Min, start.Sec, start.MSec);
    return CombineDateAndTime(EncodeDateOfYear(year, month, start.Day), timeOfDay);
}

}  // namespace skelda::grid
