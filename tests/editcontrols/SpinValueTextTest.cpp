#include "editcontrols/spin/SpinValueText.h"
#include "tests/editcontrols/EditControlsFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

using namespace skelda::editcontrols;
using skelda::editcontrols::testing::ScopedSeparators;

namespace {

TSpinTextFormat Kind(TValueType Type, bool Thousands = false, std::string DisplayFormat = {}, int Decimal = 2)
{
    return {Type, std::move(DisplayFormat), Decimal, Thousands};
}

struct ParseCase {
    const char* Text;
    TSpinTextFormat Format;
    std::optional<long double> Expected;
};

class SpinValueTextTest : public ::testing::Test {
protected:
    SpinValueTextTest() { separators.Set('.', ','); }
    ScopedSeparators separators;
};

TEST_F(SpinValueTextTest, ReadsEachKindOfValueOrNothing)
{
    const ParseCase cases[] = {
        {"42", Kind(vtInteger), 42},
        {" -7", Kind(vtInteger), -7},
        {"1,234", Kind(vtInteger), 1234},
        {"2147483647", Kind(vtInteger), 2147483647},
        {"3000000000", Kind(vtInteger), std::nullopt},
        {"", Kind(vtInteger), std::nullopt},
        {"-", Kind(vtInteger), std::nullopt},
        {"12a", Kind(vtInteger), std::nullopt},
        {"10.00", Kind(vtFloat), 10},
        {"1,234.50", Kind(vtFloat), 1234.5},
        {"-2.5e2", Kind(vtFloat), -250},
        {"1e", Kind(vtFloat), std::nullopt},
        {"", Kind(vtFloat), std::nullopt},
        {"1,234.5 W", Kind(vtFloat, false, ",0.# W"), 1234.5},
        {"", Kind(vtFloat, false, "0.0"), 0},
        {"FF", Kind(vtHex), 255},
        {"ff", Kind(vtHex), 255},
        {"0000000FF", Kind(vtHex), 255},
        {"FFFFFFFF", Kind(vtHex), -1},
        {"7FFFFFFF", Kind(vtHex), 2147483647},
        {"100000000", Kind(vtHex), std::nullopt},
        {"-1", Kind(vtHex), std::nullopt},
        {"", Kind(vtHex), std::nullopt},
        {"F F", Kind(vtHex), std::nullopt},
        // Blanks around the number, as a paste brings them, but none inside it.
        {" 42 ", Kind(vtInteger), 42},
        {"\t1,234\t", Kind(vtInteger), 1234},
        {" 2.5 ", Kind(vtFloat), 2.5},
        {" 1,234.5 W ", Kind(vtFloat, false, ",0.# W"), 1234.5},
        {" ff ", Kind(vtHex), 255},
        {" 4 2 ", Kind(vtInteger), std::nullopt},
        {"   ", Kind(vtInteger), std::nullopt},
        {" \t", Kind(vtHex), std::nullopt},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(std::string("text \"") + c.Text + "\" as kind " + std::to_string(c.Format.ValueType));
        const std::optional<long double> value = ParseSpinText(c.Text, c.Format);
        ASSERT_EQ(value.has_value(), c.Expected.has_value());
        if (value) {
            EXPECT_EQ(*value, *c.Expected);
        }
    }
}

struct FormatCase {
    long double Value;
    TSpinTextFormat Format;
    char Decimal;
    char Thousands;
    const char* Expected;
};

TEST_F(SpinValueTextTest, WritesEachKindOfValue)
{
    const FormatCase cases[] = {
        {42, Kind(vtInteger), '.', ',', "42"},
        {-5, Kind(vtInteger), '.', ',', "-5"},
        {1234567, Kind(vtInteger, true), '.', ',', "1,234,567"},
        {2.6L, Kind(vtInteger), '.', ',', "3"},
        {10, Kind(vtFloat), '.', ',', "10.00"},
        {10, Kind(vtFloat, false, {}, 3), '.', ',', "10.000"},
        {1234.5, Kind(vtFloat, true), '.', ',', "1,234.50"},
        {1234.5, Kind(vtFloat, true), ',', '.', "1.234,50"},
        {999, Kind(vtFloat, true), '.', ',', "999.00"},
        // With both separators ".", grouping would make "1.234.50": it is left out.
        {1234.5, Kind(vtFloat, true), '.', '.', "1234.50"},
        {1234.5, Kind(vtFloat, false, ",0.##"), '.', ',', "1,234.5"},
        {1234.5, Kind(vtFloat, false, ",0.##"), '.', '.', "1234.5"},
        {1234.5, Kind(vtFloat, false, "',' ,0.0"), '.', '.', ", 1234.5"},
        {255, Kind(vtHex), '.', ',', "FF"},
        {0, Kind(vtHex), '.', ',', "0"},
        {2.5L, Kind(vtHex), '.', ',', "2"},
        {3.5L, Kind(vtHex), '.', ',', "4"},
        {-1, Kind(vtHex), '.', ',', "FFFFFFFF"},
        {5e9L, Kind(vtHex, true), '.', ',', "7FFFFFFF"},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(std::string("expecting ") + c.Expected);
        separators.Set(c.Decimal, c.Thousands);
        EXPECT_EQ(FormatSpinValue(c.Value, c.Format), c.Expected);
    }
}

// Every text a spin edit writes must read back as the value it shows, whatever the
// separators, also where the value had to be held to what the kind can show.
TEST_F(SpinValueTextTest, WrittenTextsReadBackAsTheirValue)
{
    const TSpinTextFormat formats[] = {
        Kind(vtInteger), Kind(vtInteger, true), Kind(vtFloat), Kind(vtFloat, true),
        Kind(vtFloat, true, {}, 0), Kind(vtFloat, false, ",0.##"), Kind(vtHex),
    };
    const long double values[] = {0, 7, -7, 999, 1000, 1234.5L, -98765.25L, 2147483647, -2147483648.0L, 5e9L};
    const std::pair<char, char> separatorPairs[] = {{'.', ','}, {',', '.'}, {'.', '.'}, {',', ' '}};
    for (const auto& [decimal, thousands] : separatorPairs) {
        separators.Set(decimal, thousands);
        for (const TSpinTextFormat& format : formats) {
            for (const long double value : values) {
                const std::string text = FormatSpinValue(value, format);
                SCOPED_TRACE("\"" + text + "\" with separators '" + decimal + "' '" + thousands + "'");
                const std::optional<long double> back = ParseSpinText(text, format);
                ASSERT_TRUE(back.has_value());
                EXPECT_EQ(FormatSpinValue(*back, format), text);
            }
        }
    }
}

TEST_F(SpinValueTextTest, CleaningAcceptsEitherSeparatorAndDropsDecoration)
{
    struct Case {
        char Decimal;
        char Thousands;
        const char* Text;
        const char* Expected;
    };
    const Case cases[] = {
        {'.', ',', "1,234.5", "1234.5"},
        {',', '.', "1.234,5", "1234,5"},
        {',', ' ', "1.5", "1,5"},
        {'.', '.', "1.5", "1.5"},
        {'.', ',', "  -12 kg ", "-12"},
        {'.', ',', "", "0"},
        {'.', ',', "-", "-0"},
        {'.', ',', "W", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        separators.Set(c.Decimal, c.Thousands);
        EXPECT_EQ(CleanNumberText(c.Text), c.Expected);
    }
}

TEST_F(SpinValueTextTest, StrippingKeepsSeparatorsThatAreAlsoTheDecimalOne)
{
    EXPECT_EQ(StripThousandSeparators("1,234,567.5"), "1234567.5");
    separators.Set('.', '.');
    EXPECT_EQ(StripThousandSeparators("1.5"), "1.5");
}

}  // namespace
