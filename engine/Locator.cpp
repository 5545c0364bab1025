#include "engine/Locator.h"

#include <stdexcept>

namespace skelda::engine {

namespace {

constexpr int kLocatorLength = 6;

char UpperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool ValidAt(int position, char c)
{
    switch (position) {
    case 1:
    case 2:
        return c >= 'A' && c <= 'R';
    case 3:
    case 4:
        return c >= '0' && c <= '9';
    case 5:
    case 6:
        return c >= 'A' && c <= 'X';
    default:
        return false;
    }
}

}  // namespace

int FirstWrongLocatorCharacter(std::string_view text)
{
    int position = 0;
    for (const char c : text) {
        ++position;
        // A byte outside ASCII starts a character outside ASCII (or is a stray piece of one), and
        // such a character is always wrong: the check ends before counting its other bytes.
        if (!ValidAt(position, UpperAscii(c))) return position;
    }
    return position < kLocatorLength ? position + 1 : 0;
}

std::string LocatorWarningText(int characterNumber)
{
    return "The character #" + std::to_string(characterNumber) + " is not correct !\r\n" +
           "The QTH Locator format is RR99XX max";
}

TLoc LocatorToCoord(std::string_view locator, LocatorAxis axis)
{
    if (const int wrong = FirstWrongLocatorCharacter(locator); wrong != 0)
        throw std::invalid_argument(LocatorWarningText(wrong));

    const bool latitude = axis == LocatorAxis::Latitude;
    const std::size_t first = latitude ? 1 : 0;  // latitude reads characters 2, 4, 6
    const int field = UpperAscii(locator[first]) - 'A';
    const int square = locator[first + 2] - '0';
    const int subSquare = UpperAscii(locator[first + 4]) - 'A';

    // A sub-square is 5 minutes of longitude or 2.5 of latitude; 24 of them span a square.
    int degrees = latitude ? field * 10 + square : field * 20 + square * 2;
    long double minutes = latitude ? subSquare * 2.5L : subSquare * 5.0L;
    if (minutes >= 60) {
        const int wholeDegrees = static_cast<int>(minutes / 60);
        degrees += wholeDegrees;
        minutes -= 60 * wholeDegrees;
    }
    degrees -= latitude ? 90 : 180;

    TLoc loc;
    loc.Cardinal = latitude ? (degrees >= 0 ? "North" : "South") : (degrees >= 0 ? "East" : "West");
    loc.Coord = degrees + minutes / 60;
    return loc;
}

}  // namespace skelda::engine
