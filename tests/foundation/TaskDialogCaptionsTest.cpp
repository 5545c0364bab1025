#include "foundation/TaskDialogCaptions.h"

#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/testing/TRecordingCanvas.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace skelda::foundation {
namespace {

using ::testing::ElementsAreArray;

TEST(TaskDialogCaptions, NewlineEscapeUnlessItFollowsAColon)
{
    struct Case {
        const char* text;
        bool expected;
    };
    const Case cases[] = {
        {"", false},
        {"no break", false},
        {"\\n at the start", true},
        {"Save\\nthe file", true},
        {"C:\\new folder", false},
        // Only the first escape is judged: a path first hides a later break.
        {"C:\\new\\nline", false},
        {"Time: \\n", true},
        {"a\\", false},
        {"line\r\nbreak", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HasNewlineEscape(c.text), c.expected) << c.text;
}

TEST(TaskDialogCaptions, TrimLineSpacesTakesOnlySpaces)
{
    EXPECT_EQ(TrimLineSpaces("  two words  "), "two words");
    EXPECT_EQ(TrimLineSpaces("    "), "");
    EXPECT_EQ(TrimLineSpaces(""), "");
    EXPECT_EQ(TrimLineSpaces("\t tab \r"), "\t tab \r");
}

TEST(TaskDialogCaptions, SplitDialogLinesTable)
{
    struct Case {
        const char* text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"", {}},
        {"  one line, kept as it is  ", {"  one line, kept as it is  "}},
        {"C:\\new folder", {"C:\\new folder"}},
        {"Heading\\nA sentence below it.", {"Heading", "A sentence below it."}},
        {"  first  \r\n   second  ", {"first", "second"}},
        // A lone carriage return takes no character of the next line with it.
        {"line1\rline2", {"line1", "line2"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"a\\n\\nb", {"a", "", "b"}},
        {"\\nbody", {"", "body"}},
        {"tail\\n", {"tail"}},
        // The escape wins over an earlier carriage return, which stays in the line.
        {"a\rb\\nc", {"a\rb", "c"}},
        {"Z\xC3\xBCrich\\n\xE2\x80\x94 note", {"Z\xC3\xBCrich", "\xE2\x80\x94 note"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines{"kept"};
        SplitDialogLines(c.text, lines);
        std::vector<std::string> expected{"kept"};
        expected.insert(expected.end(), c.lines.begin(), c.lines.end());
        EXPECT_THAT(lines, ElementsAreArray(expected)) << c.text;
    }
}

class MeasureCommandLinkTest : public ::testing::Test {
protected:
    MeasureCommandLinkTest()
    {
        canvas.Font().SetName("Tahoma");
        canvas.Font().SetSize(10);
        canvas.Font().SetColor(plat::clGreen);
        heading.SetName("Tahoma");
        heading.SetSize(11);
        heading.SetStyle({plat::fsBold});
        body.SetName("Tahoma");
        body.SetSize(8);
    }

    plat::TSize In(const plat::TFont& Font, const std::string& Text)
    {
        plat::TFont saved;
        saved.Assign(canvas.Font());
        canvas.Font().Assign(Font);
        plat::TRect r{0, 0, 0, 0};
        canvas.DrawText(Text, r, plat::DT_CALCRECT | plat::DT_SINGLELINE);
        canvas.Font().Assign(saved);
        return {r.Right, r.Bottom};
    }

    plat::testing::TRecordingCanvas canvas{300, 100};
    plat::TFont heading;
    plat::TFont body;
};

TEST_F(MeasureCommandLinkTest, HeadingAndNotesStackWithMarginsAndGaps)
{
    const std::string text = "Save\\nKeeps the prediction\\n\\nfor later";
    const plat::TSize h = In(heading, "Save");
    const plat::TSize n1 = In(body, "Keeps the prediction");
    const plat::TSize n2 = In(body, "for later");

    const TCommandLinkSize withMargins = MeasureCommandLink(&canvas, text, heading, true, true, 0, body);
    EXPECT_EQ(withMargins.WidthPx, std::max({h.cx + 8, n1.cx + 8, n2.cx + 8}));
    // The empty line between the notes adds nothing.
    EXPECT_EQ(withMargins.HeightPx, h.cy + 10 + n1.cy + 2 + n2.cy + 2);

    const TCommandLinkSize bare = MeasureCommandLink(&canvas, text, heading, false, true, 0, body);
    EXPECT_EQ(bare.WidthPx, std::max({h.cx, n1.cx, n2.cx}));
    EXPECT_EQ(bare.HeightPx, h.cy + n1.cy + n2.cy);

    // The canvas keeps its own font.
    EXPECT_EQ(canvas.Font().GetSize(), 10);
    EXPECT_EQ(canvas.Font().GetColor(), plat::clGreen);
    EXPECT_TRUE(canvas.Font().GetStyle().Empty());
}

TEST_F(MeasureCommandLinkTest, OneLineInTheHeadingFontWithoutMultiLineOrBreaks)
{
    const std::string text = "Save\\nKeeps the prediction";
    const plat::TSize whole = In(heading, text);
    const TCommandLinkSize single = MeasureCommandLink(&canvas, text, heading, true, false, 0, body);
    EXPECT_EQ(single.WidthPx, whole.cx);
    EXPECT_EQ(single.HeightPx, whole.cy);

    const plat::TSize plain = In(heading, "Just one");
    const TCommandLinkSize one = MeasureCommandLink(&canvas, "Just one", heading, true, true, 0, body);
    EXPECT_EQ(one.WidthPx, plain.cx);
    EXPECT_EQ(one.HeightPx, plain.cy);

    // An empty heading leaves only the notes.
    const plat::TSize note = In(body, "only a note");
    const TCommandLinkSize noHeading = MeasureCommandLink(&canvas, "\\nonly a note", heading, true, true, 0, body);
    EXPECT_EQ(noHeading.WidthPx, note.cx + 8);
    EXPECT_EQ(noHeading.HeightPx, note.cy + 2);

    EXPECT_EQ(MeasureCommandLink(nullptr, text, heading, true, true, 0, body).WidthPx, 0);
}

TEST(TaskDialogCaptions, LineBreaksBecomeHtmlBreaks)
{
    EXPECT_EQ(DialogLineBreaksToHtml("one\\ntwo\nthree"), "one<br>two<br>three");
    EXPECT_EQ(DialogLineBreaksToHtml("\\n\n"), "<br><br>");
    EXPECT_EQ(DialogLineBreaksToHtml("plain <b>text</b>"), "plain <b>text</b>");
}

}  // namespace
}  // namespace skelda::foundation
