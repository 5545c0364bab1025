#pragma once

#include "platform/system/DateTime.h"

#include <string>
#include <string_view>

namespace plat {

struct TFormatSettings;

// Writes DateTime by a pattern (letters in either case):
//   d dd         day without / with leading zero       ddd dddd   short / long day name
//   ddddd        the short date format                 dddddd     the long date format
//   m mm         month without / with leading zero     mmm mmmm   short / long month name
//   yy yyyy      two / four digit year
//   h hh         hour                                  n nn       minute
//   s ss         second                                z zzz      millisecond
//   t tt         the short / long time format          c          short date, then the long time
//                                                                  when the time is not midnight
//   am/pm a/p    "am"/"pm" or "a"/"p" in the pattern's own case; ampm: the settings' strings;
//                any of them after h or hh turns that hour to the 12-hour clock
//   /  :         the date / time separator             '..' ".."  literal text
// m or mm coming right after h or hh (other letters reset that) means minutes. Any other
// character is copied. An empty pattern is "c". Names and separators come from the settings.
std::string FormatDateTime(std::string_view Format, TDateTime DateTime);
std::string FormatDateTime(std::string_view Format, TDateTime DateTime, const TFormatSettings& Settings);

// Reads a date written in the settings' short date format: day, month and year as numbers in the
// order the format names them, apart by the format's separator ('/' in the format standing for
// the settings' date separator), with blanks allowed around the text and the numbers. A year of one
// or two digits lies within the settings' century window: at most TwoDigitYearCenturyWindow years
// before the clock's current year and less than 100 - TwoDigitYearCenturyWindow after it (0 takes
// the current century). False, leaving Date alone, for anything else: missing or extra fields,
// letters, impossible dates such as 31 February, years outside 1..9999.
bool TryStrToDate(std::string_view Text, TDateTime& Date, const TFormatSettings& Settings);

}  // namespace plat
