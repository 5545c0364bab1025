#include "grid/text/CharRoutines.h"
#include "grid/text/CsvQuoting.h"
#include "grid/text/DateTexts.h"
#include "grid/text/LineBreakForms.h"
#include "grid/text/LinkTexts.h"
#include "grid/text/LocaleSettings.h"
#include "grid/text/NumberTexts.h"
#include "grid/text/OemText.h"
#include "grid/text/TextCasing.h"
#include "grid/text/TextFields.h"
#include "grid/text/TextKinds.h"
#include "grid/text/Utf16Text.h"
#include "platform/core/Exception.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/TStringList.h"
#include "platform/core/Utf8.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

namespace skelda::grid {
namespace {

using namespace std::string_literals;

// Puts the process-wide format settings back as they were, whatever a test changed.
class FormatSettingsGuard {
public:
    FormatSettingsGuard() : FSaved(plat::FormatSettings()) {}
    ~FormatSettingsGuard() { plat::FormatSettings() = FSaved; }
    FormatSettingsGuard(const FormatSettingsGuard&) = delete;
    FormatSettingsGuard& operator=(const FormatSettingsGuard&) = delete;

private:
    plat::TFormatSettings FSaved;
};

// Swiss-style numbers and dashed dates, so that no routine gets by on "." and "/".
class TextRoutinesTest : public ::testing::Test {
protected:
    TextRoutinesTest()
    {
        plat::TFormatSettings& settings = plat::FormatSettings();
        settings.ThousandSeparator = '\'';
        settings.DecimalSeparator = ',';
        settings.DateSeparator = '-';
        settings.TimeSeparator = '.';
        settings.ShortDateFormat = "dd-MM-yyyy";
    }

private:
    FormatSettingsGuard FGuard;
};

plat::TDateTime DateTime(int Year, int Month, int Day, int Hour = 0, int Min = 0, int Sec = 0)
{
    return plat::EncodeDate(Year, Month, Day) + plat::EncodeTime(Hour, Min, Sec, 0);
}

TEST_F(TextRoutinesTest, AccessorsFollowTheCurrentSettings)
{
    EXPECT_EQ(UtilThousandSeparator(), '\'');
    EXPECT_EQ(UtilDecimalSeparator(), ',');
    EXPECT_EQ(UtilDateSeparator(), '-');
    EXPECT_EQ(UtilTimeSeparator(), '.');
    plat::FormatSettings().ShortDateFormat = "yyyy-MM-dd";
    EXPECT_EQ(UtilShortDateFormat(), "yyyy-MM-dd");
}

TEST(TextKinds, ClassifiesByPrefixAndHtmlMarks)
{
    const struct {
        std::string Text;
        bool Html;
        TTextKind Expected;
    } cases[] = {
        {"", true, tkPlain},
        {"=", false, tkFormula},
        {"=SUM(A1)", true, tkFormula},
        {"a<br>b", true, tkPlain},
        {"<b>x</b>", true, tkHtml},
        {"<B>x", false, tkPlain},
        {"<B>x", true, tkHtml},
        {"x<Cell", true, tkHtml},
        {"<i>", true, tkPlain},
        {"a</", true, tkHtml},
        {"<", true, tkPlain},
        {"{\\rtf1 x}", true, tkRtf},
        {"{", true, tkPlain},
        {"|\\", true, tkPackedWide},
        {"|", true, tkPlain},
        {PackWideText(u"=1"), false, tkFormula},
        {PackWideText(u"="), false, tkPackedWide},
        {PackWideText(u"=\u4E2D"), false, tkPackedWide},
        {PackWideText(u"\u043D1"), false, tkPackedWide},  // low byte "=", as in the Cyrillic en
        {PackWideText(u"\u4E3D1"), false, tkPackedWide},
        {PackWideText(u"<b>"), true, tkPackedWide},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetTextKind(c.Text, c.Html), c.Expected) << c.Text;
}

TEST(TextKinds, PackedTextHoldsHighThenLowBytes)
{
    EXPECT_EQ(PackWideText(u""), "|\\");
    EXPECT_EQ(PackWideText(u"=A"), "|\\\0=\0A"s);
    EXPECT_EQ(PackWideText(u"\u20AC"), "|\\\x20\xAC"s);
}

TEST(TextKinds, PackingRoundTripsEveryCodeUnit)
{
    std::u16string every;
    for (char32_t unit = 0; unit <= 0xFFFF; ++unit)
        every += static_cast<char16_t>(unit);
    const std::string packed = PackWideText(every);
    EXPECT_EQ(packed.size(), 2 + 2 * every.size());
    EXPECT_EQ(UnpackWideText(packed), every);
}

TEST(TextKinds, UnpackIgnoresOddByteAndConvertsOtherTexts)
{
    EXPECT_EQ(UnpackWideText("|\\\0A\0"s), u"A");
    EXPECT_EQ(UnpackWideText("|\\"), u"");
    EXPECT_EQ(UnpackWideText("plain \xC3\xA9 \xF0\x9F\x93\xA1"), u"plain \u00E9 \U0001F4E1");
    EXPECT_EQ(UnpackWideText(""), u"");
}

TEST(Utf16Text, ConvertsPairsAndReplacesLoneSurrogates)
{
    EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x93\xA1"), u"\U0001F4E1");
    EXPECT_EQ(Utf16ToUtf8(u"\U0001F4E1x"), "\xF0\x9F\x93\xA1x");
    const std::u16string lone{u'a', char16_t(0xD800), u'b', char16_t(0xDC00)};
    EXPECT_EQ(Utf16ToUtf8(lone), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
    EXPECT_EQ(Utf8ToUtf16("a\xFF"), u"a\uFFFD");
}

TEST(CharRoutines, PositionsCountCharacters)
{
    const std::string text = "\xC3\xA9t\xC3\xA9 (a(b)) c";  // "été (a(b)) c"
    EXPECT_EQ(CharPos(U'(', text), 5);
    EXPECT_EQ(CharPos(U'\u00E9', text), 1);
    EXPECT_EQ(CharPos(U'z', text), 0);
    EXPECT_EQ(CharPos(U'a', ""), 0);

    int pos = 42;
    EXPECT_EQ(FindCharPos(U'z', text, pos), 0);
    EXPECT_EQ(pos, 42);
    EXPECT_EQ(FindCharPos(U't', text, pos), 2);
    EXPECT_EQ(pos, 2);

    EXPECT_EQ(FindPos("(b", text, pos), 7);
    EXPECT_EQ(pos, 7);
    EXPECT_EQ(FindPos("(B", text, pos), 0);
    EXPECT_EQ(pos, 0);

    EXPECT_EQ(UpperCasePos("(B)", text), 7);
    EXPECT_EQ(UpperCasePos("\xC3\x89T", text), 0);

    EXPECT_EQ(CountChar(U'\u00E9', text), 2);
    EXPECT_EQ(CountChar(U'(', text), 2);
    EXPECT_EQ(CountChar(U'x', ""), 0);
}

TEST(CharRoutines, FillKeepsTheCharacterCount)
{
    std::string text = "\xC3\xA9t\xC3\xA9";
    FillTextWithChar(text, U'*');
    EXPECT_EQ(text, "***");
    FillTextWithChar(text, U'\u25CF');
    EXPECT_EQ(text, "\xE2\x97\x8F\xE2\x97\x8F\xE2\x97\x8F");
    std::string empty;
    FillTextWithChar(empty, U'*');
    EXPECT_EQ(empty, "");
}

TEST(CharRoutines, ClosingParenWhereCountsMeet)
{
    const struct {
        std::string Text;
        int Expected;
    } cases[] = {
        {"", 0}, {"(a)", 3}, {"(a(b))c", 6}, {"(a(b)", 0}, {"a)", 0}, {"())", 2}, {"\xC3\xA9(x)", 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClosingParenPos(c.Text), c.Expected) << c.Text;
}

TEST(TextFields, TakeFirstFieldCutsBeforeTheSeparator)
{
    std::string text = "a;b;c";
    EXPECT_EQ(TakeFirstField(text, U';'), "a");
    EXPECT_EQ(text, "b;c");
    EXPECT_EQ(TakeFirstField(text, U';'), "b");
    EXPECT_EQ(TakeFirstField(text, U';'), "");
    EXPECT_EQ(text, "c");
    std::string wide = "\xC3\xA9\xE2\x80\xA2x";
    EXPECT_EQ(TakeFirstField(wide, U'\u2022'), "\xC3\xA9");
    EXPECT_EQ(wide, "x");
}

TEST(TextFields, JoinStringsAddsNothingBetween)
{
    plat::TStringList list;
    EXPECT_EQ(JoinStrings(list), "");
    list.Add("ab");
    list.Add("");
    list.Add("c");
    EXPECT_EQ(JoinStrings(list), "abc");
}

TEST(TextFields, ParsesRowColReferences)
{
    const struct {
        std::string Text;
        bool Ok;
        plat::TPoint Expected;
    } cases[] = {
        {"R1C2", true, {2, 1}},
        {"r12c-3", true, {-3, 12}},
        {"R 5C 6", true, {6, 5}},
        {"R1C", false, {}},
        {"RC12", false, {}},
        {"C1R2", false, {}},
        {"R12", false, {}},
        {"R1C2x", false, {}},
        {"R99999999999C1", false, {}},
        {"", false, {}},
    };
    const plat::TPoint untouched{-100, -100};
    for (const auto& c : cases) {
        plat::TPoint point = untouched;
        EXPECT_EQ(ParseRowColReference(c.Text, point), c.Ok) << c.Text;
        EXPECT_EQ(point, c.Ok ? c.Expected : untouched) << c.Text;
    }
}

TEST(CsvQuoting, DoublesAndCollapsesQuotes)
{
    EXPECT_EQ(DoubleQuoteChars("say \"hi\""), "say \"\"hi\"\"");
    EXPECT_EQ(DoubleQuoteChars(""), "");
    const struct {
        std::string Text;
        std::string Expected;
    } cases[] = {
        {"abc", "abc"}, {"a\"\"b", "a\"b"}, {"\"\"\"", "\"\""}, {"\"\"\"\"", "\"\""}, {"\"", "\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CollapseDoubledChar(U'"', c.Text), c.Expected) << c.Text;
}

TEST(CsvQuoting, FindsQuotesThatOpenOrCloseAField)
{
    const struct {
        std::string Text;
        int Position;
        int Count;
    } cases[] = {
        {"", 0, 0},
        {"abc", 0, 0},
        {"\"abc\",1", 1, 2},
        {"\"a\"\"b\"", 1, 2},
        {"x,\"a", 3, 1},
        {"\"abc\",\"\"", 1, 2},    // an empty quoted field at the end pairs off
        {"\"\"", 0, 0},
        {"\"x\"\"", 1, 1},         // an escaped quote at the end leaves the field open
        {"\"x\"\"\"", 1, 2},
        {"\xC3\xA9\"a\"", 2, 2},
    };
    for (const auto& c : cases) {
        int pos = -1;
        EXPECT_EQ(FindUnpairedQuote(U'"', c.Text, pos), c.Position) << c.Text;
        EXPECT_EQ(pos, c.Position) << c.Text;
        EXPECT_EQ(CountUnpairedQuotes(U'"', c.Text), c.Count) << c.Text;
    }
}

TEST(LineBreakForms, EachRoutineConvertsOneWay)
{
    using TRoutine = std::string (*)(std::string_view);
    const struct {
        const char* Name;
        TRoutine Routine;
        std::string Text;
        std::string Expected;
    } cases[] = {
        {"ToBR", LineBreaksToBR, "a\r\nb", "a<br>\nb"},
        {"ToBR", LineBreaksToBR, "a\nb", "a\nb"},
        {"ToEscaped", LineBreaksToEscaped, "a\r\nb\nc", "a\\nbc"},
        {"FromEscaped", EscapedToLineBreaks, "a\\nb\\n", "a\rb\r"},
        {"ToTilde", LineBreaksToTilde, "a\r\nb\n", "a~b"},
        {"FromTilde", TildeToLineBreaks, "a~b", "a\r\nb"},
        {"FromTilde", TildeToLineBreaks, "^", ""},
        {"FromTilde", TildeToLineBreaks, "^~", "^\r\n"},
        {"Quote", QuoteMultiLineCell, "a", "\"a\""},
        {"Quote", QuoteMultiLineCell, "a\r\nb\rc", "\"a\x0B" "b\rc\""},
        {"FromVT", VerticalTabsToLineBreaks, "a\x0B" "b", "a\r\nb"},
        {"NoCRBeforeLF", RemoveCRBeforeLF, "a\r\nb\rc\n", "a\nb\rc\n"},
        {"RemoveCR", RemoveCR, "\ra\r\nb\r", "a\nb"},
        {"CRToLF", CRToLF, "a\r\nb\r", "a\n\nb\n"},
        {"Encode", EncodeLineBreaks, "a\r\nb"s + '\0', "a\x09\x08" "b\x01"},
        {"Encode", EncodeLineBreaks, "a\nb"s + '\0', "a\nb"s + '\0'},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.Routine(c.Text), c.Expected) << c.Name << " of " << c.Text;
}

TEST(LineBreakForms, DecodeUndoesEncodeForCRLF)
{
    const std::string text = "one\r\ntwo"s + '\0' + "\r\nthree";
    EXPECT_EQ(DecodeLineBreaks(EncodeLineBreaks(text), true), text);
    EXPECT_EQ(DecodeLineBreaks(EncodeLineBreaks(text), false), "one");
    EXPECT_EQ(DecodeLineBreaks(EncodeLineBreaks("a\rb"), true), "a\x09" "b");
    EXPECT_EQ(DecodeLineBreaks("a\rb", false), "a");
    EXPECT_EQ(DecodeLineBreaks("plain", false), "plain");
}

TEST(LineBreakForms, CutFirstLineAndCountLines)
{
    const struct {
        std::string Text;
        bool Keep;
        std::string Line;
        std::string Rest;
    } cases[] = {
        {"a\r\nb\r\nc", true, "a", "b\r\nc"},
        {"a\r\nb", false, "a", ""},
        {"a\r\n\nb", true, "a", "\nb"},
        {"a\rb", true, "a", "b"},
        {"single", true, "single", ""},
        {"", true, "", ""},
        {"\r\n", true, "", ""},
    };
    for (const auto& c : cases) {
        std::string text = c.Text;
        EXPECT_EQ(CutFirstLine(text, c.Keep), c.Line) << c.Text;
        EXPECT_EQ(text, c.Rest) << c.Text;
    }
    EXPECT_EQ(CountLines("a\r\nb\r\nc", true), 3);
    EXPECT_EQ(CountLines("a\r\nb\r\nc", false), 1);
    EXPECT_EQ(CountLines("", true), 1);
}

TEST(LinkTexts, DetectsAndStripsProtocols)
{
    EXPECT_TRUE(IsURL("see https://example.org"));
    EXPECT_TRUE(IsURL("mailto:op@example.org"));
    EXPECT_FALSE(IsURL("MAILTO:op@example.org"));
    EXPECT_FALSE(IsURL("http:/x"));
    const struct {
        std::string Text;
        std::string Expected;
    } cases[] = {
        {"mailto:op@example.org", "op@example.org"},
        {"mailto:a http://b", "b"},
        {"https://x.org/p", "x.org/p"},
        {"no link", "no link"},
        {"://", ""},
    };
    for (const auto& c : cases) {
        std::string text = c.Text;
        StripURLProtocol(text);
        EXPECT_EQ(text, c.Expected) << c.Text;
    }
}

TEST_F(TextRoutinesTest, CharacterClassesFollowUnicodeAndSeparators)
{
    const struct {
        char32_t Ch;
        bool Number, NumberOrMinus, Part, Float, Plain;
    } cases[] = {
        {U'7', true, true, true, true, true},
        {U'\u0663', true, true, true, true, true},   // Arabic-Indic three
        {U'\u00B2', true, true, true, true, true},   // superscript two
        {U'\u216B', true, true, true, true, true},   // Roman numeral twelve
        {U'\U0001D7D8', true, true, true, true, true},
        {U'-', false, true, false, true, true},
        {U'+', false, false, false, true, true},
        {U'e', false, false, true, true, true},
        {U',', false, false, true, true, false},
        {U'\'', false, false, true, true, false},
        {U'.', false, false, false, false, true},
        {U'a', false, false, false, false, false},
        {U'\u00BF', false, false, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<unsigned>(c.Ch));
        EXPECT_EQ(IsNumberChar(c.Ch), c.Number);
        EXPECT_EQ(IsNumberOrMinus(c.Ch), c.NumberOrMinus);
        EXPECT_EQ(IsNumberPartChar(c.Ch), c.Part);
        EXPECT_EQ(IsFloatChar(c.Ch), c.Float);
        EXPECT_EQ(IsPlainNumberChar(c.Ch), c.Plain);
    }
}

TEST_F(TextRoutinesTest, ClassifiesNumberTexts)
{
    const struct {
        std::string Text;
        TNumberTextClass Expected;
    } cases[] = {
        {"", ncNotNumber},        {"123", ncInteger},         {"-123", ncInteger},
        {"-", ncInteger},         {"1-2", ncNotNumber},       {"1'234,5", ncNumber},
        {"1,5", ncNumber},        {"12'34", ncNumber},        {"1'234", ncNumber},
        {"1'23'456", ncNotNumber}, {"1'234'567", ncNumber},   {"1,2,3", ncNotNumber},
        {"1e5", ncExponent},      {"-1,5E-3", ncExponent},    {"-1e-5", ncExponent},
        {"1e5e3", ncNotNumber},   {"e5", ncNotNumber},        {"1e", ncNotNumber},
        {"1e-", ncNotNumber},     {"1'0e5", ncNotNumber},     {"1.5", ncNotNumber},
        {"--1", ncNotNumber},     {"+1", ncNotNumber},        {"\u0661\u0662", ncInteger},
        {"abc", ncNotNumber},     {"+1e+5", ncExponent},      {"1-1e5", ncNotNumber},
        {"1e5-3", ncNotNumber},   {"1+e5", ncNotNumber},      {"-e5", ncNotNumber},
        {",e5", ncNotNumber},     {"1e5,5", ncNotNumber},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClassifyNumberText(c.Text), c.Expected) << c.Text;
}

TEST_F(TextRoutinesTest, NormalisesFormattedNumbers)
{
    const struct {
        std::string Text;
        std::string Expected;
    } cases[] = {
        {"", ""},
        {"   ", ""},
        {"(1'234,50)", "-1234.50"},
        {" (5) ", "-5"},
        {"$ 12,5 USD", "12.5"},
        {"- 7", "-7"},
        {"\t42\r\n", "42"},
        {"1,5e-3", "1.5e-3"},
        {"CHF 1'000", "1000"},
        {"-", "-"},
        {"12.5", "12.5"},
        {"\xE2\x82\xAC 3", "3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NormalizeNumberText(c.Text), c.Expected) << c.Text;
}

TEST_F(TextRoutinesTest, NumberTextForValKeepsOtherCharacters)
{
    EXPECT_EQ(NumberTextForVal("1'234'567,89"), "1234567.89");
    EXPECT_EQ(NumberTextForVal("< 1,5 kHz"), "< 1.5 kHz");
    EXPECT_EQ(NumberTextForVal(""), "");
}

TEST(NumberTexts, TryTextToIntReportsFailureWithoutRaising)
{
    const struct {
        std::string Text;
        bool Ok;
        int Expected;
    } cases[] = {
        {"0", true, 0},        {"-0", true, 0},   {"  17", true, 17}, {"+3", true, 3},
        {"-2147483648", true, -2147483647 - 1},   {"2147483648", false, 0},
        {"17 ", false, 0},     {"", false, 0},    {"x", false, 0},    {"1,5", false, 0},
    };
    for (const auto& c : cases) {
        int value = 99;
        EXPECT_EQ(TryTextToInt(c.Text, value), c.Ok) << c.Text;
        EXPECT_EQ(value, c.Ok ? c.Expected : 99) << c.Text;
    }
}

TEST_F(TextRoutinesTest, ParsesDateTimesInTheShortDateOrder)
{
    const struct {
        const char* Format;
        std::string Text;
        bool Ok;
        plat::TDateTime Expected;
    } cases[] = {
        {"dd-MM-yyyy", "31-12-2013 10.30", true, DateTime(2013, 12, 31, 10, 30)},
        {"dd-MM-yyyy", "31-12-2013 10.30.59", true, DateTime(2013, 12, 31, 10, 30, 59)},
        {"dd-MM-yyyy", " 1- 2-2013  ", true, DateTime(2013, 2, 1)},
        {"dd-MM-yyyy", "31-12-2013", true, DateTime(2013, 12, 31)},
        {"dd-MM-yyyy", "31-12-13", true, DateTime(13, 12, 31)},
        {"dd-MM-yyyy", "31-12-2013 10.30.60", false, 0},
        {"dd-MM-yyyy", "31-12-2013 24.00", false, 0},
        {"dd-MM-yyyy", "31-12-2013 10.60", false, 0},
        {"dd-MM-yyyy", "31-12-2013 10:30", false, 0},
        {"dd-MM-yyyy", "31-12-2013 10.30 PM", false, 0},
        {"dd-MM-yyyy", "30-02-2013", false, 0},
        {"dd-MM-yyyy", "32-01-2013", false, 0},
        {"dd-MM-yyyy", "01-13-2013", false, 0},
        {"dd-MM-yyyy", "00-01-2013", false, 0},
        {"dd-MM-yyyy", "01-01-0", false, 0},
        {"dd-MM-yyyy", "1-2", false, 0},
        {"dd-MM-yyyy", "31/12/2013", false, 0},
        {"dd-MM-yyyy", "x-12-2013", false, 0},
        {"dd-MM-yyyy", "", false, 0},
        {"MM-dd-yyyy", "12-31-2013", true, DateTime(2013, 12, 31)},
        {"yyyy-MM-dd", "2013-12-31 23.59", true, DateTime(2013, 12, 31, 23, 59)},
        {"yyyy-MM-dd", "31-12-2013", false, 0},
        {"yy-d-M", "13-31-12", true, DateTime(13, 12, 31)},
    };
    for (const auto& c : cases) {
        plat::FormatSettings().ShortDateFormat = c.Format;
        plat::TDateTime value = -1;
        EXPECT_EQ(ParseDateTimeText(c.Text, value), c.Ok) << c.Format << " " << c.Text;
        EXPECT_DOUBLE_EQ(value, c.Ok ? c.Expected : -1) << c.Format << " " << c.Text;
    }
}

TEST_F(TextRoutinesTest, TimeOfDayBeforeTheEpochCountsForward)
{
    plat::TDateTime value = 0;
    ASSERT_TRUE(ParseDateTimeText("01-06-1850 18.00", value));
    const plat::TDateTimeParts parts = plat::DecodeDateTime(value);
    EXPECT_EQ(parts.Year, 1850);
    EXPECT_EQ(parts.Day, 1);
    EXPECT_EQ(parts.Hour, 18);
}

TEST(DateTexts, ShortDatesSplitAtTheFirstKnownSeparator)
{
    const struct {
        std::string Text;
        plat::TDateTime US;
        plat::TDateTime EU;
    } cases[] = {
        {"3-5-99", plat::EncodeDate(1999, 3, 5), plat::EncodeDate(1999, 5, 3)},
        {"5.3.13", plat::EncodeDate(2013, 5, 3), plat::EncodeDate(2013, 3, 5)},
        {"1/2/25", plat::EncodeDate(2025, 1, 2), plat::EncodeDate(2025, 2, 1)},
        {"1/2/26", plat::EncodeDate(1926, 1, 2), plat::EncodeDate(1926, 2, 1)},
        {"1/2/2013", plat::EncodeDate(3913, 1, 2), plat::EncodeDate(3913, 2, 1)},
        {"1/2.3-4", 0, 0},
        {"3/5", 0, 0},
        {"a/5/99", 0, 0},
        {"3/5/99 10:00", 0, 0},
        {"", 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(ShortDateUSToDate(c.Text), c.US) << c.Text;
        EXPECT_DOUBLE_EQ(ShortDateEUToDate(c.Text), c.EU) << c.Text;
    }
    EXPECT_THROW(ShortDateUSToDate("2/30/13"), plat::EConvertError);
    EXPECT_THROW(ShortDateEUToDate("1.13.13"), plat::EConvertError);
}

// The error names the date as read, not one whose year wrapped around the integers' range.
void ExpectDateError(const std::function<plat::TDateTime()>& Convert, const std::string& Message)
{
    try {
        Convert();
        ADD_FAILURE() << "no error, expected " << Message;
    } catch (const plat::EConvertError& e) {
        EXPECT_EQ(e.Message(), Message);
    }
}

TEST(DateTexts, YearsBeyondTheCalendarRaiseWithoutWrapping)
{
    const plat::TDateTime start = DateTime(2013, 1, 31, 6, 30);
    constexpr int Most = std::numeric_limits<int>::max();
    constexpr int Least = std::numeric_limits<int>::min();
    ExpectDateError([] { return ShortDateUSToDate("1/2/2147483647"); }, "Invalid argument to date encode: 2147485547-1-2");
    ExpectDateError([] { return ShortDateEUToDate("2.1.-1901"); }, "Invalid argument to date encode: -1-1-2");
    ExpectDateError([&] { return IncDateStep(Most, 0, 0, 0, start); }, "Invalid argument to date encode: 2147485660-1-31");
    ExpectDateError([&] { return IncDateStep(Least, 0, 0, 0, start); }, "Invalid argument to date encode: -2147481635-1-31");
    ExpectDateError([&] { return IncDateStep(0, Most, 0, 0, DateTime(2013, 12, 31)); },
                    "Invalid argument to date encode: 178958984-7-31");
    ExpectDateError([&] { return IncDateStep(0, Least, 0, 0, start); }, "Invalid argument to date encode: -178954958-5-31");
    ExpectDateError([&] { return IncDateStep(-2013, 0, 0, 0, start); }, "Invalid argument to date encode: 0-1-31");
}

TEST(DateTexts, IncDateStepContinuesASeries)
{
    const plat::TDateTime start = DateTime(2013, 1, 31, 6, 30);
    const struct {
        int Years, Months, Days;
        double Step;
        plat::TDateTime Expected;
    } cases[] = {
        {0, 0, 3, 0.5, DateTime(2013, 2, 3, 6, 30)},
        {0, 0, -31, 0.5, DateTime(2012, 12, 31, 6, 30)},
        {2, 0, 0, 0.5, DateTime(2015, 1, 31, 6, 30)},
        {0, -1, 0, 0.5, DateTime(2012, 12, 31, 6, 30)},
        {0, 11, 0, 0.5, DateTime(2013, 12, 31, 6, 30)},
        {0, 12, 0, 0.5, DateTime(2014, 1, 31, 6, 30)},
        {0, 26, 0, 0.5, DateTime(2015, 3, 31, 6, 30)},
        {0, -13, 0, 0.5, DateTime(2011, 12, 31, 6, 30)},
        {1, 1, 0, 0.25, start + 0.25},
        {0, 0, 0, 7, start + 7},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(IncDateStep(c.Years, c.Months, c.Days, c.Step, start), c.Expected)
            << c.Years << " " << c.Months << " " << c.Days;
    }
    EXPECT_THROW(IncDateStep(0, 1, 0, 0, start), plat::EConvertError);
    EXPECT_THROW(IncDateStep(1, 0, 0, 0, plat::EncodeDate(2012, 2, 29)), plat::EConvertError);

    // A hair before midnight reads as the next day, and the series goes on from that day.
    const plat::TDateTime hairBeforeFebruary = std::nextafter(DateTime(2013, 2, 1), 0.0);
    EXPECT_DOUBLE_EQ(IncDateStep(0, 1, 0, 0, hairBeforeFebruary), DateTime(2013, 3, 1));
}

TEST(OemText, CarriesOemBytesAsAnsiCharacters)
{
    std::string text = "A\xC3\x84\xC3\xA9\xE2\x96\x91\xE2\x82\xAC";  // "AÄé░€"
    StringToOem(text);
    EXPECT_TRUE(plat::IsValidUtf8(text));
    EXPECT_EQ(plat::Utf8ToWindows1252(text), "A\x8E\x82\xB0?");
    OemToString(text);
    EXPECT_EQ(text, "A\xC3\x84\xC3\xA9\xE2\x96\x91?");
}

TEST(OemText, EveryOemByteSurvivesTheAnsiRoundTrip)
{
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    std::string text = plat::Windows1252ToUtf8(bytes);
    OemToString(text);
    StringToOem(text);
    EXPECT_EQ(plat::Utf8ToWindows1252(text), bytes);
}

TEST(TextCasing, MixedCaseCapitalisesNames)
{
    const struct {
        std::string Text;
        std::string Expected;
    } cases[] = {
        {"", ""},
        {"mcdonald", "McDonald"},
        {"john smith iii", "John Smith III"},
        {"louis xiv", "Louis Xiv"},
        {"henry ii", "Henry II"},
        {"o'neil-smith", "O'Neil-Smith"},
        {"JOHN mcdonald AND mcgee", "John McDonald And Mcgee"},
        {"st.john,uk", "St.John,Uk"},
        {"\xC3\xA9MILE zola", "\xC3\x89mile Zola"},
        {"iii", "Iii"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MixedCaseText(c.Text), c.Expected) << c.Text;
}

}  // namespace
}  // namespace skelda::grid
