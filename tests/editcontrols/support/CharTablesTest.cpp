#include "editcontrols/support/KclExceptions.h"
#include "editcontrols/support/TAnsiCharTables.h"
#include "editcontrols/support/TLocaleComparison.h"
#include "editcontrols/support/TWideCharTables.h"

#include <gtest/gtest.h>

namespace skelda::editcontrols {
namespace {

constexpr TCharClasses kLetterUpper = C1_UPPER | C1_ALPHA;
constexpr TCharClasses kLetterLower = C1_LOWER | C1_ALPHA;

TEST(AnsiCharTablesTest, ClassesOfWindows1252Characters)
{
    const struct {
        unsigned char Char;
        TCharClasses Classes;
    } cases[] = {
        {'A', kLetterUpper | C1_XDIGIT}, {'g', kLetterLower},         {'7', C1_DIGIT | C1_XDIGIT},
        {' ', C1_SPACE | C1_BLANK},      {'\t', C1_SPACE | C1_BLANK | C1_CNTRL},
        {'\n', C1_SPACE | C1_CNTRL},     {'!', C1_PUNCT},              {0x01, C1_CNTRL},
        {0xE9 /* é */, kLetterLower},    {0xC9 /* É */, kLetterUpper}, {0xDF /* ß */, kLetterLower},
        {0x8A /* Š */, kLetterUpper},    {0x80 /* € */, C1_PUNCT},     {0xA0 /* no-break space */, C1_SPACE | C1_BLANK},
        {0x81 /* undefined: the C1 control */, C1_CNTRL},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AnsiCharTables().Classes(c.Char), c.Classes) << int(c.Char);
}

TEST(AnsiCharTablesTest, CaseFormsStayWithinWindows1252)
{
    const struct {
        unsigned char Char, Lower, Upper, Swapped;
    } cases[] = {
        {'A', 'a', 'A', 'a'},
        {'z', 'z', 'Z', 'Z'},
        {'1', '1', '1', '1'},
        {0xE9 /* é */, 0xE9, 0xC9, 0xC9},
        {0xC9 /* É */, 0xE9, 0xC9, 0xE9},
        {0xDF /* ß */, 0xDF, 0xDF, 0xDF},
        {0x9A /* š */, 0x9A, 0x8A, 0x8A},
        {0xFF /* ÿ */, 0xFF, 0x9F, 0x9F},
        {0x9F /* Ÿ */, 0xFF, 0x9F, 0xFF},
        // The capital of µ is Greek and has no byte.
        {0xB5 /* µ */, 0xB5, 0xB5, 0xB5},
    };
    const TAnsiCharTables& tables = AnsiCharTables();
    for (const auto& c : cases) {
        EXPECT_EQ(tables.Lower(c.Char), c.Lower) << int(c.Char);
        EXPECT_EQ(tables.Upper(c.Char), c.Upper) << int(c.Char);
        EXPECT_EQ(tables.Swapped(c.Char), c.Swapped) << int(c.Char);
    }
}

TEST(WideCharTablesTest, ClassesAndCaseFormsOfUnicodeCharacters)
{
    const struct {
        char16_t Char;
        TCharClasses Classes;
        char16_t Lower, Upper, Swapped;
    } cases[] = {
        {u'A', kLetterUpper | C1_XDIGIT, u'a', u'A', u'a'},
        {u'é', kLetterLower, u'é', u'É', u'É'},
        {u'É', kLetterUpper, u'é', u'É', u'é'},
        {u'ß', kLetterLower, u'ß', u'ß', u'ß'},
        {u'ẞ', kLetterUpper, u'ß', u'ẞ', u'ß'},
        {u'Ж', kLetterUpper, u'ж', u'Ж', u'ж'},
        {u'σ', kLetterLower, u'σ', u'Σ', u'Σ'},
        {u'ı', kLetterLower, u'ı', u'I', u'I'},
        {u'Ａ', kLetterUpper, u'ａ', u'Ａ', u'ａ'},
        {u'中', C1_ALPHA, u'中', u'中', u'中'},
        {u'5', C1_DIGIT | C1_XDIGIT, u'5', u'5', u'5'},
        {u'\u3000', C1_SPACE | C1_BLANK, u'\u3000', u'\u3000', u'\u3000'},
        {u'\u202F', C1_SPACE | C1_BLANK, u'\u202F', u'\u202F', u'\u202F'},
        {u'€', C1_PUNCT, u'€', u'€', u'€'},
        {u'\u0007', C1_CNTRL, u'\u0007', u'\u0007', u'\u0007'},
        {0xD800, 0, 0xD800, 0xD800, 0xD800},
    };
    const TWideCharTables& tables = WideCharTables();
    for (const auto& c : cases) {
        const int code = c.Char;
        EXPECT_EQ(tables.Classes(c.Char), c.Classes) << std::hex << code;
        EXPECT_EQ(tables.Lower(c.Char), c.Lower) << std::hex << code;
        EXPECT_EQ(tables.Upper(c.Char), c.Upper) << std::hex << code;
        EXPECT_EQ(tables.Swapped(c.Char), c.Swapped) << std::hex << code;
    }
}

TEST(LocaleComparisonTest, ComparesWithoutRegardToCase)
{
    const TLocaleComparison comparison("C.UTF-8");
    const struct {
        const char* A;
        const char* B;
        int Sign;
    } cases[] = {
        {"abc", "ABC", 0}, {"Été", "éTÉ", 0}, {"Жук", "жУК", 0}, {"a", "B", -1},
        {"B", "a", 1},     {"", "a", -1},     {"abc", "ab", 1},  {"Straße", "STRASSE", 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(comparison.CompareText(c.A, c.B), c.Sign) << c.A << " / " << c.B;
        EXPECT_EQ(comparison.CompareText(c.B, c.A), -c.Sign) << c.B << " / " << c.A;
    }
    EXPECT_EQ(UserLocaleComparison().CompareText("Abc", "aBC"), 0);
}

TEST(LocaleComparisonTest, LocaleThatIsNotInstalledIsRefused)
{
    try {
        TLocaleComparison comparison("xx_YY.NOPE");
        ADD_FAILURE() << "no error";
    } catch (const EKclInternalError& e) {
        EXPECT_EQ(e.Message(), "Locale \"xx_YY.NOPE\" is not available");
    }
}

}  // namespace
}  // namespace skelda::editcontrols
