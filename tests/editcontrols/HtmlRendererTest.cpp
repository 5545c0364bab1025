#include "editcontrols/base/DrawingUtils.h"
#include "editcontrols/button/HtmlRenderer.h"
#include "platform/graphics/TCanvas.h"
#include "platform/testing/ImageProbe.h"
#include "platform/testing/TRecordingCanvas.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace plat;
using namespace skelda::editcontrols;
namespace pt = plat::testing;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

// One piece of text as the renderer drew it: where, what, and in which font colour and styles.
struct TPiece {
    int X = 0;
    int Y = 0;
    std::string Text;
    std::string Colour;
    std::string Styles;
    friend bool operator==(const TPiece&, const TPiece&) = default;
    friend std::ostream& operator<<(std::ostream& Out, const TPiece& P)
    {
        return Out << "(" << P.X << "," << P.Y << ",\"" << P.Text << "\"," << P.Colour << "," << P.Styles << ")";
    }
};

// The pieces of the recorded TextOut calls, e.g. TextOut(0,0,"a") font=Tahoma,8,000000,bold.
std::vector<TPiece> Pieces(const pt::TRecordingCanvas& Canvas)
{
    std::vector<TPiece> pieces;
    for (const std::string& call : Canvas.CallsOf("TextOut")) {
        TPiece piece;
        const std::size_t open = call.find('(');
        const std::size_t comma1 = call.find(',', open);
        const std::size_t comma2 = call.find(',', comma1 + 1);
        piece.X = std::stoi(call.substr(open + 1, comma1 - open - 1));
        piece.Y = std::stoi(call.substr(comma1 + 1, comma2 - comma1 - 1));
        const std::size_t quote = comma2 + 1;
        const std::size_t endQuote = call.rfind("\") font=");
        piece.Text = call.substr(quote + 1, endQuote - quote - 1);
        std::string font = call.substr(endQuote + 8);
        // name, size, colour, styles...
        const std::size_t c1 = font.find(',');
        const std::size_t c2 = font.find(',', c1 + 1);
        const std::size_t c3 = font.find(',', c2 + 1);
        piece.Colour = font.substr(c2 + 1, c3 == std::string::npos ? std::string::npos : c3 - c2 - 1);
        piece.Styles = c3 == std::string::npos ? "" : font.substr(c3 + 1);
        if (!piece.Colour.empty() && piece.Colour.front() == '$')
            piece.Colour.erase(0, 1);
        pieces.push_back(piece);
    }
    return pieces;
}

class HtmlRendererTest : public ::testing::Test {
protected:
    HtmlRendererTest()
    {
        canvas.Font().SetName("Tahoma");
        canvas.Font().SetHeight(-11);
        canvas.Font().SetColor(clBlack);
        canvas.Brush().SetStyle(bsClear);
    }

    int Width(const std::string& Text, TFontStyles Style = {})
    {
        const TFontStyles saved = canvas.Font().GetStyle();
        canvas.Font().SetStyle(Style);
        const int width = canvas.TextWidth(Text);
        canvas.Font().SetStyle(saved);
        return width;
    }

    std::vector<TPiece> Draw(const std::string& Text, TRect Rect = {0, 0, 200, 100}, unsigned State = 0)
    {
        canvas.ClearCalls();
        DrawHtmlItem(canvas, Rect, State, 100, Text);
        return Pieces(canvas);
    }

    pt::TRecordingCanvas canvas{300, 200};
};

