#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace plat {

struct TFormatSettings;

// A decimal number with the settings' decimal separator and an optional exponent ("-1,5E3" when
// the separator is ','), blanks allowed around it. No thousands separators. A value too small for
// a double reads as zero; one too large is invalid.
bool TryStrToFloat(std::string_view S, double& Value);
bool TryStrToFloat(std::string_view S, double& Value, const TFormatSettings& Settings);
// EConvertError "'<S>' is not a valid floating point value" where TryStrToFloat fails.
double StrToFloat(std::string_view S);
double StrToFloat(std::string_view S, const TFormatSettings& Settings);

// A 32-bit decimal integer with an optional sign, leading blanks allowed.
// EConvertError "'<S>' is not a valid integer value" otherwise, also when out of range.
int StrToInt(std::string_view S);
int StrToIntDef(std::string_view S, int Default);

std::string IntToStr(std::int64_t Value);

// Without the control characters and blanks (every byte up to ' ') at both ends.
std::string Trim(std::string_view S);

}  // namespace plat
