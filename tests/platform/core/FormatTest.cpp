#include "platform/core/Exception.h"
#include "platform/core/Format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

using namespace plat;

namespace {

struct Case {
    std::string fmt;
    std::string actual;
    std::string expected;
};

// Runs the format when the table is built, keeping the format beside its result for messages.
Case Fmt(std::string fmt, std::initializer_list<TVarRec> args, std::string expected,
         const TFormatSettings& settings = DefaultFormatSettings())
{
    std::string actual = Format(fmt, args, settings);
    return {std::move(fmt), std::move(actual), std::move(expected)};
}

void Check(const std::vector<Case>& cases)
{
    for (const Case& c : cases)
        EXPECT_EQ(c.actual, c.expected) << "format: " << c.fmt;
}

}  // namespace

TEST(Format, Integers)
{
    Check({
        Fmt("%d", {42}, "42"),
        Fmt("%d", {-42}, "-42"),
        Fmt("%5d|%-5d|", {42, 42}, "   42|42   |"),
        Fmt("%.4d", {-7}, "-0007"),
        Fmt("%d", {std::numeric_limits<std::int64_t>::min()}, "-9223372036854775808"),
        Fmt("%u", {-1}, "4294967295"),
        Fmt("%u", {std::int64_t{-1}}, "18446744073709551615"),
        Fmt("%d", {std::numeric_limits<std::uint64_t>::max()}, "18446744073709551615"),
        Fmt("%x", {255}, "FF"),
        Fmt("%.4x", {255}, "00FF"),
        Fmt("%x", {-1}, "FFFFFFFF"),
        Fmt("%x", {static_cast<short>(-1)}, "FFFF"),
        Fmt("%D", {3}, "3"),
    });
}

TEST(Format, FloatingValues)
{
    Check({
        Fmt("%f", {3.14159}, "3.14"),
        Fmt("%.0f", {2.5}, "3"),
        Fmt("%.2f", {2.675}, "2.68"),
        Fmt("%.2f", {0.125}, "0.13"),
        Fmt("%.2f", {-0.001}, "0.00"),
        Fmt("%.2f", {9.999}, "10.00"),
        Fmt("%.3f", {0.0004}, "0.000"),
        Fmt("%.3f", {0.0005}, "0.001"),
        Fmt("%8.1f|%-8.1f|", {-2.25, -2.25}, "    -2.3|-2.3    |"),
        Fmt("%e", {1234.5}, "1.23450000000000E+003"),
        Fmt("%.3e", {-0.000123456}, "-1.23E-004"),
        Fmt("%.1e", {0.0}, "0E+000"),
        Fmt("%g", {0.1 + 0.2}, "0.3"),
        Fmt("%g", {1e20}, "1E20"),
        Fmt("%g", {123456.0}, "123456"),
        Fmt("%.3g", {123456.0}, "1.23E5"),
        Fmt("%g", {0.00001}, "0.00001"),
        Fmt("%g", {0.000001}, "1E-6"),
        Fmt("%g", {-0.0}, "0"),
        Fmt("%n", {1234567.891}, "1,234,567.89"),
        Fmt("%.0n", {-999.5}, "-1,000"),
        Fmt("%m", {1234.5}, "1,234.50"),
        Fmt("%f", {std::numeric_limits<double>::infinity()}, "INF"),
        Fmt("%g", {-std::numeric_limits<double>::infinity()}, "-INF"),
        Fmt("%5f", {std::numeric_limits<double>::quiet_NaN()}, "  NAN"),
        Fmt("%f", {1.5f}, "1.50"),
    });
}

TEST(Format, SeparatorsComeFromTheSettings)
{
    TFormatSettings german = DefaultFormatSettings();
    german.DecimalSeparator = ',';
    german.ThousandSeparator = '.';
    Check({
        Fmt("%n", {1234567.891}, "1.234.567,89", german),
        Fmt("%.1f", {1234.56}, "1234,6", german),
        Fmt("%.3e", {1234.5}, "1,23E+003", german),
        Fmt("%d", {1234567}, "1234567", german),
    });

    // The one-argument-list form reads the process-wide settings.
    const TFormatSettings saved = FormatSettings();
    FormatSettings().DecimalSeparator = ',';
    const std::string text = Format("%.1f", {0.5});
    FormatSettings() = saved;
    EXPECT_EQ(text, "0,5");
}

TEST(Format, TextWidthPrecisionAndArgumentOrder)
{
    Check({
        Fmt("%s and %s", {"this", std::string("that")}, "this and that"),
        Fmt("[%6s][%-6s]", {"°C", "°C"}, "[    °C][°C    ]"),
        Fmt("%.3s", {"Zürich"}, "Zür"),
        Fmt("%s", {'x'}, "x"),
        Fmt("%*d|%-*d|", {4, 7, 3, 7}, "   7|7  |"),
        Fmt("%.*f", {1, 2.25}, "2.3"),
        Fmt("%1:s %0:s %s", {"a", "b"}, "b a b"),
        Fmt("%0:s-%0:s", {"x"}, "x-x"),
        Fmt("100%% of %d", {5}, "100% of 5"),
        Fmt("no specifiers", {}, "no specifiers"),
        Fmt("%s", {"%d %s %n"}, "%d %s %n"),  // arguments are never formats
    });
}

TEST(Format, MismatchesAndMalformedSpecifiersRaise)
{
    const auto message = [](std::string_view fmt, std::initializer_list<TVarRec> args) {
        try {
            Format(fmt, args);
        } catch (const EConvertError& e) {
            return e.Message();
        }
        return std::string("no error");
    };
    EXPECT_EQ(message("%d", {"text"}), "Format '%d' invalid or incompatible with argument");
    EXPECT_EQ(message("%d and %d", {1}), "No argument for format '%d and %d'");
    EXPECT_EQ(message("%f", {1}), "Format '%f' invalid or incompatible with argument");
    EXPECT_EQ(message("%s", {1.5}), "Format '%s' invalid or incompatible with argument");
    EXPECT_EQ(message("%x", {2.0}), "Format '%x' invalid or incompatible with argument");
    EXPECT_EQ(message("%*d", {"5", 1}), "Format '%*d' invalid or incompatible with argument");
    EXPECT_EQ(message("50%", {}), "Format '50%' invalid or incompatible with argument");
    EXPECT_EQ(message("%q", {1}), "Format '%q' invalid or incompatible with argument");
    EXPECT_EQ(message("%p", {1}), "Format '%p' invalid or incompatible with argument");
    EXPECT_EQ(message("%3:d", {1}), "No argument for format '%3:d'");
    EXPECT_EQ(message("%999999999s", {"x"}), "Format '%999999999s' invalid or incompatible with argument");
    EXPECT_EQ(message("%*s", {1 << 30, "x"}), "Format '%*s' invalid or incompatible with argument");
}

TEST(Format, ExceptionsFormatTheirMessage)
{
    const EListError error("List index out of bounds (%d)", {7});
    EXPECT_EQ(error.Message(), "List index out of bounds (7)");
    EXPECT_STREQ(error.what(), "List index out of bounds (7)");
    EXPECT_THROW(EListError("%d", {"seven"}), EConvertError);
}
