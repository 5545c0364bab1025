#include "grid/text/TRtfReader.h"

#include "platform/core/Utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace skelda::grid {
namespace {

// A line as text with its styled runs marked: [b:...], [i:...], [u:...], [bi:...].
std::string Marked(const std::vector<TRtfRun>& Line)
{
    std::string Text;
    for (const TRtfRun& Run : Line) {
        std::string Tags;
        if (Run.Style.Contains(plat::fsBold))
            Tags += "b";
        if (Run.Style.Contains(plat::fsItalic))
            Tags += "i";
        if (Run.Style.Contains(plat::fsUnderline))
            Tags += "u";
        Text += Tags.empty() ? Run.Text : "[" + Tags + ":" + Run.Text + "]";
    }
    return Text;
}

std::vector<std::string> Lines(const std::string& Rtf)
{
    std::vector<std::string> Result;
    for (const auto& Line : TRtfReader::Read(Rtf).Lines)
        Result.push_back(Marked(Line));
    return Result;
}

TEST(RtfReader, ReadsTheCellSubset)
{
    struct Case {
        const char* Name;
        std::string Rtf;
        std::vector<std::string> Expected;
    };
    const std::vector<Case> Cases{
        {"plain text", R"({\rtf1\ansi\deff0 Hello})", {"Hello"}},
        {"paragraphs and line breaks", R"({\rtf1 one\par two\line three})", {"one", "two", "three"}},
        {"closing paragraph mark starts no line", "{\\rtf1 one\\par\r\n}", {"one"}},
        {"groups keep their style", R"({\rtf1 a{\b b{\i c}d}e})", {"a[b:b][bi:c][b:d]e"}},
        {"switches with parameter 0 and none", R"({\rtf1 \b x\b0 y\ul z\ulnone w\i v\plain u})",
         {"[b:x]y[u:z]w[i:v]u"}},
        {"escaped characters", R"({\rtf1 \{a\}\\b \'e9t\'E9})", {"{a}\\b \xC3\xA9t\xC3\xA9"}},
        {"tables and starred destinations skipped",
         R"({\rtf1{\fonttbl{\f0\fswiss Arial;}}{\colortbl;\red255\green0\blue0;})"
         R"({\*\generator Pad;}{\stylesheet{s}}text})",
         {"text"}},
        {"a blank ends a control word, further blanks are text", R"({\rtf1\b  two})", {"[b: two]"}},
        {"source line ends are not text", "{\\rtf1 a\r\nb\nc}", {"abc"}},
        {"tab", R"({\rtf1 a\tab b})", {"a\tb"}},
        {"unknown words and symbols ignored", R"({\rtf1\fs20\cf1 x\-y\uc1})", {"xy"}},
        {"non-breaking space and hyphen", R"({\rtf1 a\~b\_c})", {"a\xC2\xA0" "b-c"}},
        {"unbalanced closing brace", R"(a}}b)", {"ab"}},
        {"unclosed group", R"({\rtf1 {\b x)", {"[b:x]"}},
        {"cut-off escape", R"({\rtf1 x\'4)", {"x"}},
        {"trailing backslash", "x\\", {"x"}},
        {"empty", "", {""}},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(Lines(C.Rtf), C.Expected) << C.Name;
}

// A backslash before a character beyond ASCII is a control symbol of one character, however
// many bytes UTF-8 gives it; a byte of it left behind would make the text ill-formed.
TEST(RtfReader, SymbolBeyondAsciiGoesWhole)
{
    for (const std::string Symbol : {"\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x93\xA1"}) {
        const std::string Text = TRtfReader::Read("{\\rtf1 a\\" + Symbol + "b\\" + Symbol + "}").PlainText();
        EXPECT_EQ(Text, "ab") << Symbol;
        EXPECT_TRUE(plat::IsValidUtf8(Text)) << Symbol;
    }
}

TEST(RtfReader, PlainTextJoinsLinesWithLineBreaks)
{
    EXPECT_EQ(TRtfReader::Read(R"({\rtf1 {\b one}\par two})").PlainText(), "one\r\ntwo");
}

}  // namespace
}  // namespace skelda::grid
