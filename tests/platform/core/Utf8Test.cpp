#include "platform/core/Exception.h"
#include "platform/core/UnicodeUpperCase.h"
#include "platform/core/Utf8.h"

#include <gtest/gtest.h>

#include <string>

using namespace plat;

TEST(Utf8, CountsAndCutsByCodePoint)
{
    struct Case {
        std::string text;
        int length;
        std::string copy2to3;  // Utf8Copy(text, 2, 2)
    };
    const Case cases[] = {
        {"", 0, ""},
        {"abc", 3, "bc"},
        {"20°C", 4, "0°"},
        {"Zürich", 6, "ür"},
        {"日本語です", 5, "本語"},
        {"a😀b🌍", 4, "😀b"},
        {"a\xFF\xFE" "b", 4, "\xFF\xFE"},  // stray bytes count one each
        {"x\xE2\x82", 3, "\xE2\x82"},     // truncated sequence
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8Length(c.text), c.length) << c.text;
        EXPECT_EQ(Utf8Copy(c.text, 2, 2), c.copy2to3) << c.text;
    }
}

TEST(Utf8, CopyClampsLikeTheLibraryCopy)
{
    const std::string s = "°é€😀";
    EXPECT_EQ(Utf8Copy(s, 0, 2), "°é");
    EXPECT_EQ(Utf8Copy(s, -5, 1), "°");
    EXPECT_EQ(Utf8Copy(s, 3, 100), "€😀");
    EXPECT_EQ(Utf8Copy(s, 5, 1), "");
    EXPECT_EQ(Utf8Copy(s, 2, 0), "");
    EXPECT_EQ(Utf8Copy(s, 2, -1), "");
}

TEST(Utf8, PosAndCodePointAt)
{
    EXPECT_EQ(Utf8Pos("C", "20°C"), 4);
    EXPECT_EQ(Utf8Pos("語", "日本語"), 3);
    EXPECT_EQ(Utf8Pos("x", "日本語"), 0);
    EXPECT_EQ(Utf8Pos("", "abc"), 0);
    EXPECT_EQ(Utf8CodePointAt("a°😀", 2), U'°');
    EXPECT_EQ(Utf8CodePointAt("a°😀", 3), U'😀');
    EXPECT_THROW(Utf8CodePointAt("a°😀", 4), EOutOfRange);
    EXPECT_THROW(Utf8CodePointAt("a°😀", 0), EOutOfRange);
    EXPECT_EQ(CodePointToUtf8(U'€'), "€");
    EXPECT_EQ(CodePointToUtf8(0xD800), "\xEF\xBF\xBD");
}

TEST(Utf8, ValidityCheck)
{
    struct Case {
        std::string bytes;
        bool valid;
    };
    const Case cases[] = {
        {"plain ASCII", true},
        {"°é€😀", true},
        {"\xF4\x8F\xBF\xBF", true},  // U+10FFFF
        {"\xC0\xAF", false},         // overlong '/'
        {"\xE0\x80\xAF", false},     // overlong
        {"\xED\xA0\x80", false},     // surrogate
        {"\xF4\x90\x80\x80", false}, // past U+10FFFF
        {"\x80", false},             // lone continuation
        {"\xE2\x82", false},         // cut short
        {"\xE2\x28\xA1", false},     // bad continuation
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << ::testing::PrintToString(c.bytes);
    EXPECT_EQ(Utf8Sanitize("a\xC0\xAF" "b"), "a\xEF\xBF\xBD\xEF\xBF\xBD" "b");
}

TEST(Utf8, Windows1252RoundTripsEveryByte)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string utf8 = Windows1252ToUtf8(all);
    EXPECT_TRUE(IsValidUtf8(utf8));
    EXPECT_EQ(Utf8ToWindows1252(utf8), all);

    EXPECT_EQ(Windows1252ToUtf8("\xB0\xE9\x80\x93\x9F"), "°é€“Ÿ");
    EXPECT_EQ(Utf8ToWindows1252("°é€ Ωx"), "\xB0\xE9\x80 ?x");
    EXPECT_EQ(Utf8ToWindows1252("日\xFF", '_'), "__");
}

