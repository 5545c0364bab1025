#pragma once

#include "platform/core/FormatSettings.h"
#include "platform/core/TVarRec.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace plat {

// Formats like the widget library's Format: "%" [index ":"] ["-"] [width] ["." precision] type,
// with index, width and precision given as digits or "*" (taken from the next argument).
//   d  integer, precision = least digits        u  integer as unsigned of its own size
//   x  integer in upper-case hex                 s  text, precision = most code points
//   e  scientific, precision = significant digits (default 15), exponent "E+ddd"
//   f  fixed, precision = decimals (default 2)   g  shortest of fixed and scientific
//   n  fixed with thousand separators            m  money: as n, two decimals by default
//   %% a percent sign
// Width and precision count code points. Decimals are rounded half away from zero on the
// value's 15 significant digits, so 2.675 gives "2.68" as a user expects.
// The format is data, never handed to printf: a missing argument, an argument of the wrong
// kind or a malformed specifier raises EConvertError.
std::string Format(std::string_view fmt, std::initializer_list<TVarRec> args);
std::string Format(std::string_view fmt, std::initializer_list<TVarRec> args,
                   const TFormatSettings& settings);

}  // namespace plat
