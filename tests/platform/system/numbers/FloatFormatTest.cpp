#include "platform/system/FloatFormat.h"

#include "platform/system/Conversions.h"
#include "tests/platform/system/numbers/FormatSettingsFixture.h"

#include <cmath>
#include <limits>
#include <string>

using namespace plat;

namespace {

struct Case {
    const char* Pattern;
    double Value;
    const char* Expected;
};

class FloatFormatTest : public FormatSettingsFixture {};

TEST_F(FloatFormatTest, PicturePatterns)
{
    const Case cases[] = {
        // rounding half away from zero, on the decimal digits rather than the binary value
        {"0.0", 70.68, "70.7"},
        {"0.0", 0.05, "0.1"},
        {"0.00", 2.675, "2.68"},
        {"0.00", 1.005, "1.01"},
        {"0", 0.5, "1"},
        {"0", 2.5, "3"},
        {"0", -2.5, "-3"},
        {"0.0", 9.96, "10.0"},
        {"0.0", -9.96, "-10.0"},
        {"0.0", 99.95, "100.0"},
        {"0", 1234567.0, "1234567"},
        // optional digits
        {"0.###", 1.5, "1.5"},
        {"0.###", 2.0, "2"},
        {"0.###", 12.3456, "12.346"},
        {"0.###", 0.0004, "0"},
        {"0.######", 45.123456789, "45.123457"},
        {"0.######", -0.5, "-0.5"},
        {"#", 7.4, "7"},
        {"#", 0, ""},
        {"#.##", 0.5, ".5"},
        {"0.0#", 1.5, "1.5"},
        {"0.0#", 1.0, "1.0"},
        {".00", 12.5, "12.50"},
        {"00", 5, "05"},
        {"000", 12345, "12345"},
        // grouping
        {"#,###", 3145728, "3,145,728"},
        {"#,###", 123, "123"},
        {"#,##0", 999.5, "1,000"},
        {"#,##0", -1234, "-1,234"},
        {"#,##0.00", 1234567.891, "1,234,567.89"},
        {"0,000", 12, "0,012"},
        // literal text
        {"0.0 km", 1.25, "1.3 km"},
        {"0 'W'", 5, "5 W"},
        {"\"x=\"0", 3, "x=3"},
        {"0' ;#0'", 3, "3 ;#0"},
        {"000-0000", 5551234, "555-1234"},
        // scientific
        {"0.00E+00", 12345, "1.23E+04"},
        {"0.00E+00", 0.00012345, "1.23E-04"},
        {"0.0e-0", 12345, "1.2e4"},
        {"00.0E+0", 12345, "12.3E+3"},
        {"0.0E+00", 9.96, "1.0E+01"},
        {"0.0E+00", 0, "0.0E+00"},
        {"0.##E+0000", -2.5e-300, "-2.5E-0300"},
        // out of the reach of a picture
        {"0", 1e20, "1E20"},
        {"", 1.5, "1.5"},
        {"0.0", std::numeric_limits<double>::quiet_NaN(), "NAN"},
        {"0.0", std::numeric_limits<double>::infinity(), "INF"},
        {"0.0", -std::numeric_limits<double>::infinity(), "-INF"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatFloat(c.Pattern, c.Value), c.Expected) << c.Pattern << " of " << c.Value;
}

TEST_F(FloatFormatTest, SectionsAndZero)
{
    const Case cases[] = {
        {"0.0;(0.0);'zero'", 1.25, "1.3"},
        {"0.0;(0.0);'zero'", -1.25, "(1.3)"},
        {"0.0;(0.0);'zero'", 0, "zero"},
        // what rounds to zero is zero, whatever its sign
        {"0.0;(0.0);'zero'", 0.04, "zero"},
        {"0.0;(0.0);'zero'", -0.04, "zero"},
        {"0.0;(0.0)", -0.04, "0.0"},
        {"0.0", -0.04, "0.0"},
        {"0.0", -0.0, "0.0"},
        {"0", -0.4, "0"},
        {"0.00E+00", -0.0, "0.00E+00"},
        // empty sections fall back to the first, with a minus sign for negatives
        {"0.0;;'zero'", -1.25, "-1.3"},
        {"0.0;(0.0);", 0, "0.0"},
        {"0.0;'neg' 0", -2, "neg 2"},
        {"'a;b' 0;'-' 0", -7, "- 7"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatFloat(c.Pattern, c.Value), c.Expected) << c.Pattern << " of " << c.Value;
}

TEST_F(FloatFormatTest, SeparatorsComeFromTheSettings)
{
    Settings().DecimalSeparator = ',';
    Settings().ThousandSeparator = '.';
    EXPECT_EQ(FormatFloat("#,###", 3145728), "3.145.728");
    EXPECT_EQ(FormatFloat("#,##0.00", 1234.5), "1.234,50");
    EXPECT_EQ(FormatFloat("0.00E+00", 12345), "1,23E+04");
    EXPECT_EQ(FloatToStr(-1.5), "-1,5");
    EXPECT_EQ(FloatToStr(1.5e20), "1,5E20");

    TFormatSettings own = DefaultFormatSettings();
    own.DecimalSeparator = '.';
    own.ThousandSeparator = ' ';
    EXPECT_EQ(FormatFloat("#,##0.0", 31415.92, own), "31 415.9");
    EXPECT_EQ(FloatToStr(0.25, own), "0.25");
}

TEST_F(FloatFormatTest, FloatToStrWritesUpToFifteenSignificantDigits)
{
    const Case cases[] = {
        {"", 1.5, "1.5"},
        {"", 0, "0"},
        {"", -0.0, "0"},
        {"", 100, "100"},
        {"", -2.5, "-2.5"},
        {"", 0.1 + 0.2, "0.3"},
        {"", 1.0 / 3, "0.333333333333333"},
        {"", 2.0 / 3, "0.666666666666667"},
        {"", 45.5012345, "45.5012345"},
        {"", 123456789012345, "123456789012345"},
        {"", 999999999999999.9, "1E15"},
        {"", 1e15, "1E15"},
        {"", 1.5e20, "1.5E20"},
        {"", -1.25e300, "-1.25E300"},
        {"", 0.0001, "0.0001"},
        {"", 0.00001, "1E-5"},
        {"", 1.234e-7, "1.234E-7"},
        {"", std::numeric_limits<double>::quiet_NaN(), "NAN"},
        {"", -std::numeric_limits<double>::infinity(), "-INF"},
        // Rounded up, these would lie past the largest double.
        {"", std::numeric_limits<double>::max(), "1.79769313486231E308"},
        {"", -1.797693134862315E308, "-1.79769313486231E308"},
        {"", 1.797693134862314E308, "1.79769313486231E308"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FloatToStr(c.Value), c.Expected) << c.Value;
}

TEST_F(FloatFormatTest, StrToFloatReadsWhatFloatToStrWrites)
{
    const double values[] = {
        std::numeric_limits<double>::max(),        -std::numeric_limits<double>::max(),
        1.797693134862315E308,                     std::numeric_limits<double>::min(),
        std::numeric_limits<double>::denorm_min(), -1.0 / 3,
        0.1 + 0.2,
    };
    for (const double value : values) {
        const std::string text = FloatToStr(value);
        double read = 0;
        ASSERT_TRUE(TryStrToFloat(text, read)) << text;
        EXPECT_NEAR(read, value, std::fabs(value) * 5e-15) << text;
    }
}

}  // namespace