TEST(HtmlCodesTest, EntitiesLineBreaksAndRules)
{
    struct Case {
        const char* Text;
        const char* Expected;
    };
    const Case cases[] = {
        {"a&amp;b", "a&b"},
        {"&QUOT;x&quot;", "\"x\""},
        {"&reg;&copy;&trade;&euro;", "\u00AE\u00A9\u2122\u20AC"},
        {"a&nbsp;b", "a b"},
        {"&amp;lt;", "&lt;"},
        {"&lt;&gt;", "&lt;&gt;"},
        {"one\r\ntwo", "onetwo"},
        {"one<br>two<BR>three", "one\r\ntwo\r\nthree"},
        {"a<hr>b", "a<hr>\r\nb"},
        {"<HR SIZE=2>b", "<HR SIZE=2>b"},
        {"&unknown;", "&unknown;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(ReplaceHtmlCodes(c.Text), c.Expected);
    }
}

TEST(HtmlAttributeTest, WholeNamesQuotesAndTheTagsOwnValue)
{
    struct Case {
        const char* Tag;
        const char* Name;
        std::optional<std::string> Expected;
    };
    const Case cases[] = {
        {"<FONT COLOR=clRed>", "COLOR", "clRed"},
        {"<font color=\"clRed\">", "COLOR", "clRed"},
        {"<FONT COLOR='#0000FF'>", "color", "#0000FF"},
        {"<FONT BGCOLOR=clYellow>", "COLOR", std::nullopt},
        {"<FONT BGCOLOR=clYellow>", "BGCOLOR", "clYellow"},
        {"<FONT BGCOLOR=clYellow COLOR=clRed>", "COLOR", "clRed"},
        {"<FONT SIZE=3 COLOR=\"clRed\">", "SIZE", "3"},
        {"<FONT COLOR=\"clRed\" SIZE=3>", "SIZE", "3"},
        {"<FONT COLOR = clRed>", "COLOR", "clRed"},
        {"<A HREF=\"http://x.y/a b\">", "HREF", "http://x.y/a b"},
        {"<A HREF>", "HREF", ""},
        {"<IND=10>", "IND", "10"},
        {"<HR SIZE=2>", "SIZE", "2"},
        {"<FONT COLOR=\"clRed>", "COLOR", "clRed"},
        {"<FONT FACECOLOR=clRed>", "COLOR", std::nullopt},
        {"<B>", "B", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Tag) + " " + c.Name);
        EXPECT_EQ(GetHtmlAttribute(c.Tag, c.Name), c.Expected);
    }
}

