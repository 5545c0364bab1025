#include "platform/system/DateTimeFormat.h"

#include "platform/core/Exception.h"
#include "tests/platform/system/numbers/FormatSettingsFixture.h"

#include <limits>

using namespace plat;

namespace {

class DateTimeFormatTest : public FormatSettingsFixture {
protected:
    DateTimeFormatTest()
    {
        Settings().DateSeparator = '-';
        Settings().TimeSeparator = '.';
        Settings().ShortDateFormat = "dd/mm/yyyy";
        Settings().LongDateFormat = "dddd d mmmm yyyy";
        Settings().ShortTimeFormat = "hh:nn";
        Settings().LongTimeFormat = "hh:nn:ss";
        Settings().TimeAMString = "morning";
        Settings().TimePMString = "afternoon";
        Settings().ShortMonthNames = {"jan", "feb", "mar", "apr", "may", "jun",
                                      "jul", "aug", "sep", "oct", "nov", "dec"};
        Settings().LongMonthNames = {"janvier", "février", "mars",      "avril",   "mai",      "juin",
                                     "juillet", "août",    "septembre", "octobre", "novembre", "décembre"};
        Settings().ShortDayNames = {"dim", "lun", "mar", "mer", "jeu", "ven", "sam"};
        Settings().LongDayNames = {"dimanche", "lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi"};
    }
};

struct Case {
    const char* Pattern;
    TDateTime Value;
    const char* Expected;
};

TEST_F(DateTimeFormatTest, Patterns)
{
    // Friday 1 March 2024, 14:05:09.007
    const TDateTime friday = EncodeDate(2024, 3, 1) + EncodeTime(14, 5, 9, 7);
    const TDateTime midnight = EncodeDate(2024, 3, 1);
    const Case cases[] = {
        {"ddd dd mmmm yyyy", friday, "ven 01 mars 2024"},
        {"dd mmmm yyyy", EncodeDate(2023, 8, 15), "15 août 2023"},
        {"dddd d mmm yy", friday, "vendredi 1 mar 24"},
        {"d/m/yy", friday, "1-3-24"},
        {"yyyy yy", EncodeDate(5, 6, 7), "0005 05"},
        {"hh:nn:ss", friday, "14.05.09"},
        {"h:n:s", EncodeTime(7, 8, 9, 0), "7.8.9"},
        {"z zzz", friday, "7 007"},
        // m right after an hour is the minute
        {"h:m", friday, "14.5"},
        {"hh:mm:ss mm/dd", friday, "14.05.09 03-01"},
        {"hh 'h' mm", friday, "14 h 05"},
        // the 12-hour clock
        {"hh:nn am/pm", friday, "02.05 pm"},
        {"h:nn AM/PM", EncodeTime(9, 30, 0, 0), "9.30 AM"},
        {"h a/p", friday, "2 p"},
        {"h A/P", EncodeTime(0, 30, 0, 0), "12 A"},
        {"h am/pm", EncodeTime(12, 0, 0, 0), "12 pm"},
        {"h ampm", friday, "2 afternoon"},
        {"h ampm", midnight, "12 morning"},
        {"hh 'am/pm' a", friday, "14 am/pm a"},
        // literals and composite formats
        {"'dd' \"mm\" d", friday, "dd mm 1"},
        {"yyyy 'unclosed", friday, "2024 unclosed"},
        {"c", friday, "01-03-2024 14.05.09"},
        {"c", midnight, "01-03-2024"},
        {"", friday, "01-03-2024 14.05.09"},
        {"ddddd", friday, "01-03-2024"},
        {"dddddd", friday, "vendredi 1 mars 2024"},
        {"t|tt", friday, "14.05|14.05.09"},
        // before 1899-12-30 the time of day still counts forward from midnight
        {"yyyy-mm-dd hh:nn", EncodeDate(1850, 7, 14) - EncodeTime(18, 30, 0, 0), "1850-07-14 18.30"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatDateTime(c.Pattern, c.Value), c.Expected) << c.Pattern;
}

TEST_F(DateTimeFormatTest, FormatsFromTheSettingsDoNotNestWithoutEnd)
{
    Settings().ShortDateFormat = "c";
    Settings().LongTimeFormat = "tt";
    // Only the settings' formats named in the pattern itself expand; what they name in turn does not.
    EXPECT_EQ(FormatDateTime("c", EncodeDate(2024, 3, 1) + 0.5), "  ");
}

TEST_F(DateTimeFormatTest, ExplicitSettingsAndInvalidValues)
{
    TFormatSettings own = DefaultFormatSettings();
    own.DateSeparator = '.';
    own.LongMonthNames[2] = "March";
    EXPECT_EQ(FormatDateTime("d/m mmmm", EncodeDate(2024, 3, 1), own), "1.3 March");
    for (TDateTime bad : {std::numeric_limits<double>::quiet_NaN(), 1e9})
        EXPECT_THROW(FormatDateTime("yyyy", bad), EConvertError);
}

}  // namespace
