#pragma once

#include <string>

namespace skelda::grid {

// The process-wide number and date settings, read afresh at every call: the main window and
// tests change them while grids are alive, so nothing may keep an old copy.
char UtilDateSeparator();
char UtilTimeSeparator();
char UtilThousandSeparator();
char UtilDecimalSeparator();
std::string UtilShortDateFormat();

}  // namespace skelda::grid
