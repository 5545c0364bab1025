#include "platform/system/Conversions.h"

#include "platform/core/Exception.h"
#include "tests/platform/system/numbers/FormatSettingsFixture.h"

#include <cstdint>
#include <limits>

using namespace plat;

namespace {

class ConversionsTest : public FormatSettingsFixture {};

TEST_F(ConversionsTest, StrToFloatReadsTheSettingsDecimalSeparator)
{
    Settings().DecimalSeparator = ',';
    struct Case {
        const char* Text;
        double Expected;
    };
    const Case valid[] = {
        {"1,5", 1.5},     {" -2,25 ", -2.25}, {"+3", 3},    {"1,5E3", 1500}, {"1e-2", 0.01},
        {",5", 0.5},      {"5,", 5},          {"\t7\t", 7}, {"0", 0},        {"1E-400", 0},
        {"-0,000", -0.0}, {"000123,4500", 123.45},
    };
    for (const Case& c : valid) {
        EXPECT_EQ(StrToFloat(c.Text), c.Expected) << c.Text;
        double value = 0;
        EXPECT_TRUE(TryStrToFloat(c.Text, value)) << c.Text;
        EXPECT_EQ(value, c.Expected) << c.Text;
    }
    const char* invalid[] = {"1.5", "", " ", "abc", "1,5x", "1,,5", "1E", "1E+", "--1", "1 000",
                             "1E400", ",", "-", "E5", "1,5E3,2", "inf", "nan", "0x10"};
    for (const char* text : invalid) {
        double value = 42;
        EXPECT_FALSE(TryStrToFloat(text, value)) << text;
        EXPECT_EQ(value, 42) << text;
        EXPECT_THROW(StrToFloat(text), EConvertError) << text;
    }
    try {
        StrToFloat("1.5");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'1.5' is not a valid floating point value");
    }

    TFormatSettings dot = DefaultFormatSettings();
    dot.DecimalSeparator = '.';
    EXPECT_EQ(StrToFloat("3.25", dot), 3.25);
    EXPECT_THROW(StrToFloat("3,25", dot), EConvertError);
}

TEST_F(ConversionsTest, IntegersInAndOut)
{
    struct Case {
        const char* Text;
        int Expected;
    };
    const Case valid[] = {{"42", 42}, {"  -17", -17}, {"+5", 5}, {"007", 7},
                          {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}};
    for (const Case& c : valid) {
        EXPECT_EQ(StrToInt(c.Text), c.Expected) << c.Text;
        EXPECT_EQ(StrToIntDef(c.Text, -99), c.Expected) << c.Text;
    }
    const char* invalid[] = {"", " ", "12a", "1.0", "12 ", "- 1", "+", "2147483648", "-2147483649",
                             "99999999999999999999", "1e3"};
    for (const char* text : invalid) {
        EXPECT_THROW(StrToInt(text), EConvertError) << text;
        EXPECT_EQ(StrToIntDef(text, -99), -99) << text;
    }
    try {
        StrToInt("12a");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'12a' is not a valid integer value");
    }

    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-5), "-5");
    EXPECT_EQ(IntToStr(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
    EXPECT_EQ(IntToStr(std::numeric_limits<std::int64_t>::max()), "9223372036854775807");
}

}  // namespace
