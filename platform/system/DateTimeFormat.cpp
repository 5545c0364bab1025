#include "platform/system/DateTimeFormat.h"

#include "platform/core/FormatSettings.h"
#include "platform/system/QuotedLiteral.h"

namespace plat {

namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool IsLetter(char c) { return Upper(c) >= 'A' && Upper(c) <= 'Z'; }

bool StartsWithNoCase(std::string_view Text, std::size_t Pos, std::string_view Prefix)
{
    if (Text.size() - Pos < Prefix.size())
        return false;
    for (std::size_t i = 0; i < Prefix.size(); ++i)
        if (Upper(Text[Pos + i]) != Prefix[i])
            return false;
    return true;
}

// An hour is on the 12-hour clock when the next am/pm marker comes before the next hour
// specifier. The first 'a' outside quotes decides: if it starts no marker, the clock is 24 hours.
bool TwelveHourClockFrom(std::string_view Format, std::size_t Pos)
{
    while (Pos < Format.size()) {
        const char c = Upper(Format[Pos]);
        if (Format[Pos] == '\'' || Format[Pos] == '"') {
            TakeQuotedLiteral(Format, Pos);
            continue;
        }
        if (c == 'H')
            return false;
        if (c == 'A')
            return StartsWithNoCase(Format, Pos, "AM/PM") || StartsWithNoCase(Format, Pos, "A/P")
                   || StartsWithNoCase(Format, Pos, "AMPM");
        ++Pos;
    }
    return false;
}

class DateTimeWriter {
public:
    DateTimeWriter(TDateTime DateTime, const TFormatSettings& Settings)
        : Parts(DecodeDateTime(DateTime)), WeekDay(DayOfWeek(DateTime)), Settings(Settings)
    {
    }

    std::string Write(std::string_view Format)
    {
        Append(Format.empty() ? std::string_view("c") : Format, 0);
        return Out;
    }

private:
    // Formats taken from the settings may not nest further, so a "c" among them cannot loop.
    static constexpr int MaxNesting = 1;

    void AppendNumber(int Value, int MinDigits)
    {
        const std::string digits = std::to_string(Value);
        if (static_cast<int>(digits.size()) < MinDigits)
            Out.append(static_cast<std::size_t>(MinDigits) - digits.size(), '0');
        Out += digits;
    }

    void AppendNested(std::string_view Format, int Level)
    {
        if (Level < MaxNesting)
            Append(Format, Level + 1);
    }

    void Append(std::string_view Format, int Level)
    {
        char lastToken = 0;
        std::size_t pos = 0;
        while (pos < Format.size()) {
            const char c = Format[pos];
            if (c == '\'' || c == '"') {
                Out += TakeQuotedLiteral(Format, pos);
                continue;
            }
            if (!IsLetter(c)) {
                if (c == '/')
                    Out += Settings.DateSeparator;
                else if (c == ':')
                    Out += Settings.TimeSeparator;
                else
                    Out += c;
                ++pos;
                continue;
            }
            char token = Upper(c);
            if (token == 'M' && lastToken == 'H')
                token = 'N';
            lastToken = token;
            std::size_t count = 1;
            while (pos + count < Format.size() && Format[pos + count] == c)
                ++count;
            if (token == 'A') {
                pos += AppendAmPm(Format, pos);
                continue;
            }
            if (!AppendSpecifier(token, count, Format, pos + count, Level)) {
                Out += c;
                count = 1;
            }
            pos += count;
        }
    }

    // False when Token is no specifier and stands for itself.
    bool AppendSpecifier(char Token, std::size_t Count, std::string_view Format, std::size_t Next, int Level)
    {
        switch (Token) {
        case 'Y':
            if (Count <= 2)
                AppendNumber(Parts.Year % 100, 2);
            else
                AppendNumber(Parts.Year, 4);
            return true;
        case 'M':
            if (Count <= 2)
                AppendNumber(Parts.Month, static_cast<int>(Count));
            else if (Count == 3)
                Out += Settings.ShortMonthNames[static_cast<std::size_t>(Parts.Month - 1)];
            else
                Out += Settings.LongMonthNames[static_cast<std::size_t>(Parts.Month - 1)];
            return true;
        case 'D':
            if (Count <= 2)
                AppendNumber(Parts.Day, static_cast<int>(Count));
            else if (Count == 3)
                Out += Settings.ShortDayNames[static_cast<std::size_t>(WeekDay - 1)];
            else if (Count == 4)
                Out += Settings.LongDayNames[static_cast<std::size_t>(WeekDay - 1)];
            else if (Count == 5)
                AppendNested(Settings.ShortDateFormat, Level);
            else
                AppendNested(Settings.LongDateFormat, Level);
            return true;
        case 'H': {
            int hour = Parts.Hour;
            if (TwelveHourClockFrom(Format, Next)) {
                hour %= 12;
                if (hour == 0)
                    hour = 12;
            }
            AppendNumber(hour, Count == 1 ? 1 : 2);
            return true;
        }
        case 'N':
            AppendNumber(Parts.Min, Count == 1 ? 1 : 2);
            return true;
        case 'S':
            AppendNumber(Parts.Sec, Count == 1 ? 1 : 2);
            return true;
        case 'Z':
            AppendNumber(Parts.MSec, Count <= 2 ? 1 : 3);
            return true;
        case 'T':
            AppendNested(Count == 1 ? Settings.ShortTimeFormat : Settings.LongTimeFormat, Level);
            return true;
        case 'C':
            AppendNested(Settings.ShortDateFormat, Level);
            if (Parts.Hour != 0 || Parts.Min != 0 || Parts.Sec != 0) {
                Out += ' ';
                AppendNested(Settings.LongTimeFormat, Level);
            }
            return true;
        default:
            return false;
        }
    }

    // Returns the number of pattern characters used.
    std::size_t AppendAmPm(std::string_view Format, std::size_t Pos)
    {
        const bool pm = Parts.Hour >= 12;
        if (StartsWithNoCase(Format, Pos, "AM/PM")) {
            Out += Format.substr(Pos + (pm ? 3 : 0), 2);
            return 5;
        }
        if (StartsWithNoCase(Format, Pos, "A/P")) {
            Out += Format[Pos + (pm ? 2 : 0)];
            return 3;
        }
        if (StartsWithNoCase(Format, Pos, "AMPM")) {
            Out += pm ? Settings.TimePMString : Settings.TimeAMString;
            return 4;
        }
        Out += Format[Pos];
        return 1;
    }

    const TDateTimeParts Parts;
    const int WeekDay;
    const TFormatSettings& Settings;
    std::string Out;
};

}  // namespace

std::string FormatDateTime(std::string_view Format, TDateTime DateTime)
{
    return FormatDateTime(Format, DateTime, FormatSettings());
}

std::string FormatDateTime(std::string_view Format, TDateTime DateTime, const TFormatSettings& Settings)
{
    return DateTimeWriter(DateTime, Settings).Write(Format);
}

}  // namespace plat
