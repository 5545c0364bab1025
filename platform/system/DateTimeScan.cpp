#include "platform/core/FormatSettings.h"
#include "platform/system/Clock.h"
#include "platform/system/DateTimeFormat.h"
#include "platform/system/Environment.h"
#include "platform/system/QuotedLiteral.h"
#include "platform/system/ScanChars.h"

#include <algorithm>
#include <array>

namespace plat {

namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The order of the day ('D'), month ('M') and year ('Y') fields in a short date format, and the
// text it writes between the first two of them, blanks trimmed (an empty separator means blanks).
struct DateLayout {
    std::array<char, 3> Order{'D', 'M', 'Y'};
    std::string Separator;
};

DateLayout LayoutOf(const TFormatSettings& Settings)
{
    const std::string_view format = Settings.ShortDateFormat;
    DateLayout layout;
    int fields = 0;
    bool separatorTaken = false;
    std::string between;
    std::size_t pos = 0;
    while (pos < format.size() && fields < 3) {
        const char c = format[pos];
        if (c == '\'' || c == '"') {
            between += TakeQuotedLiteral(format, pos);
            continue;
        }
        const char token = Upper(c);
        std::size_t count = 1;
        while (pos + count < format.size() && Upper(format[pos + count]) == token)
            ++count;
        // "ddd" and longer name the day of the week or whole formats: no number to read.
        const bool field = token == 'M' || token == 'Y' || (token == 'D' && count <= 2);
        const bool seen = std::find(layout.Order.begin(), layout.Order.begin() + fields, token)
                          != layout.Order.begin() + fields;
        if (field && !seen) {
            // Fields written back to back ("yyyymmdd") have no separator to look for: they
            // read with the settings' date separator.
            if (fields == 1 && !between.empty()) {
                layout.Separator = std::string(TrimBlanks(between));
                separatorTaken = true;
            }
            layout.Order[static_cast<std::size_t>(fields++)] = token;
            between.clear();
        } else if (c == '/') {
            between += Settings.DateSeparator;
        } else if (!field && token != 'D') {
            between.append(format.substr(pos, count));
        }
        pos += count;
    }
    // A format that names fewer than three fields reads the others in the usual day, month, year
    // order after them.
    for (const char token : {'D', 'M', 'Y'})
        if (fields < 3 && std::find(layout.Order.begin(), layout.Order.begin() + fields, token)
                              == layout.Order.begin() + fields)
            layout.Order[static_cast<std::size_t>(fields++)] = token;
    if (!separatorTaken)
        layout.Separator = std::string(1, Settings.DateSeparator);
    return layout;
}

class DateReader {
public:
    explicit DateReader(std::string_view Text) : FText(Text) {}

    // A number of one to four digits after optional blanks.
    bool Number(int& Value, int& Digits)
    {
        SkipBlanks();
        Value = 0;
        Digits = 0;
        while (FPos < FText.size() && IsDigit(FText[FPos])) {
            if (++Digits > 4)
                return false;
            Value = Value * 10 + (FText[FPos++] - '0');
        }
        return Digits > 0;
    }

    // The separator after optional blanks; an empty separator asks for at least one blank.
    bool Separator(std::string_view Separator)
    {
        const std::size_t start = FPos;
        SkipBlanks();
        if (Separator.empty())
            return FPos > start;
        if (FText.substr(FPos, Separator.size()) != Separator)
            return false;
        FPos += Separator.size();
        return true;
    }

    bool AtEnd()
    {
        SkipBlanks();
        return FPos == FText.size();
    }

private:
    void SkipBlanks()
    {
        while (FPos < FText.size() && IsBlank(FText[FPos]))
            ++FPos;
    }

    std::string_view FText;
    std::size_t FPos = 0;
};

// Puts a year of one or two digits into the window of years around the current one, as the
// run-time library always has.
int WindowedYear(int Year, int Window)
{
    int y = 0, m = 0, d = 0;
    DecodeDate(Env().Clock->Date(), y, m, d);
    const int windowStart = y - std::clamp(Window, 0, 99);
    int year = Year + windowStart / 100 * 100;
    if (Window > 0 && year < windowStart)
        year += 100;
    return year;
}

}  // namespace

bool TryStrToDate(std::string_view Text, TDateTime& Date, const TFormatSettings& Settings)
{
    const DateLayout layout = LayoutOf(Settings);
    DateReader reader(Text);
    int day = 0, month = 0, year = 0, yearDigits = 0;
    for (std::size_t i = 0; i < layout.Order.size(); ++i) {
        if (i > 0 && !reader.Separator(layout.Separator))
            return false;
        int value = 0, digits = 0;
        if (!reader.Number(value, digits))
            return false;
        switch (layout.Order[i]) {
        case 'D':
            day = value;
            break;
        case 'M':
            month = value;
            break;
        default:
            year = value;
            yearDigits = digits;
            break;
        }
    }
    if (!reader.AtEnd())
        return false;
    if (yearDigits <= 2)
        year = WindowedYear(year, Settings.TwoDigitYearCenturyWindow);
    return TryEncodeDate(year, month, day, Date);
}

}  // namespace plat
