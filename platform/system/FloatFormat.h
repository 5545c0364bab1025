#pragma once

#include <string>
#include <string_view>

namespace plat {

struct TFormatSettings;

// Writes Value by a picture. Up to three sections separated by ';' (positive;negative;zero); an
// empty or missing negative section gives the first one with a leading minus, an empty or missing
// zero section the first one. A value that rounds to zero in its section counts as zero and never
// shows a minus sign. Within a section:
//   0      a digit, always shown          #   a digit, shown only when significant
//   .      the decimal separator (first one only; shown only when decimals follow)
//   ,      anywhere: group the integer part by thousands
//   E+0 E-0 e+0 e-0   scientific form; the zeros give the least number of exponent digits
//                     (at most 4), "+" also shows the sign of positive exponents
//   '..' ".."         literal text;  any other character is copied as it is.
// The value is rounded half away from zero at the last digit shown, from its shortest exact
// decimal form (2.675 by "0.00" gives 2.68). An empty pattern, or a magnitude of 1E18 or more
// without an exponent in the pattern, gives FloatToStr. NaN and infinities give "NAN", "INF", "-INF".
std::string FormatFloat(std::string_view Format, double Value);
std::string FormatFloat(std::string_view Format, double Value, const TFormatSettings& Settings);

// The general form with at most 15 significant digits and no trailing zeros: plain for magnitudes
// from 1E-4 up to 15 integer digits, else "1.5E20" / "1E-5". StrToFloat reads every text it
// writes: the largest doubles, which would round past the largest one, are cut instead.
std::string FloatToStr(double Value);
std::string FloatToStr(double Value, const TFormatSettings& Settings);

}  // namespace plat