// Unicode's simple mapping, one code point for one, across scripts and planes.
TEST(Utf8, UpperCaseFollowsUnicodeSimpleMapping)
{
    struct Case {
        const char* text;
        const char* upper;
    };
    const Case cases[] = {
        {"straße ǆ ǅ ſ µ", "STRAßE Ǆ Ǆ S Μ"},                 // Latin: ß has no one-letter capital
        {"ᾀ ῳ ΐ ς", "ᾈ ῼ ΐ Σ"},                               // Greek: iota subscript keeps its length
        {"ёжик ґ ӏ", "ЁЖИК Ґ Ӏ"},                             // Cyrillic
        {"աբգ", "ԱԲԳ"},                                       // Armenian
        {"ქართ", "ᲥᲐᲠᲗ"},                                     // Georgian Mkhedruli to Mtavruli
        {"ꭰꮿ ᏸ", "ᎠᏯ Ᏸ"},                                     // Cherokee small letters
        {"𐐨𐑏", "𐐀𐐧"},                                       // Deseret, outside the BMP
        {"ａｚ ⓐ", "ＡＺ Ⓐ"},                                  // fullwidth, circled
        {"ŉ 日本 ١٢", "ŉ 日本 ١٢"},                            // no simple mapping: kept
        {"a\xFFz\xC3", "A\xFFZ\xC3"},                        // stray and cut-off bytes kept
        {"\xED\xA0\x80x", "\xED\xA0\x80X"},                  // an encoded surrogate is no letter
    };
    for (const Case& c : cases)
        EXPECT_EQ(Utf8UpperCase(c.text), c.upper) << c.text;
    EXPECT_EQ(UnicodeUpperCase(0x110000), 0x110000u);
    EXPECT_EQ(UnicodeUpperCase(0xDC80), 0xDC80u);
}

TEST(Utf8, CaseMappingAndComparison)
{
    EXPECT_EQ(Utf8UpperCase("straße café ÿ"), "STRAßE CAFÉ Ÿ");
    EXPECT_EQ(Utf8LowerCase("ÀÉÎÕÜ ŁÓDŹ ΑΘΉΝΑ МОСКВА ЁЖ"), "àéîõü łódź αθήνα москва ёж");
    EXPECT_EQ(Utf8UpperCase("αθήνα ς москва"), "ΑΘΉΝΑ Σ МОСКВА");
    EXPECT_EQ(Utf8UpperCase("a\xFFz"), "A\xFFZ");  // stray bytes kept as they are

    struct Case {
        const char* a;
        const char* b;
        int text;  // sign of Utf8CompareText
        int str;   // sign of Utf8CompareStr
    };
    const Case cases[] = {
        {"abc", "ABC", 0, -1},
        {"ABC", "abd", -1, -1},
        {"Zürich", "ZÜRICH", 0, -1},
        {"b", "A", 1, 1},
        {"ab", "a", 1, 1},
        {"", "", 0, 0},
        {"e", "é", -1, -1},
    };
    const auto sign = [](int v) { return (v > 0) - (v < 0); };
    for (const Case& c : cases) {
        EXPECT_EQ(sign(Utf8CompareText(c.a, c.b)), c.text) << c.a << " / " << c.b;
        EXPECT_EQ(sign(Utf8CompareText(c.b, c.a)), -c.text) << c.a << " / " << c.b;
        EXPECT_EQ(sign(Utf8CompareStr(c.a, c.b)), c.str) << c.a << " / " << c.b;
        EXPECT_EQ(sign(Utf8CompareStr(c.b, c.a)), -c.str) << c.a << " / " << c.b;
    }
    EXPECT_TRUE(Utf8SameText("Ελλάδα", "ΕΛΛΆΔΑ"));
}

TEST(Utf8, CodePointsInOnePassMatchIndexedAccess)
{
    // Well-formed text of every sequence length, then stray and cut-off bytes.
    for (const std::string& text : {std::string("a°€😀z"), std::string("x\x80y\xE2\x82"), std::string()}) {
        const std::u32string codePoints = Utf8ToCodePoints(text);
        ASSERT_EQ(static_cast<int>(codePoints.size()), Utf8Length(text));
        for (std::size_t i = 0; i < codePoints.size(); ++i)
            EXPECT_EQ(codePoints[i], Utf8CodePointAt(text, static_cast<int>(i) + 1)) << text << " at " << i;
    }
    EXPECT_EQ(CodePointsToUtf8(Utf8ToCodePoints("a°€😀z")), "a°€😀z");
}
