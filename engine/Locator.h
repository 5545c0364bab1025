#pragma once

// Six-character grid locators (field letters A..R, square digits, sub-square letters A..X),
// converted to the south-west corner of their sub-square.

#include <string>
#include <string_view>

namespace skelda::engine {

enum class LocatorAxis { Latitude = 0, Longitude = 1 };

// One axis of a converted locator: degrees (latitude positive north, longitude positive east) and
// the hemisphere word "North"/"South" or "East"/"West".
struct TLoc {
    long double Coord = 0;
    std::string Cardinal;
};

// 0 when text (UTF-8, letters in either case) is a valid six-character locator; otherwise the
// number, counted in characters from 1, of the first character that is wrong or missing (a seventh
// character counts as wrong).
int FirstWrongLocatorCharacter(std::string_view text);

// The warning shown for a wrong character: "The character #n is not correct !", a line break, and
// "The QTH Locator format is RR99XX max".
std::string LocatorWarningText(int characterNumber);

// One axis of a valid locator (letters in either case). Throws std::invalid_argument with the
// warning text when the locator is not valid.
TLoc LocatorToCoord(std::string_view locator, LocatorAxis axis);

}  // namespace skelda::engine
