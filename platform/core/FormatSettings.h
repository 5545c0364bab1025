#pragma once

#include <array>
#include <string>

namespace plat {

// How numbers, dates and times are written and read. The process has one mutable instance;
// tests set the fields they depend on.
struct TFormatSettings {
    char DecimalSeparator = '.';
    char ThousandSeparator = ',';
    char DateSeparator = '/';
    char TimeSeparator = ':';
    std::string ShortDateFormat = "dd/mm/yyyy";
    std::string LongDateFormat = "dddd d mmmm yyyy";
    std::string ShortTimeFormat = "hh:nn";
    std::string LongTimeFormat = "hh:nn:ss";
    // Years a two-digit year read as a date may lie before the current year; 0 keeps the
    // current century.
    int TwoDigitYearCenturyWindow = 50;
    std::string TimeAMString = "AM";
    std::string TimePMString = "PM";
    std::array<std::string, 12> ShortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 12> LongMonthNames{"January", "February", "March",     "April",
                                               "May",     "June",     "July",      "August",
                                               "September", "October", "November", "December"};
    // Sunday first.
    std::array<std::string, 7> ShortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 7> LongDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};
};

// The process-wide settings every formatting routine reads unless it is given its own.
TFormatSettings& FormatSettings();

TFormatSettings DefaultFormatSettings();

}  // namespace plat
