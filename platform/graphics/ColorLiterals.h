#pragma once

#include "platform/graphics/Colors.h"

#include <string>
#include <string_view>

namespace plat {

// The widget library's colour literals, as property files and markup write colours: a colour's
// name ("clRed", "clBtnFace", "clNone"; the constants of Colors.h), "$" with up to eight
// hexadecimal digits in 00BBGGRR order ("$000000FF" is red), or a decimal number (negative for
// the system colours, whose values have the top bit set).

// The name of a colour that has one; false (Ident left alone) for any other value.
bool ColorToIdent(TColor Color, std::string& Ident);
// A name, compared without regard to case; false (Color left alone) for an unknown one.
bool IdentToColor(std::string_view Ident, TColor& Color);

// The name where there is one, else "$" and eight upper-case hexadecimal digits.
std::string ColorToString(TColor Color);
// A name, "$" hexadecimal or decimal; anything else, an empty text or a number beyond 32 bits
// raises EConvertError "'<S>' is not a valid color value".
TColor StringToColor(std::string_view S);

}  // namespace plat
