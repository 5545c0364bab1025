#include "platform/system/Clock.h"
#include "platform/system/DateTimeFormat.h"
#include "platform/system/Environment.h"
#include "tests/platform/system/numbers/FormatSettingsFixture.h"

#include <string>

using namespace plat;

namespace {

// A clock that stays on one day, so that two-digit years have a known century window.
class StillClock : public IClock {
public:
    TDateTime Today = EncodeDate(2026, 12, 11);
    TDateTime Now() const override { return Today + 0.5; }
    TTimeZoneInformation TimeZone() const override { return {}; }
};

class DateScanTest : public FormatSettingsFixture {
protected:
    DateScanTest() : SavedClock(Env().Clock) { Env().Clock = &Clock; }
    ~DateScanTest() override { Env().Clock = SavedClock; }

    StillClock Clock;

private:
    IClock* SavedClock;
};

struct ScanCase {
    const char* Format;
    char Separator;
    const char* Text;
    int Year, Month, Day;  // 0: the text is refused
};

TEST_F(DateScanTest, ReadsTheFieldsInTheOrderAndWithTheSeparatorOfTheShortDateFormat)
{
    const ScanCase cases[] = {
        {"dd/mm/yyyy", '/', "11/12/2026", 2026, 12, 11},
        {"dd/mm/yyyy", '/', "1/2/2024", 2024, 2, 1},
        {"dd/mm/yyyy", '/', "  01 / 02 / 2024  ", 2024, 2, 1},
        {"d/m/yyyy", '.', "29.2.2024", 2024, 2, 29},
        {"mm/dd/yyyy", '/', "12/11/2026", 2026, 12, 11},
        {"m/d/yy", '-', "2-29-24", 2024, 2, 29},
        {"yyyy/mm/dd", '-', "2026-12-11", 2026, 12, 11},
        // a separator written into the format stands for itself
        {"dd.mm.yyyy", '/', "11.12.2026", 2026, 12, 11},
        {"yyyy'-'mm'-'dd", '/', "2026-12-11", 2026, 12, 11},
        {"d. m. yyyy", '/', "11. 12. 2026", 2026, 12, 11},
        {"dd mm yyyy", '/', "11 12  2026", 2026, 12, 11},
        // fields back to back read with the settings' separator
        {"yyyymmdd", '-', "2026-12-11", 2026, 12, 11},
        // the day's name is no field
        {"ddd dd/mm/yyyy", '/', "11/12/2026", 2026, 12, 11},
        // years of three and four digits are taken as written
        {"dd/mm/yyyy", '/', "1/1/100", 100, 1, 1},
        {"dd/mm/yyyy", '/', "1/1/0099", 99, 1, 1},
        {"dd/mm/yyyy", '/', "31/12/9999", 9999, 12, 31},
    };
    for (const ScanCase& c : cases) {
        SCOPED_TRACE(std::string(c.Format) + " " + c.Text);
        Settings().ShortDateFormat = c.Format;
        Settings().DateSeparator = c.Separator;
        TDateTime date = -1;
        ASSERT_TRUE(TryStrToDate(c.Text, date, Settings()));
        EXPECT_EQ(date, EncodeDate(c.Year, c.Month, c.Day));
    }
}

TEST_F(DateScanTest, RefusesWhatIsNoDateOfTheFormatAndLeavesTheValueAlone)
{
    const ScanCase cases[] = {
        {"dd/mm/yyyy", '/', "31/02/2024", 0, 0, 0},
        {"dd/mm/yyyy", '/', "29/02/2023", 0, 0, 0},
        {"dd/mm/yyyy", '/', "0/1/2024", 0, 0, 0},
        {"dd/mm/yyyy", '/', "1/13/2024", 0, 0, 0},
        {"dd/mm/yyyy", '/', "1/1/0000", 0, 0, 0},
        {"dd/mm/yyyy", '/', "1/1/10000", 0, 0, 0},
        {"dd/mm/yyyy", '/', "00001/1/2024", 0, 0, 0},
        {"dd/mm/yyyy", '/', "", 0, 0, 0},
        {"dd/mm/yyyy", '/', "   ", 0, 0, 0},
        {"dd/mm/yyyy", '/', "11/12", 0, 0, 0},
        {"dd/mm/yyyy", '/', "11/12/2026/1", 0, 0, 0},
        {"dd/mm/yyyy", '/', "11/12/2026 10:00", 0, 0, 0},
        {"dd/mm/yyyy", '/', "11-12-2026", 0, 0, 0},
        {"dd/mm/yyyy", '/', "11//12/2026", 0, 0, 0},
        {"dd/mm/yyyy", '/', "11/dec/2026", 0, 0, 0},
        {"dd/mm/yyyy", '/', "-1/12/2026", 0, 0, 0},
        {"dd/mm/yyyy", '/', "+1/12/2026", 0, 0, 0},
        {"dd mm yyyy", '/', "111 2 2026", 0, 0, 0},
        {"dd mm yyyy", '/', "11122026", 0, 0, 0},
        {"mm/dd/yyyy", '/', "13/12/2026", 0, 0, 0},
    };
    for (const ScanCase& c : cases) {
        SCOPED_TRACE(std::string(c.Format) + " \"" + c.Text + "\"");
        Settings().ShortDateFormat = c.Format;
        Settings().DateSeparator = c.Separator;
        TDateTime date = 12345;
        EXPECT_FALSE(TryStrToDate(c.Text, date, Settings()));
        EXPECT_EQ(date, 12345);
    }
}

TEST_F(DateScanTest, TwoDigitYearsFallInTheCenturyWindowAroundTheCurrentYear)
{
    struct WindowCase {
        int Window;
        const char* Text;
        int Year;
    };
    // The clock says 2026: with the usual window of 50 years, 76 is the earliest year of it.
    const WindowCase cases[] = {
        {50, "1/1/76", 1976}, {50, "1/1/75", 2075}, {50, "1/1/99", 1999}, {50, "1/1/00", 2000},
        {50, "1/1/26", 2026}, {50, "1/1/5", 2005},  {0, "1/1/99", 2099},  {0, "1/1/76", 2076},
        {10, "1/1/16", 2016}, {10, "1/1/15", 2115},
    };
    Settings().ShortDateFormat = "d/m/yy";
    for (const WindowCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.Window) + " " + c.Text);
        Settings().TwoDigitYearCenturyWindow = c.Window;
        TDateTime date = 0;
        ASSERT_TRUE(TryStrToDate(c.Text, date, Settings()));
        EXPECT_EQ(date, EncodeDate(c.Year, 1, 1));
    }
    // The window moves with the clock.
    Settings().TwoDigitYearCenturyWindow = 50;
    Clock.Today = EncodeDate(2080, 6, 1);
    TDateTime date = 0;
    ASSERT_TRUE(TryStrToDate("1/1/30", date, Settings()));
    EXPECT_EQ(date, EncodeDate(2030, 1, 1));
    ASSERT_TRUE(TryStrToDate("1/1/29", date, Settings()));
    EXPECT_EQ(date, EncodeDate(2129, 1, 1));
}

TEST_F(DateScanTest, WhatTheShortDateFormatWritesReadsBackAsTheSameDay)
{
    for (const char* format : {"dd/mm/yyyy", "m/d/yy", "yyyy.mm.dd", "d mm yyyy"})
        for (const TDateTime day : {EncodeDate(2024, 2, 29), EncodeDate(1999, 12, 31), EncodeDate(2031, 1, 1)}) {
            SCOPED_TRACE(format);
            Settings().ShortDateFormat = format;
            TDateTime read = 0;
            ASSERT_TRUE(TryStrToDate(FormatDateTime("ddddd", day, Settings()), read, Settings()));
            EXPECT_EQ(read, day);
        }
}

}  // namespace
