// The grid's text routines on cell texts, pastes and imported files: CSV quoting, number texts,
// short dates and date series, line-break forms, links, casing and text kinds. What
// one routine writes its partner reads back; dates raise EConvertError rather than wrap.
//
// The first byte picks the check, the second the number and date settings.

#include "FuzzSupport.h"
#include "TakeValue.h"

#include "grid/text/CharRoutines.h"
#include "grid/text/CsvQuoting.h"
#include "grid/text/DateTexts.h"
#include "grid/text/LineBreakForms.h"
#include "grid/text/LinkTexts.h"
#include "grid/text/NumberTexts.h"
#include "grid/text/TextCasing.h"
#include "grid/text/TextFields.h"
#include "grid/text/TextKinds.h"
#include "platform/core/Exception.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/Utf8.h"
#include "platform/system/Conversions.h"
#include "platform/system/DateTimeFormat.h"

#include <algorithm>
#include <array>
#include <optional>

using skelda::fuzz::Check;
using skelda::fuzz::Take;
namespace grid = skelda::grid;

namespace {

constexpr std::int64_t FirstDate = -693593;  // 0001-01-01
constexpr std::int64_t DateCount = 3652059;  // up to 9999-12-31

// Number and date settings a user might have, picked by the first byte of the text: the
// separators never clash with digits or signs.
void UseSettings(std::uint8_t Choice)
{
    static constexpr std::array<std::array<char, 2>, 4> NumberSeparators{{{'.', ','}, {',', '.'}, {',', '\''}, {'.', ' '}}};
    static constexpr std::array<const char*, 6> DateOrders{"dd/mm/yyyy", "mm/dd/yyyy", "yyyy/mm/dd",
                                                           "d/m/yyyy",   "m/d/yyyy",   "yyyy/m/d"};
    plat::TFormatSettings& settings = plat::FormatSettings();
    settings = plat::DefaultFormatSettings();
    settings.DecimalSeparator = NumberSeparators[Choice % 4][0];
    settings.ThousandSeparator = NumberSeparators[Choice % 4][1];
    settings.DateSeparator = "/.-"[Choice / 4 % 3];
    settings.TimeSeparator = ":."[Choice / 12 % 2];
    settings.ShortDateFormat = DateOrders[Choice / 24 % DateOrders.size()];
}

bool IsAscii(std::string_view Text)
{
    return std::all_of(Text.begin(), Text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

void CheckCsvQuoting(std::string_view Text)
{
    const std::string doubled = grid::DoubleQuoteChars(Text);
    Check(grid::CollapseDoubledChar(U'"', doubled) == Text, "collapsing doubled quotes did not give back the text");
    // A quoted field is closed whatever it holds: its quotes pair off.
    Check(grid::CountUnpairedQuotes(U'"', '"' + doubled + '"') % 2 == 0, "a quoted field does not close");

    int pos = -1;
    const int found = grid::FindUnpairedQuote(U'"', Text, pos);
    Check(found == pos, "FindUnpairedQuote stored another position");
    Check((found == 0) == (grid::CountUnpairedQuotes(U'"', Text) == 0), "finding and counting quotes disagree");
    if (found > 0)
        Check(plat::Utf8CodePointAt(Text, found) == U'"', "an unpaired quote that is no quote");
}

// What StrToFloat reads with "." as the decimal separator, whatever the magnitude:
// [-]digits[.digits][(e|E)[+|-]digits], with digits on at least one side of the point.
bool IsDecimalNumber(std::string_view Text)
{
    std::size_t pos = 0;
    const auto digits = [&] {
        const std::size_t start = pos;
        while (pos < Text.size() && Text[pos] >= '0' && Text[pos] <= '9')
            ++pos;
        return pos - start;
    };
    if (pos < Text.size() && Text[pos] == '-')
        ++pos;
    std::size_t mantissa = digits();
    if (pos < Text.size() && Text[pos] == '.') {
        ++pos;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (pos < Text.size() && (Text[pos] == 'e' || Text[pos] == 'E')) {
        ++pos;
        if (pos < Text.size() && (Text[pos] == '+' || Text[pos] == '-'))
            ++pos;
        if (digits() == 0)
            return false;
    }
    return pos == Text.size();
}

void CheckNumberTexts(std::string_view Text)
{
    const grid::TNumberTextClass kind = grid::ClassifyNumberText(Text);
    const std::string normal = grid::NormalizeNumberText(Text);
    Check(plat::IsValidUtf8(normal), "normalised number is ill-formed UTF-8");
    for (const char32_t c : plat::Utf8ToCodePoints(normal))
        Check(grid::IsPlainNumberChar(c), "normalised number holds another character");
    const bool number = kind == grid::ncInteger || kind == grid::ncNumber || kind == grid::ncExponent;
    if (number && IsAscii(Text) && Text.find_first_of("0123456789") != std::string_view::npos)
        Check(IsDecimalNumber(normal), "a number text does not normalise to a number", std::string(Text) + " -> " + normal);

    const char32_t thousand = static_cast<unsigned char>(plat::FormatSettings().ThousandSeparator);
    const std::u32string chars = plat::Utf8ToCodePoints(Text);
    const auto thousands = std::count(chars.begin(), chars.end(), thousand);
    Check(plat::Utf8Length(grid::NumberTextForVal(Text)) == static_cast<int>(chars.size() - thousands),
          "NumberTextForVal dropped more than the thousand separators");

    int value = 0;
    const bool read = grid::TryTextToInt(Text, value);
    try {
        Check(plat::StrToInt(Text) == value && read, "TryTextToInt differs from StrToInt");
    } catch (const plat::EConvertError&) {
        Check(!read, "TryTextToInt read what StrToInt refuses");
    }
}

// The year a short date text asks for: the integer after its second separator, the first of
// "/", "." and "-" that it holds, with two-digit years 0..25 taken as this century's.
std::optional<std::int64_t> ShortDateYear(std::string_view Text)
{
    for (const char separator : {'/', '.', '-'}) {
        const std::size_t first = Text.find(separator);
        if (first == std::string_view::npos)
            continue;
        const std::size_t second = Text.find(separator, first + 1);
        int year = 0;
        if (second == std::string_view::npos || !grid::TryTextToInt(Text.substr(second + 1), year))
            return std::nullopt;
        return std::int64_t{year} + (year >= 0 && year <= 25 ? 2000 : 1900);
    }
    return std::nullopt;
}

// Short dates: any text gives 0, a date of the year it asks for, or EConvertError naming that
// year.
void CheckShortDates(std::string_view Text)
{
    const std::optional<std::int64_t> year = ShortDateYear(Text);
    for (const auto parse : {grid::ShortDateUSToDate, grid::ShortDateEUToDate}) {
        try {
            if (const plat::TDateTime date = parse(Text); date != 0)
                Check(year && plat::DecodeDateTime(date).Year == *year, "a short date of another year");
        } catch (const plat::EConvertError& e) {
            Check(!year || e.Message().find(": " + std::to_string(*year) + "-") != std::string::npos,
                  "the error names another year than the text", e.Message());
        }
    }
    plat::TDateTime value = 0;
    if (grid::ParseDateTimeText(Text, value))
        plat::DecodeDateTime(value);
}

bool SameParts(const plat::TDateTimeParts& A, const plat::TDateTimeParts& B)
{
    return A.Year == B.Year && A.Month == B.Month && A.Day == B.Day && A.Hour == B.Hour && A.Min == B.Min
           && A.Sec == B.Sec && A.MSec == B.MSec;
}

// A step of whole years or months keeps the day and the time of day; one that leaves years
// 1..9999 or lands on a day the month lacks raises EConvertError, naming the year it came to.
void CheckIncDateStep(std::string_view Text)
{
    const auto kind = Take<std::uint8_t>(Text);
    const auto count = Take<std::int32_t>(Text);
    const double step = Take<double>(Text);
    const auto dayIndex = Take<std::uint32_t>(Text) % DateCount;
    // Any time of day, finer than the millisecond the calendar rounds to.
    const double timeOfDay = Take<std::uint32_t>(Text) / 4294967296.0;
    const plat::TDateTime date = static_cast<double>(FirstDate + dayIndex) + timeOfDay;
    const int years = kind % 3 == 0 ? count : 0;
    const int months = kind % 3 == 1 ? count : 0;
    const int days = kind % 3 == 2 ? count : 0;
    std::optional<plat::TDateTime> next;
    std::string error;
    try {
        next = grid::IncDateStep(years, months, days, step, date);
    } catch (const plat::EConvertError& e) {
        error = e.Message();
    }
    if (count == 0 || days != 0)
        return;
    const plat::TDateTimeParts start = plat::DecodeDateTime(date);
    plat::TDateTimeParts expected = start;
    const std::int64_t monthIndex = std::int64_t{start.Year} * 12 + start.Month - 1 + std::int64_t{years} * 12 + months;
    const std::int64_t year = monthIndex >= 0 ? monthIndex / 12 : -((11 - monthIndex) / 12);
    expected.Month = static_cast<int>(monthIndex - 12 * year) + 1;
    plat::TDateTime encoded = 0;
    const bool exists = year >= 1 && year <= 9999
                        && plat::TryEncodeDate(static_cast<int>(year), expected.Month, expected.Day, encoded);
    Check(exists == next.has_value(), "a step raised for an existing date or gave one that does not exist",
          std::to_string(year) + "-" + std::to_string(expected.Month) + "-" + std::to_string(expected.Day));
    if (!exists) {
        const bool inCalendar = year >= 1 && year <= 9999;
        Check(inCalendar || error.find(": " + std::to_string(year) + "-") != std::string::npos,
              "the error names another year than the step came to", error);
        return;
    }
    expected.Year = static_cast<int>(year);
    Check(SameParts(plat::DecodeDateTime(*next), expected), "a step changed the day or the time of day");
}

// A date written in the short date format and the time written after a blank read back as the
// same moment; two-digit years of 1926 .. 2025 read back through the short date readers.
void CheckDateRoundTrip(std::string_view Text)
{
    const auto dayIndex = Take<std::uint32_t>(Text) % DateCount;
    const auto seconds = Take<std::uint32_t>(Text) % 86'400;
    const plat::TDateTime date = static_cast<double>(FirstDate + dayIndex);
    const plat::TDateTime time = plat::EncodeTime(static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
                                                  static_cast<int>(seconds % 60), 0);
    const plat::TDateTime value = date < 0 ? date - time : date + time;
    const std::string written = plat::FormatDateTime(seconds == 0 ? "ddddd" : "ddddd hh:nn:ss", value);
    plat::TDateTime read = 0;
    Check(grid::ParseDateTimeText(written, read), "a written date is refused", written);
    Check(read == value, "a written date reads back as another", written);

    const plat::TDateTimeParts parts = plat::DecodeDateTime(date);
    if (parts.Year < 1926 || parts.Year > 2025)
        return;
    const std::string us = plat::FormatDateTime("m/d/yy", date);
    const std::string eu = plat::FormatDateTime("d/m/yy", date);
    Check(grid::ShortDateUSToDate(us) == date, "a US short date reads back as another", us);
    Check(grid::ShortDateEUToDate(eu) == date, "an EU short date reads back as another", eu);
}

// Only Encode and Decode undo each other in general; the other pairs do for the texts they are
// made for: CR LF line breaks and none of the characters their form uses itself.
void CheckLineBreakForms(std::string_view Text)
{
    const bool hasCR = Text.find('\r') != std::string_view::npos;
    const bool hasLF = Text.find('\n') != std::string_view::npos;
    if (Text.find_first_of(std::string_view("\x01\x08\x09", 3)) == std::string_view::npos && (!hasCR || hasLF))
        Check(grid::DecodeLineBreaks(grid::EncodeLineBreaks(Text), true) == Text, "decoding did not undo encoding");
    const std::string encoded = grid::EncodeLineBreaks(Text);
    Check(!hasCR || encoded.find_first_of("\r\n") == std::string::npos, "an encoded text still breaks lines");

    bool crlfOnly = true;
    for (std::size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] == '\r')
            crlfOnly = crlfOnly && i + 1 < Text.size() && Text[i + 1] == '\n';
        else if (Text[i] == '\n')
            crlfOnly = crlfOnly && i > 0 && Text[i - 1] == '\r';
    }
    // "^" stands for an empty value in the tilde form, so a text of just "^" reads back empty.
    if (crlfOnly && Text.find('~') == std::string_view::npos && Text != "^")
        Check(grid::TildeToLineBreaks(grid::LineBreaksToTilde(Text)) == Text, "the tilde form did not read back");
    if (Text.find('\x0B') == std::string_view::npos) {
        const std::string quoted = grid::QuoteMultiLineCell(Text);
        Check(grid::VerticalTabsToLineBreaks(std::string_view(quoted).substr(1, quoted.size() - 2)) == Text,
              "the quoted form did not read back");
    }
    if (!hasLF && Text.find('\\') == std::string_view::npos)
        Check(grid::EscapedToLineBreaks(grid::LineBreaksToEscaped(Text)) == Text, "the escaped form did not read back");

    const int lines = grid::CountLines(Text, true);
    Check(lines == 1 + static_cast<int>(std::count(Text.begin(), Text.end(), '\r')), "CountLines miscounts");
    std::string rest(Text);
    const std::string first = grid::CutFirstLine(rest, true);
    Check(first.size() + rest.size() <= Text.size() && Text.starts_with(first), "CutFirstLine changed the text");
}

void CheckTextRoutines(std::string_view Text)
{
    const bool valid = plat::IsValidUtf8(Text);
    const int length = plat::Utf8Length(Text);

    std::string link(Text);
    grid::StripURLProtocol(link);
    Check(grid::IsURL(Text) == (link != Text), "IsURL disagrees with StripURLProtocol");
    Check(Text.ends_with(link), "StripURLProtocol changed more than the protocol");

    const std::string mixed = grid::MixedCaseText(Text);
    Check(plat::Utf8Length(mixed) == length, "MixedCaseText changed the character count");
    Check(!valid || plat::IsValidUtf8(mixed), "MixedCaseText made ill-formed UTF-8");

    for (const bool html : {false, true})
        grid::GetTextKind(Text, html);

    std::string filled(Text);
    grid::FillTextWithChar(filled, U'\u25CF');
    Check(plat::Utf8Length(filled) == length, "FillTextWithChar changed the character count");
    const int paren = grid::ClosingParenPos(Text);
    Check(paren == 0 || plat::Utf8CodePointAt(Text, paren) == U')', "ClosingParenPos names no ')'");

    std::string fields(Text);
    const std::string field = grid::TakeFirstField(fields, U';');
    Check(fields == Text || field + ";" + fields == Text, "TakeFirstField lost text");
    plat::TPoint point;
    grid::ParseRowColReference(Text, point);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    auto [selector, text] = skelda::fuzz::Select(Data, Size);
    UseSettings(Take<std::uint8_t>(text));
    switch (selector % 8) {
    case 0: CheckCsvQuoting(text); break;
    case 1: CheckNumberTexts(text); break;
    case 2: CheckShortDates(text); break;
    case 3: CheckIncDateStep(text); break;
    case 4: CheckDateRoundTrip(text); break;
    case 5: CheckLineBreakForms(text); break;
    default: CheckTextRoutines(text); break;
    }
    return 0;
}
