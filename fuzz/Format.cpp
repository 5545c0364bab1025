// Formats and number texts: Format with any format string raises EConvertError or writes a text
// of bounded size; FloatToStr and the numeric forms of Format and FormatFloat write what
// StrToFloat reads back, as close to the value as their digits allow; FormatDateTime takes any
// pattern; a date decoded and encoded again is the same date; a date read in the short date
// format reads back from what that format writes.
//
// The first byte picks the check and the separators; values are taken from the next 8 bytes.

#include "FuzzSupport.h"
#include "TakeValue.h"

#include "platform/core/Exception.h"
#include "platform/core/Format.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/Utf8.h"
#include "platform/system/Conversions.h"
#include "platform/system/DateTime.h"
#include "platform/system/DateTimeFormat.h"
#include "platform/system/FloatFormat.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <string>

using skelda::fuzz::Check;
using skelda::fuzz::Take;

namespace {

// Format refuses widths and precisions past this one.
constexpr std::size_t MaxFormatWidth = 65536;
// The longest a conversion writes before padding: a float of 309 integer digits with thousand
// separators and 18 decimals, or the longest text argument.
constexpr std::size_t MaxConversionLength = 512;
// FloatToStr and Format's default show 15 significant digits: half a unit of the last one,
// relative to the value, plus the rounding of the reader.
constexpr double FifteenDigitsTolerance = 5.5e-15;

plat::TFormatSettings SettingsFor(std::uint8_t Selector)
{
    static constexpr char Separators[][2] = {{'.', ','}, {',', '.'}, {',', ' '}, {'.', '\''}};
    plat::TFormatSettings settings = plat::DefaultFormatSettings();
    const auto& pair = Separators[(Selector >> 4) % std::size(Separators)];
    settings.DecimalSeparator = pair[0];
    settings.ThousandSeparator = pair[1];
    return settings;
}

std::string WithoutThousands(std::string Text, const plat::TFormatSettings& Settings)
{
    Text.erase(std::remove(Text.begin(), Text.end(), Settings.ThousandSeparator), Text.end());
    return Text;
}

// Reads Text back and checks that it lies within Tolerance of Value.
void CheckReadsBack(const std::string& Text, double Value, double Tolerance, const plat::TFormatSettings& Settings,
                    const char* Writer)
{
    double read = 0;
    Check(plat::TryStrToFloat(Text, read, Settings), Writer, "wrote '" + Text + "', which StrToFloat refuses");
    Check(std::fabs(read - Value) <= Tolerance, Writer, "wrote '" + Text + "' for " + plat::FloatToStr(Value));
}

// 15 significant digits are lossy by design (0.1 + 0.2 gives "0.3"): the text reads back to the
// value within those digits and, for normal numbers, writes the same text again.
void CheckFloatToStr(double Value, const plat::TFormatSettings& Settings)
{
    const std::string text = plat::FloatToStr(Value, Settings);
    if (!std::isfinite(Value))
        return;
    const double tolerance = std::fabs(Value) * FifteenDigitsTolerance + std::numeric_limits<double>::denorm_min();
    CheckReadsBack(text, Value, tolerance, Settings, "FloatToStr");
    const double read = plat::StrToFloat(text, Settings);
    if (std::fabs(read) >= std::numeric_limits<double>::min())
        Check(plat::FloatToStr(read, Settings) == text, "FloatToStr of the value read back differs", text);
}

void CheckFormat(std::string_view Fmt, const plat::TFormatSettings& Settings)
{
    std::string out;
    try {
        out = plat::Format(Fmt,
                           {-5, 255u, std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::uint64_t>::max(),
                            short{-1}, 2.675, -1.0e308, 5e-324, std::numeric_limits<double>::quiet_NaN(),
                            "caf\xC3\xA9", ""},
                           Settings);
    } catch (const plat::EConvertError&) {
        return;
    }
    const auto specifiers = static_cast<std::size_t>(std::count(Fmt.begin(), Fmt.end(), '%'));
    Check(out.size() <= Fmt.size() + specifiers * (MaxFormatWidth + MaxConversionLength), "formatted text too long",
          std::to_string(out.size()));
    if (plat::IsValidUtf8(Fmt))
        Check(plat::IsValidUtf8(out), "Format made ill-formed UTF-8 of well-formed text");
}

// Format's numeric conversions with a precision from the input.
void CheckFormatReadsBack(std::string_view Text, const plat::TFormatSettings& Settings)
{
    const double value = Take<double>(Text);
    if (!std::isfinite(value) || Text.size() < 2)
        return;
    const char type = "efgnm"[static_cast<unsigned char>(Text[0]) % 5];
    const int precision = static_cast<unsigned char>(Text[1]) % 21;
    const std::string text = plat::Format("%." + std::to_string(precision) + type, {value}, Settings);
    double tolerance = std::fabs(value) * FifteenDigitsTolerance + std::numeric_limits<double>::denorm_min();
    if (type == 'e' || type == 'g')
        tolerance += std::fabs(value) * 0.5 * std::pow(10.0, 1 - std::clamp(precision, 1, 15));
    else
        tolerance += 0.5 * std::pow(10.0, -std::min(precision, 18));
    // Rounded to fewer digits, the largest values may lie past the largest double, which no
    // reader takes.
    if (std::fabs(value) < 1e307)
        CheckReadsBack(WithoutThousands(text, Settings), value, tolerance, Settings, "Format");
}

// A picture of digit places only, such as "#,##0.00" or "0.###E+00": what it writes is a
// number that StrToFloat reads once the thousand separators are left out.
struct TDigitPicture {
    bool Valid = false;
    bool Scientific = false;
    int IntegerPlaces = 0;
    int FractionPlaces = 0;
};

TDigitPicture ReadDigitPicture(std::string_view Pattern)
{
    TDigitPicture picture;
    const auto isPlace = [&](std::size_t i) {
        return i < Pattern.size() && (Pattern[i] == '0' || Pattern[i] == '#' || Pattern[i] == ',');
    };
    bool integerZero = false;
    std::size_t i = 0;
    for (; isPlace(i); ++i) {
        integerZero = integerZero || Pattern[i] == '0';
        picture.IntegerPlaces += Pattern[i] != ',';
    }
    if (i < Pattern.size() && Pattern[i] == '.')
        for (++i; isPlace(i); ++i)
            picture.FractionPlaces += Pattern[i] != ',';
    if (i + 1 < Pattern.size() && (Pattern[i] == 'E' || Pattern[i] == 'e') && (Pattern[i + 1] == '+' || Pattern[i + 1] == '-')) {
        picture.Scientific = true;
        for (i += 2; i < Pattern.size() && Pattern[i] == '0'; ++i) {
        }
    }
    picture.Valid = i == Pattern.size() && integerZero;
    return picture;
}

void CheckFormatFloat(std::string_view Text, const plat::TFormatSettings& Settings)
{
    const double value = Take<double>(Text);
    const std::string text = plat::FormatFloat(Text, value, Settings);
    if (!std::isfinite(value))
        return;
    Check(text.size() <= 2 * Text.size() + 64, "FormatFloat wrote a text too long for its pattern",
          std::to_string(text.size()));
    if (plat::IsValidUtf8(Text))
        Check(plat::IsValidUtf8(text), "FormatFloat made ill-formed UTF-8 of well-formed text");
    const TDigitPicture picture = ReadDigitPicture(Text);
    if (!picture.Valid || std::fabs(value) >= 1e307)
        return;
    double tolerance = std::fabs(value) * FifteenDigitsTolerance + std::numeric_limits<double>::denorm_min();
    if (picture.Scientific) {
        const int significant = std::clamp(picture.IntegerPlaces + picture.FractionPlaces, 1, 17);
        tolerance += std::fabs(value) * 0.5 * std::pow(10.0, 1 - significant);
    } else {
        tolerance += 0.5 * std::pow(10.0, -picture.FractionPlaces);
    }
    CheckReadsBack(WithoutThousands(text, Settings), value, tolerance, Settings, "FormatFloat");
}

void CheckStrToFloat(std::string_view Text, const plat::TFormatSettings& Settings)
{
    double value = 0;
    const bool read = plat::TryStrToFloat(Text, value, Settings);
    bool raised = false;
    try {
        Check(plat::StrToFloat(Text, Settings) == value || !read, "StrToFloat differs from TryStrToFloat");
    } catch (const plat::EConvertError&) {
        raised = true;
    }
    Check(raised != read, "StrToFloat and TryStrToFloat disagree on whether the text is a number");
    if (!read)
        return;
    Check(std::isfinite(value), "StrToFloat read a value that is not finite");
    CheckFloatToStr(value, Settings);
}

void CheckFormatDateTime(std::string_view Text, const plat::TFormatSettings& Settings)
{
    const double value = Take<double>(Text);
    std::string text;
    try {
        text = plat::FormatDateTime(Text, value, Settings);
    } catch (const plat::EConvertError&) {
        return;
    }
    // The longest a specifier writes is a nested format of the settings.
    Check(text.size() <= 64 * Text.size() + 64, "FormatDateTime wrote a text too long for its pattern",
          std::to_string(text.size()));
    if (plat::IsValidUtf8(Text))
        Check(plat::IsValidUtf8(text), "FormatDateTime made ill-formed UTF-8 of well-formed text");
}

// Before 1899-12-30 the time of day counts away from zero, so -0.25 and 0.25 are the same
// moment: the check compares the decoded parts, not the values.
void CheckDateParts(std::string_view Text)
{
    const double value = Take<double>(Text);
    plat::TDateTimeParts parts;
    try {
        parts = plat::DecodeDateTime(value);
    } catch (const plat::EConvertError&) {
        return;
    }
    Check(parts.Year >= 1 && parts.Year <= 9999 && parts.Month >= 1 && parts.Month <= 12 && parts.Day >= 1
              && parts.Day <= plat::MonthDays(parts.Year, parts.Month),
          "decoded date does not exist");
    const plat::TDateTime date = plat::EncodeDate(parts.Year, parts.Month, parts.Day);
    const plat::TDateTime time = plat::EncodeTime(parts.Hour, parts.Min, parts.Sec, parts.MSec);
    const plat::TDateTime again = date < 0 ? date - time : date + time;
    const plat::TDateTimeParts partsAgain = plat::DecodeDateTime(again);
    Check(partsAgain.Year == parts.Year && partsAgain.Month == parts.Month && partsAgain.Day == parts.Day
              && partsAgain.Hour == parts.Hour && partsAgain.Min == parts.Min && partsAgain.Sec == parts.Sec
              && partsAgain.MSec == parts.MSec,
          "date and time encoded again decode to other parts");
    Check(plat::DayOfWeek(again) == plat::DayOfWeek(value), "the same date falls on another week day");
}

}  // namespace

