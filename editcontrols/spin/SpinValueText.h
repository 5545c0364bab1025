#pragma once

#include "editcontrols/spin/SpinEditTypes.h"

#include <optional>
#include <string>

namespace skelda::editcontrols {

// How a spin edit writes its number and reads it back. Separators are those of the
// process-wide format settings, read at each call.
struct TSpinTextFormat {
    TValueType ValueType = vtInteger;
    // A FormatFloat picture for float values; empty writes Decimal fixed decimals.
    std::string DisplayFormat;
    int Decimal = 2;
    // Group the integer part of float and integer values by thousands.
    bool Thousands = false;
};

// Grouping is applied only where it can be read back: never to hexadecimal values, and never
// while the thousands separator equals the decimal separator (a grouped "1.234.5" would read as
// another number, or as none).
bool GroupsThousands(const TSpinTextFormat& Format);

// The number the text shows under the format's value type, blanks (spaces, tabs) around it
// allowed, nothing when it shows none: float
// texts in the decimal form (grouping allowed; with a display format also the separators of
// either kind and surrounding decoration), integer texts as a 32-bit decimal, hexadecimal ones
// as up to 32 bits of digits, "FFFFFFFF" being -1.
std::optional<long double> ParseSpinText(const std::string& Text, const TSpinTextFormat& Format);

// The text of a value: the display format's picture, or fixed notation with Decimal decimals
// (none for integers), grouped where GroupsThousands allows; hexadecimal values rounded half to
// even and written upper-case without prefix, negative ones as 32-bit two's complement. The
// integer kinds hold the value to 32 bits first, so that every text reads back as the value it
// shows.
std::string FormatSpinValue(long double Value, const TSpinTextFormat& Format);

// The text without thousands separators, or unchanged when they equal the decimal separator.
std::string StripThousandSeparators(std::string Text);

// A number typed or shown in any local style made readable by the float conversion: spaces
// trimmed, thousands separators dropped (unless equal to the decimal separator), "." and ","
// taken as the decimal separator where neither separator is that character, everything but
// signs, digits and separators dropped; "" becomes "0" and "-" becomes "-0".
std::string CleanNumberText(std::string Text);

}  // namespace skelda::editcontrols
