#pragma once

#include "platform/system/DateTime.h"

#include <string_view>

namespace skelda::grid {

// Reads a date written in the order of the short date format of the process-wide settings
// (the order of its D, M and Y), its fields split by the date separator, optionally followed
// after a blank by a time "h:m" or "h:m:s" split by the time separator. Fields are integers
// (leading blanks and a sign allowed); the year is taken as written (13 is the year 13).
// False, with Value untouched, for anything else or a date or time that does not exist.
bool ParseDateTimeText(std::string_view Text, plat::TDateTime& Value);

// Short dates split by the first of "/", "." and "-" that the text holds: month, day, year
// (US) or day, month, year (EU). Years 0 to 25 are 2000 to 2025, every other year y is
// 1900 + y (so four-digit years keep their order among themselves). 0 when the text does not
// split into three integers; a date that does not exist, one of a year outside 1..9999
// included, raises plat::EConvertError.
plat::TDateTime ShortDateUSToDate(std::string_view Text);
plat::TDateTime ShortDateEUToDate(std::string_view Text);

// The next date of a series that steps by whole years, whole months or whole days when exactly
// one of those counts is non-zero, and by StepDays otherwise. Year and month steps keep the day
// of the month and the time of day (to the millisecond, as DecodeDateTime reads them); a day that does not exist in the resulting month, or a
// year outside 1..9999, raises plat::EConvertError.
plat::TDateTime IncDateStep(int Years, int Months, int Days, double StepDays, plat::TDateTime Date);

}  // namespace skelda::grid