// A date typed in the short date format: what TryStrToDate reads is a whole day, which the
// short date format writes as a text that reads back to that day. Four-digit years only: a
// two-digit year written back reads in the century window, not as the day it came from.
void CheckStrToDate(std::string_view Text, std::uint8_t Selector)
{
    static constexpr const char* Formats[] = {"dd/mm/yyyy", "m/d/yyyy", "yyyy/mm/dd", "d/m/yyyy"};
    static constexpr char Separators[] = {'/', '.', '-'};
    plat::TFormatSettings settings = plat::DefaultFormatSettings();
    settings.ShortDateFormat = Formats[(Selector >> 3) % std::size(Formats)];
    settings.DateSeparator = Separators[(Selector >> 5) % std::size(Separators)];
    plat::TDateTime date = 0;
    if (!plat::TryStrToDate(Text, date, settings))
        return;
    Check(date == std::floor(date), "a date read with a time of day", std::string(Text));
    const std::string written = plat::FormatDateTime(settings.ShortDateFormat, date, settings);
    plat::TDateTime again = 0;
    Check(plat::TryStrToDate(written, again, settings) && again == date, "a date written does not read back",
          std::string(Text) + " -> " + written);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const auto [selector, text] = skelda::fuzz::Select(Data, Size);
    const plat::TFormatSettings settings = SettingsFor(selector);
    switch (selector % 8) {
    case 0: CheckFormat(text, settings); break;
    case 1: CheckFormatReadsBack(text, settings); break;
    case 2: CheckFormatFloat(text, settings); break;
    case 3: {
        std::string_view rest = text;
        CheckFloatToStr(Take<double>(rest), settings);
        break;
    }
    case 4: CheckStrToFloat(text, settings); break;
    case 5: CheckFormatDateTime(text, settings); break;
    case 6: CheckDateParts(text); break;
    case 7: CheckStrToDate(text, selector); break;
    }
    return 0;
}
