#include "editcontrols/spin/SpinValueText.h"

#include "platform/core/Exception.h"
#include "platform/core/Format.h"
#include "platform/core/FormatSettings.h"
#include "platform/system/Conversions.h"
#include "platform/system/FloatFormat.h"
#include "platform/system/MathRoutines.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace skelda::editcontrols {

namespace {

bool SeparatorsDiffer()
{
    const plat::TFormatSettings& settings = plat::FormatSettings();
    return settings.ThousandSeparator != settings.DecimalSeparator;
}

// The text without the characters of Set at either end.
std::string Trimmed(const std::string& Text, const char* Set)
{
    const std::size_t first = Text.find_first_not_of(Set);
    if (first == std::string::npos)
        return {};
    return Text.substr(first, Text.find_last_not_of(Set) - first + 1);
}

std::optional<long double> ParseFloat(const std::string& Text)
{
    double value = 0;
    if (!plat::TryStrToFloat(Text, value))
        return std::nullopt;
    return value;
}

std::optional<long double> ParseInteger(const std::string& Text)
{
    try {
        return plat::StrToInt(Text);
    } catch (const plat::EConvertError&) {
        return std::nullopt;
    }
}

int HexDigitValue(char Ch)
{
    if (Ch >= '0' && Ch <= '9')
        return Ch - '0';
    if (Ch >= 'A' && Ch <= 'F')
        return Ch - 'A' + 10;
    if (Ch >= 'a' && Ch <= 'f')
        return Ch - 'a' + 10;
    return -1;
}

// Up to 32 bits of hexadecimal digits (leading zeros do not count), read as a signed 32-bit
// value.
std::optional<long double> ParseHex(const std::string& Text)
{
    if (Text.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char ch : Text) {
        const int digit = HexDigitValue(ch);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + static_cast<std::uint64_t>(digit);
        if (value > std::numeric_limits<std::uint32_t>::max())
            return std::nullopt;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// The integer kinds read 32 bits: a value beyond them is written as the nearest one they read.
long double HeldTo32Bits(long double Value)
{
    constexpr long double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr long double highest = std::numeric_limits<std::int32_t>::max();
    return std::clamp(Value, lowest, highest);
}

std::string HexText(long double Value)
{
    return plat::Format("%x", {static_cast<std::int32_t>(plat::Round(HeldTo32Bits(Value)))});
}

// The picture with its grouping commas left out (quoted literals kept as they are).
std::string WithoutGrouping(const std::string& Picture)
{
    std::string out;
    char quote = '\0';
    for (const char ch : Picture) {
        if (quote) {
            if (ch == quote)
                quote = '\0';
        } else if (ch == '\'' || ch == '"') {
            quote = ch;
        } else if (ch == ',') {
            continue;
        }
        out += ch;
    }
    return out;
}

}  // namespace

bool GroupsThousands(const TSpinTextFormat& Format)
{
    return Format.Thousands && Format.ValueType != vtHex && SeparatorsDiffer();
}

std::string StripThousandSeparators(std::string Text)
{
    if (SeparatorsDiffer())
        std::erase(Text, plat::FormatSettings().ThousandSeparator);
    return Text;
}

std::string CleanNumberText(std::string Text)
{
    const char decimal = plat::FormatSettings().DecimalSeparator;
    const char thousands = plat::FormatSettings().ThousandSeparator;
    Text = Trimmed(Text, " ");
    if (thousands != decimal)
        std::erase(Text, thousands);
    for (const char loose : {'.', ','})
        if (decimal != loose && thousands != loose)
            std::replace(Text.begin(), Text.end(), loose, decimal);
    std::erase_if(Text, [&](char ch) {
        return !(ch == '+' || ch == '-' || (ch >= '0' && ch <= '9') || ch == decimal || ch == thousands);
    });
    if (Text.empty())
        return "0";
    if (Text == "-")
        return "-0";
    return Text;
}

std::optional<long double> ParseSpinText(const std::string& Typed, const TSpinTextFormat& Format)
{
    // A pasted number often brings blanks along; only the float conversion would forgive them.
    const std::string Text = Trimmed(Typed, " \t");
    switch (Format.ValueType) {
    case vtFloat:
        if (!Format.DisplayFormat.empty())
            return ParseFloat(CleanNumberText(Text));
        return ParseFloat(StripThousandSeparators(Text));
    case vtHex:
        return ParseHex(Text);
    case vtInteger:
        return ParseInteger(StripThousandSeparators(Text));
    }
    return std::nullopt;
}

std::string FormatSpinValue(long double Value, const TSpinTextFormat& Format)
{
    if (Format.ValueType == vtHex)
        return HexText(Value);
    if (Format.ValueType == vtFloat && !Format.DisplayFormat.empty())
        return plat::FormatFloat(SeparatorsDiffer() ? Format.DisplayFormat : WithoutGrouping(Format.DisplayFormat),
                                 static_cast<double>(Value));
    const bool integer = Format.ValueType == vtInteger;
    const auto value = static_cast<double>(integer ? HeldTo32Bits(Value) : Value);
    return plat::Format(GroupsThousands(Format) ? "%.*n" : "%.*f", {integer ? 0 : Format.Decimal, value});
}

}  // namespace skelda::editcontrols