TEST_F(HtmlRendererTest, StyleTagsSwitchTheFontStylesOnAndOff)
{
    struct Case {
        const char* Text;
        std::vector<std::string> Styles;
    };
    const Case cases[] = {
        {"a<B>b</B>c", {"", "bold", ""}},
        {"a<I>b</I>c", {"", "italic", ""}},
        {"a<U>b</U>c", {"", "underline", ""}},
        {"a<S>b</S>c", {"", "strikeout", ""}},
        {"<b>a<i>b</b>c</i>d", {"bold", "bold,italic", "italic", ""}},
        {"a<QUOTE>b<X y=1>c", {"", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        std::vector<std::string> styles;
        for (const TPiece& piece : Draw(c.Text))
            styles.push_back(piece.Styles);
        EXPECT_EQ(styles, c.Styles);
    }
    EXPECT_TRUE(canvas.Font().GetStyle().Empty());
}

TEST_F(HtmlRendererTest, PiecesFollowEachOtherAlongTheLine)
{
    const int a = Width("one ");
    const int b = Width("two", {fsBold});
    EXPECT_THAT(Draw("one <B>two</B> three", {10, 5, 200, 50}),
                ElementsAre(TPiece{10, 5, "one ", "000000", ""}, TPiece{10 + a, 5, "two", "000000", "bold"},
                            TPiece{10 + a + b, 5, " three", "000000", ""}));
}

TEST_F(HtmlRendererTest, EntitiesBecomeTheirCharacters)
{
    struct Case {
        const char* Text;
        const char* Shown;
    };
    const Case cases[] = {
        {"&reg;", "\u00AE"},          {"&amp;lt;", "<"},       {"&lt;b&gt;", "<b>"},
        {"x &EURO; y", "x \u20AC y"}, {"&copy;&nbsp;2024", "\u00A9 2024"}, {"&trade;", "\u2122"},
        {"&quot;q&quot;", "\"q\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        const std::vector<TPiece> pieces = Draw(c.Text);
        ASSERT_EQ(pieces.size(), 1u);
        EXPECT_EQ(pieces[0].Text, c.Shown);
    }
}

TEST_F(HtmlRendererTest, ColourNamesNumbersAndHashValues)
{
    struct Case {
        const char* Text;
        const char* Colour;
    };
    // Font colours as the recording canvas writes them: 0xBBGGRR.
    const Case cases[] = {
        {"<FONT COLOR=clRed>x", "0000FF"},
        {"<FONT COLOR=\"clblue\">x", "FF0000"},
        {"<FONT COLOR=#0000FF>x", "0000FF"},
        {"<FONT COLOR=\"#FF0000\">x", "FF0000"},
        {"<FONT COLOR=#00FF00>x", "00FF00"},
        {"<FONT COLOR=$00808000>x", "808000"},
        {"<FONT COLOR=255>x", "0000FF"},
        {"<FONT COLOR=clWhite>x", "FFFFFF"},
        // Decision 2: an unreadable colour leaves the colour as it was.
        {"<FONT COLOR=clNoSuchColour>x", "000000"},
        {"<FONT COLOR=#GG0000>x", "000000"},
        {"<FONT COLOR=\"\">x", "000000"},
        {"<FONT COLOR>x", "000000"},
        // Decision 1: BGCOLOR is not COLOR.
        {"<FONT BGCOLOR=\"clYellow\">x", "000000"},
        {"<FONT BGCOLOR=clYellow COLOR=clRed>x", "0000FF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        const std::vector<TPiece> pieces = Draw(c.Text);
        ASSERT_EQ(pieces.size(), 1u);
        EXPECT_EQ(pieces[0].Colour, c.Colour);
    }
}

TEST_F(HtmlRendererTest, TheClosingFontTagReturnsToThePreviousColourAndSize)
{
    const std::vector<TPiece> pieces = Draw("a<FONT COLOR=#0000FF SIZE=4>b</FONT>c");
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0].Colour, "000000");
    EXPECT_EQ(pieces[1].Colour, "0000FF");
    EXPECT_EQ(pieces[2].Colour, "000000");
    const int size = canvas.Font().GetSize();
    const std::vector<std::string> calls = canvas.CallsOf("TextOut");
    EXPECT_THAT(calls[1], ::testing::HasSubstr("," + std::to_string(size * 2) + ",$0000FF"));
    EXPECT_THAT(calls[2], ::testing::HasSubstr("," + std::to_string(size) + ",$000000"));
}

TEST_F(HtmlRendererTest, FontSizesAreHalvesOfTheCanvasSize)
{
    canvas.Font().SetSize(10);
    struct Case {
        const char* Text;
        int Size;
    };
    const Case cases[] = {
        {"<FONT SIZE=2>x", 10}, {"<FONT SIZE=3>x", 15}, {"<FONT SIZE=1>x", 5},
        {"<FONT SIZE=big>x", 10}, {"<FONT SIZE=0>x", 1}, {"<FONT SIZE=99999999>x", 72},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        Draw(c.Text);
        const std::vector<std::string> calls = canvas.CallsOf("TextOut");
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_THAT(calls[0], ::testing::HasSubstr("," + std::to_string(c.Size) + ",$000000"));
        EXPECT_EQ(canvas.Font().GetSize(), 10);
    }
}

TEST_F(HtmlRendererTest, ABackgroundColourFillsBehindTheTextAndClNoneMakesItTransparent)
{
    canvas.Brush().SetStyle(bsClear);
    DrawHtmlItem(canvas, {0, 0, 200, 40}, 0, 100, "<FONT BGCOLOR=\"clYellow\">WWW</FONT>");
    EXPECT_GT(pt::CountPixels(canvas.Image(), {0, 0, 200, 40}, clYellow), 10);
    // The text is not yellow on yellow (decision 1): dark pixels remain.
    EXPECT_GT(pt::CountPixels(canvas.Image(), {0, 0, 200, 40}, clBlack), 0);

    pt::TRecordingCanvas clear(200, 40);
    clear.Font().Assign(canvas.Font());
    clear.Brush().SetStyle(bsClear);
    DrawHtmlItem(clear, {0, 0, 200, 40}, 0, 100, "<FONT BGCOLOR=clNone>WWW");
    EXPECT_EQ(pt::CountPixels(clear.Image(), {0, 0, 200, 40}, clYellow), 0);
    // The canvas's brush is put back.
    EXPECT_EQ(canvas.Brush().GetStyle(), bsClear);
}

TEST_F(HtmlRendererTest, LineBreaksStackLinesAndMeasureTheWiderOne)
{
    const int th = CanvasTextHeight(canvas);
    const TSize size = MeasureHtmlItem(canvas, {0, 0, 200, 0}, 0, "short<BR>much longer");
    EXPECT_EQ(size.cx, Width("much longer"));
    EXPECT_EQ(size.cy, 2 * th + 1);
    EXPECT_THAT(Draw("a<br>b", {4, 6, 100, 100}),
                ElementsAre(TPiece{4, 6, "a", "000000", ""}, TPiece{4, 6 + th, "b", "000000", ""}));

    struct Case {
        const char* Text;
        int Width;
        int Height;
    };
    const Case cases[] = {
        {"", 0, th + 1},
        {"word", Width("word"), th + 1},
        {"two words", Width("two words"), th + 1},
        {"<B>bold</B>", Width("bold", {fsBold}), th + 1},
        {"a<BR>", Width("a"), th + 1},
        {"a<BR><BR>b", Width("a"), 3 * th + 1},
        {"<IND=30>x", 30 + Width("x"), th + 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        const TSize measured = MeasureHtmlItem(canvas, {0, 0, 200, 0}, 0, c.Text);
        EXPECT_EQ(measured.cx, c.Width);
        EXPECT_EQ(measured.cy, c.Height);
        EXPECT_EQ(HtmlItemTextWidth(canvas, {0, 0, 200, 0}, 0, c.Text), c.Width);
    }
}

TEST_F(HtmlRendererTest, AlignmentPlacesTheRestOfTheLineAndTheLinesAfter)
{
    const int x = Width("x");
    const int ab = Width("ab");
    struct Case {
        const char* Text;
        std::vector<int> Lefts;
    };
    const Case cases[] = {
        {"<ALIGN RIGHT>x", {100 - x}},
        {"<ALIGN=\"RIGHT\">x", {100 - x}},
        {"<ALIGN CENTER>ab", {(100 - ab) / 2}},
        {"<ALIGN LEFT>x", {0}},
        {"<ALIGN RIGHT>x<BR>ab", {100 - x, 100 - ab}},
        {"<ALIGN CENTER>x<BR><ALIGN LEFT>ab", {(100 - x) / 2, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        std::vector<int> lefts;
        for (const TPiece& piece : Draw(c.Text, {0, 0, 100, 100}))
            lefts.push_back(piece.X);
        EXPECT_EQ(lefts, c.Lefts);
    }
    // Text wider than the rectangle starts at its left edge.
    EXPECT_EQ(Draw("<ALIGN RIGHT>a rather long caption", {0, 0, 20, 20})[0].X, 0);
}

TEST_F(HtmlRendererTest, LinksAreBlueAndRedUnderTheMouse)
{
    const int a = Width("see ");
    const int link = Width("here");
    canvas.ClearCalls();
    THtmlRenderResult result =
        RenderHtmlItem(canvas, {0, 0, 200, 40}, 0, 100, 0, 0, hcDraw, "see <A HREF=\"http://x\">here</A> now");
    EXPECT_FALSE(result.MouseOnLink);
    EXPECT_EQ(result.LinkName, "");
    EXPECT_THAT(Pieces(canvas), ElementsAre(TPiece{0, 0, "see ", "000000", ""}, TPiece{a, 0, "here", "FF0000", ""},
                                            TPiece{a + link, 0, " now", "000000", ""}));

    canvas.ClearCalls();
    result = RenderHtmlItem(canvas, {0, 0, 200, 40}, 0, 100, a + 2, 3, hcDraw, "see <A HREF=\"http://x\">here</A> now");
    EXPECT_TRUE(result.MouseOnLink);
    EXPECT_EQ(result.LinkName, "http://x");
    EXPECT_EQ(Pieces(canvas)[1].Colour, "0000FF");
    EXPECT_EQ(Pieces(canvas)[2].Colour, "000000");

    // Off the link, or measuring: no link.
    result = RenderHtmlItem(canvas, {0, 0, 200, 40}, 0, 100, 1, 3, hcMeasure, "see <A HREF=x>here</A>");
    EXPECT_FALSE(result.MouseOnLink);
    result = RenderHtmlItem(canvas, {0, 0, 200, 40}, 0, 100, a + 2, 3, hcMeasure, "see <A HREF=x>here</A>");
    EXPECT_TRUE(result.MouseOnLink);
    EXPECT_EQ(result.LinkName, "x");
    // An A tag without HREF is no link.
    result = RenderHtmlItem(canvas, {0, 0, 200, 40}, 0, 100, a + 2, 3, hcMeasure, "see <A NAME=x>here</A>");
    EXPECT_FALSE(result.MouseOnLink);
}

TEST_F(HtmlRendererTest, SelectedAndDisabledStatesKeepTheirColours)
{
    for (const unsigned state : {unsigned{hsSelected}, unsigned{hsDisabled}}) {
        SCOPED_TRACE(state);
        const std::vector<TPiece> pieces = Draw("<FONT COLOR=clRed>a</FONT><A HREF=x>b</A>", {0, 0, 200, 40}, state);
        ASSERT_EQ(pieces.size(), 2u);
        EXPECT_EQ(pieces[0].Colour, "000000");
        EXPECT_EQ(pieces[1].Colour, "000000");
    }
}

TEST_F(HtmlRendererTest, ALoneLessThanSignIsDroppedAlone)
{
    const int a = Width("a");
    EXPECT_THAT(Draw("a<b"), ElementsAre(TPiece{0, 0, "a", "000000", ""}, TPiece{a, 0, "b", "000000", ""}));
    EXPECT_THAT(Draw("x <"), ElementsAre(TPiece{0, 0, "x ", "000000", ""}));
    EXPECT_THAT(Draw("<"), ElementsAre());
    // A later ">" closes it: the tag is unknown and dropped.
    EXPECT_THAT(Draw("a<b>c"), ElementsAre(TPiece{0, 0, "a", "000000", ""}, TPiece{a, 0, "c", "000000", "bold"}));
    EXPECT_THAT(Draw("a<q>c"), ElementsAre(TPiece{0, 0, "a", "000000", ""}, TPiece{a, 0, "c", "000000", ""}));
}

TEST_F(HtmlRendererTest, IndentsSetThePenPositionAndBadValuesCountAsZero)
{
    struct Case {
        const char* Text;
        unsigned State;
        int Scale;
        int Left;
    };
    const Case cases[] = {
        {"<IND=20>x", 0, 100, 20},
        {"<IND=\"20\">x", 0, 100, 20},
        {"<IND=20>x", hsScaled, 150, 30},
        {"<IND=5>x", hsScaled, 150, 8},   // 7.5 to the even neighbour
        {"<IND=7>x", hsScaled, 150, 10},  // 10.5 likewise
        {"<IND=20>x", 0, 150, 20},
        // Decision 2: not a number is IND 0, and nothing is raised.
        {"<IND=abc>x", 0, 100, 0},
        {"<IND=>x", 0, 100, 0},
        {"<IND>x", 0, 100, 0},
        {"<IND=12px>x", 0, 100, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        canvas.ClearCalls();
        EXPECT_NO_THROW(DrawHtmlItem(canvas, {0, 0, 200, 40}, c.State, c.Scale, c.Text));
        const std::vector<TPiece> pieces = Pieces(canvas);
        ASSERT_EQ(pieces.size(), 1u);
        EXPECT_EQ(pieces[0].X, c.Left);
    }
}

TEST_F(HtmlRendererTest, ARuleIsDrawnUnderItsLineAndTheTextGoesOnBelow)
{
    const int th = CanvasTextHeight(canvas);
    canvas.Pen().SetColor(clBlue);
    canvas.ClearCalls();
    DrawHtmlItem(canvas, {5, 10, 105, 100}, 0, 100, "a<HR SIZE=3>b");
    EXPECT_THAT(canvas.CallsOf("LineTo"),
                ElementsAre("LineTo(105," + std::to_string(10 + th) + ") from=(5," + std::to_string(10 + th) +
                            ") pen=$FF0000 width=3"));
    const std::vector<TPiece> pieces = Pieces(canvas);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[1].Y, 10 + 3 + 1 + th);
    EXPECT_EQ(pieces[1].X, 5);
    EXPECT_EQ(canvas.Pen().GetWidth(), 1);

    // <HR> alone: a rule of width 1 and the line break after it.
    const TSize rule = MeasureHtmlItem(canvas, {0, 0, 100, 0}, 0, "a<HR>b");
    EXPECT_EQ(rule.cy, 2 + 3 * th + 1);
    // Scaled, and disabled in the font colour.
    canvas.ClearCalls();
    canvas.Font().SetColor(clRed);
    DrawHtmlItem(canvas, {0, 0, 100, 100}, hsScaled | hsDisabled, 200, "<HR SIZE=2>");
    EXPECT_THAT(canvas.CallsOf("LineTo"), ElementsAre(::testing::HasSubstr("pen=$0000FF width=4")));
    EXPECT_EQ(canvas.Pen().GetColor(), clBlue);
}

TEST_F(HtmlRendererTest, TheCanvasIsPutBackAfterwards)
{
    canvas.Font().SetStyle({fsItalic});
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(clSilver);
    const int height = canvas.Font().GetHeight();
    DrawHtmlItem(canvas, {0, 0, 200, 40}, 0, 100,
                 "<B><U><FONT COLOR=clRed BGCOLOR=clYellow SIZE=6>x<A HREF=y>z<HR SIZE=5>");
    EXPECT_EQ(canvas.Font().GetStyle(), TFontStyles{fsItalic});
    EXPECT_EQ(canvas.Font().GetColor(), clBlack);
    EXPECT_EQ(canvas.Font().GetHeight(), height);
    EXPECT_EQ(canvas.Brush().GetStyle(), bsSolid);
    EXPECT_EQ(canvas.Brush().GetColor(), clSilver);
    EXPECT_EQ(canvas.Pen().GetWidth(), 1);
}

TEST_F(HtmlRendererTest, ButtonCaptionsMeasureAndDrawAtTheirRectangle)
{
    const int th = CanvasTextHeight(canvas);
    const TSize size = MeasureHtmlCaption(canvas, {0, 0, 75, 0}, "<B>Compute</B>");
    EXPECT_EQ(size.cx, Width("Compute", {fsBold}));
    EXPECT_EQ(size.cy, th + 1);
    canvas.ClearCalls();
    DrawHtmlCaption(canvas, {12, 7, 12 + size.cx, 7 + size.cy}, "<B>Compute</B>");
    EXPECT_THAT(Pieces(canvas), ElementsAre(TPiece{12, 7, "Compute", "000000", "bold"}));
}

}  // namespace
