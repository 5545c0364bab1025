#include "MiniHtmlFixture.h"

#include "foundation/MiniHtmlDraw.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/TCanvasBackend.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

namespace skelda::foundation {
namespace {

using plat::TFontStyle;
using plat::TRect;
using testing::MiniHtmlFixture;

// The rectangle of the logged DrawText call that drew Text, or an empty one.
TRect DrawnRect(const plat::testing::TRecordingCanvas& Canvas, const std::string& Text)
{
    const std::string head = "DrawText(\"" + Text + "\",";
    for (const std::string& call : Canvas.CallsOf("DrawText"))
        if (call.rfind(head, 0) == 0) {
            TRect r;
            std::sscanf(call.c_str() + head.size(), "%d,%d,%d,%d", &r.Left, &r.Top, &r.Right, &r.Bottom);
            return r;
        }
    return {};
}

// The logged calls that begin with Head.
std::vector<std::string> CallsStarting(const plat::testing::TRecordingCanvas& Canvas, const std::string& Head)
{
    std::vector<std::string> found;
    for (const std::string& call : Canvas.Calls())
        if (call.rfind(Head, 0) == 0)
            found.push_back(call);
    return found;
}

struct LayoutCase {
    const char* name;
    const char* text;
    // The expected content width and plain text, from the fixture's own measurements.
    std::function<int(MiniHtmlFixture&)> width;
    const char* plain;
    int lines;
};

TEST(MiniHtmlLayout, TagsTakeTheSpaceOfWhatTheyShow)
{
    const LayoutCase cases[] = {
        {"empty", "", [](MiniHtmlFixture&) { return 0; }, "", 1},
        {"plain", "abc", [](MiniHtmlFixture& f) { return f.Width("abc"); }, "abc", 1},
        {"bold run", "<B>ab</B>cd", [](MiniHtmlFixture& f) { return f.WidthIn(plat::fsBold, "ab") + f.Width("cd"); },
         "abcd", 1},
        {"lower-case tags", "<b>ab</b>cd",
         [](MiniHtmlFixture& f) { return f.WidthIn(plat::fsBold, "ab") + f.Width("cd"); }, "abcd", 1},
        {"escaped brackets", "a &lt;b&gt; c",
         [](MiniHtmlFixture& f) { return f.Width("a ") + f.Width("<b> ") + f.Width("c"); }, "a <b> c", 1},
        {"nbsp keeps a space", "a&nbsp;b", [](MiniHtmlFixture& f) { return f.Width("a b"); }, "a b", 1},
        {"amp draws one ampersand", "a&amp;b", [](MiniHtmlFixture& f) { return f.Width("a&b"); }, "a&&b", 1},
        {"bare ampersand is a mnemonic", "a&b", [](MiniHtmlFixture& f) { return f.Width("ab"); }, "a&b", 1},
        {"named signs", "&permil;&euro;&eacute;",
         [](MiniHtmlFixture& f) { return f.Width("\xE2\x80\xB0\xE2\x82\xAC&eacute;") - f.Width("&") + 0; },
         "\xE2\x80\xB0\xE2\x82\xAC&eacute;", 1},
        {"line break", "ab<BR>c", [](MiniHtmlFixture& f) { return f.Width("ab"); }, "ab\rc", 2},
        {"carriage return is a break", "ab\r\nc", [](MiniHtmlFixture& f) { return f.Width("ab"); }, "ab\rc", 2},
        {"hidden text", "<Z>gone</Z>kept", [](MiniHtmlFixture& f) { return f.Width("kept"); }, "gonekept", 1},
        {"unclosed tag drops the rest", "ab<Bcd ef", [](MiniHtmlFixture& f) { return f.Width("ab"); }, "ab", 1},
        {"short tail dropped", "ab<", [](MiniHtmlFixture& f) { return f.Width("ab"); }, "ab", 1},
        {"unknown tag consumed", "a<Q x>b", [](MiniHtmlFixture& f) { return f.Width("a") + f.Width("b"); }, "ab", 1},
        {"marker brackets go", "a<#b>c", [](MiniHtmlFixture& f) { return f.Width("a#bc"); }, "a#bc", 1},
        {"list", "<UL><LI>a<LI>b</UL>", [](MiniHtmlFixture& f) { return 12 + f.Width("a"); }, "ab", 3},
        {"nested list indents twice", "<UL><UL><LI>a</UL></UL>", [](MiniHtmlFixture& f) { return 24 + f.Width("a"); },
         "a", 3},
        {"indent", "a<IN x=\"40\">b", [](MiniHtmlFixture& f) { return 40 + f.Width("b"); }, "ab", 1},
        {"indent needs a clean number", "a<IN x=\"4z\">b", [](MiniHtmlFixture& f) { return f.Width("a") + f.Width("b"); },
         "ab", 1},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        MiniHtmlFixture f;
        const TMiniHtmlResult r = f.Grid(c.text);
        EXPECT_NEAR(r.ContentWidth, c.width(f), 1);
        EXPECT_EQ(r.PlainText, c.plain);
        EXPECT_EQ(r.ContentHeight, c.lines * f.Height());
        EXPECT_FALSE(r.Hit);
    }
}

TEST(MiniHtmlLayout, FontTagSetsSizeAndNeverNests)
{
    MiniHtmlFixture f;
    f.canvas.Font().SetSize(12);
    const int h12 = f.Height();
    f.canvas.Font().SetSize(20);
    const int h20 = f.Height();
    f.canvas.Font().SetSize(8);
    const int h8 = f.Height();
    EXPECT_EQ(f.Grid("<FONT size=\"3\">x</FONT>").ContentHeight, h12);
    EXPECT_EQ(f.Grid("<FONT SIZE=\"20\">x</FONT>").ContentHeight, h20);
    // Markup sizes stop at 1000 points instead of wrapping round to something tiny.
    EXPECT_GT(f.Grid("<FONT size=\"99999999999\">x</FONT>").ContentHeight, 10 * h20);
    EXPECT_EQ(f.canvas.Font().GetSize(), 8);
    const TMiniHtmlResult nested = f.Grid("<FONT size=\"5\"><FONT size=\"20\">a</FONT>b<BR>c");
    EXPECT_EQ(nested.ContentHeight, h20 + h8);
}

TEST(MiniHtmlLayout, ColoursComeFromTheUpperCasedTag)
{
    MiniHtmlFixture f;
    f.Grid("<font color=\"clRed\">a</font><FONT COLOR=\"#00ff00\">b</FONT><FONT color=\"clnothing\">c</FONT>d");
    EXPECT_NE(f.canvas.CallsOf("DrawText")[0].find("font=Tahoma,8,$0000FF"), std::string::npos);
    EXPECT_NE(f.canvas.CallsOf("DrawText")[1].find("$00FF00"), std::string::npos);
    EXPECT_NE(f.canvas.CallsOf("DrawText")[2].find("$000000"), std::string::npos);
    // SelectedText keeps the caller's colour.
    f.canvas.ClearCalls();
    f.canvas.Font().SetColor(plat::clBlue);
    f.request.SelectedText = true;
    f.Grid("<FONT color=\"clred\">a</FONT><A href=\"x\">b</A>");
    for (const std::string& call : f.canvas.CallsOf("DrawText"))
        EXPECT_NE(call.find(",$FF0000"), std::string::npos) << call;
}

TEST(MiniHtmlLayout, WrappedLinesCountTheirWordsButNotTheTrailingSpace)
{
    MiniHtmlFixture f;
    // Lines are filled while they stay narrower than the rectangle.
    const int twoWords = f.Width("aaa ") + f.Width("bbb ");
    f.request.Bounds = {0, 0, twoWords + 2, 100};
    const TMiniHtmlResult r = f.Grid("<P align=\"right\">aaa bbb ccc");
    EXPECT_EQ(r.ContentHeight, 2 * f.Height());
    EXPECT_EQ(r.ContentWidth, twoWords - f.Width(" "));
    // The second line stands flush right: no trailing space is counted.
    EXPECT_EQ(DrawnRect(f.canvas, "ccc").Left, twoWords + 2 - f.Width("ccc"));
    EXPECT_EQ(DrawnRect(f.canvas, "aaa bbb ").Left, twoWords + 2 - r.ContentWidth);
}

TEST(MiniHtmlLayout, OneLongWordTakesItsOwnLineOrEndsInAnEllipsis)
{
    MiniHtmlFixture f;
    f.request.Bounds = {0, 0, f.Width("abcdef") / 2, 100};
    TMiniHtmlResult r = f.Grid("abcdef gh ij");
    EXPECT_EQ(r.ContentHeight, 2 * f.Height());
    EXPECT_EQ(r.PlainText, "abcdef gh ij");
    f.canvas.ClearCalls();
    f.request.WrapWords = false;
    r = f.Grid("abcdef gh ij<B>x");
    EXPECT_EQ(r.ContentHeight, f.Height());
    const auto run = CallsStarting(f.canvas, "DrawText(\"abcdef gh ij\",1,0,");
    ASSERT_EQ(run.size(), 1u);
    EXPECT_NE(run[0].find(",$8268)"), std::string::npos) << "single line, bottom, tabs, leading, ellipsis";
}

TEST(MiniHtmlLayout, AWordSplitByTagsStaysTogetherInTheGridButNotInTheHint)
{
    MiniHtmlFixture f;
    f.request.Bounds = {0, 0, f.WidthIn(plat::fsBold, "aaa") + f.Width("b") + 1, 100};
    const TMiniHtmlResult grid = f.Grid("<B>aaa</B>bbb");
    EXPECT_EQ(grid.ContentHeight, f.Height());
    EXPECT_EQ(grid.ContentWidth, f.WidthIn(plat::fsBold, "aaa") + f.Width("bbb"));
    const TMiniHtmlResult hint = f.Hint("<B>aaa</B>bbb");
    EXPECT_EQ(hint.ContentHeight, 2 * f.Height());
}

TEST(MiniHtmlLayout, TwoItemsOnOneSourceLineGiveTwoBulletLines)
{
    MiniHtmlFixture f;
    const TMiniHtmlResult r = f.Grid("<UL><LI>a<LI>b</UL>");
    EXPECT_EQ(r.ContentHeight, 3 * f.Height());
    const auto bullets = CallsStarting(f.canvas, "DrawText(\"\xE2\x80\xA2\"");
    ASSERT_EQ(bullets.size(), 2u);
    EXPECT_NE(bullets[0].find("font=Symbol"), std::string::npos);
    EXPECT_EQ(DrawnRect(f.canvas, "a").Left, 1 + 12);
}

TEST(MiniHtmlLinks, ALinkOverTwoLinesIsFoundFromTheSecondLinesStart)
{
    MiniHtmlFixture f;
    const int firstLine = f.Width("aaa ") + f.Width("bbb ");
    f.request.Bounds = {0, 0, firstLine + 2, 100};
    f.request.LocateOnly = true;
    f.request.PointX = 1 + f.Width("c");
    f.request.PointY = f.Height() + f.Height() / 2;
    const TMiniHtmlResult r = f.Grid("aaa <A href=\"Target\" title=\"Tip\">bbb ccc</A> ddd");
    EXPECT_TRUE(r.Hit);
    EXPECT_EQ(r.LinkUnderPoint, "Target");
    EXPECT_EQ(r.TitleUnderPoint, "Tip");
    EXPECT_EQ(r.LinkIndexUnderPoint, 1);
    EXPECT_EQ(r.LinkRectUnderPoint, (TRect{1, f.Height(), 1 + f.Width("ccc"), 2 * f.Height()}));
    EXPECT_TRUE(f.canvas.Calls().empty());

    // Drawn with the focus on it, the link gets a focus rectangle on each line.
    f.request.LocateOnly = false;
    f.request.FocusLinkIndex = 0;
    const TMiniHtmlResult drawn = f.Grid("aaa <A href=\"Target\">bbb ccc</A> ddd");
    EXPECT_EQ(drawn.FocusedLinkTarget, "Target");
    EXPECT_EQ(f.canvas.CallsOf("DrawFocusRect").size(), 2u);
}

TEST(MiniHtmlLinks, PointTestsAndLinkTargets)
{
    MiniHtmlFixture f;
    f.request.LocateOnly = true;
    f.request.PointY = f.Height() / 2;
    f.request.PointX = f.Width("ab") + 2;
    // Without HREF the text is underlined but is no link.
    TMiniHtmlResult r = f.Grid("ab<A>cd</A>");
    EXPECT_FALSE(r.Hit);
    EXPECT_EQ(r.LinkIndexUnderPoint, -1);
    EXPECT_EQ(r.LinkTotal, 1);
    r = f.Grid("ab<A HREF=\"Mixed/Case\">cd</A>");
    EXPECT_TRUE(r.Hit);
    EXPECT_EQ(r.LinkUnderPoint, "Mixed/Case");
    // The hint's copy takes the first quoted value, whatever its keyword.
    r = f.Hint("ab<A X=\"first\" HREF=\"second\">cd</A>");
    EXPECT_TRUE(r.Hit);
    EXPECT_EQ(r.LinkUnderPoint, "first");
    // A link left open, found in the first pass of its line, is not reported by a stray </A>
    // before it in the second.
    f.request.PointX = 1 + f.Width("x") + f.Width("y") + 2;
    r = f.Hint("x</A>y<A>zz");
    EXPECT_EQ(r.LinkIndexUnderPoint, -1);
    // A point left of the link is over no link.
    f.request.PointX = 1;
    r = f.Grid("ab<A HREF=\"x\">cd</A>");
    EXPECT_FALSE(r.Hit);
}

TEST(MiniHtmlPasses, MeasuringAndLocatingPaintNothingAndSizesAgree)
{
    const std::string text =
        "<BODY bgcolor=\"clyellow\"><P bgcolor=\"clsilver\">para</P><HR><FONT bgcolor=\"clred\">x</FONT>"
        "<HI>h</HI> <E>err</E> <A href=\"a\">link</A><UL><LI>item</UL>";
    MiniHtmlFixture f;
    const TMiniHtmlResult drawn = f.Grid(text);
    EXPECT_FALSE(f.canvas.Calls().empty());
    for (const bool locate : {false, true}) {
        f.canvas.ClearCalls();
        f.request.SizeOnly = !locate;
        f.request.LocateOnly = locate;
        const TMiniHtmlResult r = f.Grid(text);
        EXPECT_TRUE(f.canvas.Calls().empty()) << f.canvas.Calls().front();
        EXPECT_EQ(r.ContentWidth, drawn.ContentWidth);
        EXPECT_EQ(r.ContentHeight, drawn.ContentHeight);
        EXPECT_EQ(r.LinkTotal, drawn.LinkTotal);
        EXPECT_EQ(r.PlainText, drawn.PlainText);
    }
}

TEST(MiniHtmlPasses, AnUnclosedTagActsInBothPasses)
{
    MiniHtmlFixture f;
    f.request.SizeOnly = true;
    EXPECT_EQ(f.Grid("ab<A href=\"x\"").LinkTotal, 1);
    f.request.SizeOnly = false;
    EXPECT_EQ(f.Grid("ab<A href=\"x\"").LinkTotal, 1);
}

TEST(MiniHtmlPasses, LocatingOnAnAlignedLineSeesTheWholeLine)
{
    MiniHtmlFixture f;
    f.request.LocateOnly = true;
    // The aligned rectangle is as wide as the line without its trailing space.
    const std::string text = "<P align=\"right\">ab cd <A href=\"x\">";
    EXPECT_EQ(f.Grid(text).LinkTotal, 1);
    f.request.LocateOnly = false;
    f.request.SizeOnly = true;
    EXPECT_EQ(f.Grid(text).LinkTotal, 1);
}

TEST(MiniHtmlPasses, TheCanvasComesBackAsItWas)
{
    const std::string text =
        "<BODY bgcolor=\"clyellow\"><P bgcolor=\"clsilver\">p</P><HR color=\"clred\"><FONT face=\"Arial\" size=\"20\" "
        "color=\"clred\" bgcolor=\"clblue\">x<B><I><U><S>y<HI>h<E>e<R a=\"370\">rotated<A href=\"a\">link<SH>s";
    for (const bool grid : {true, false}) {
        SCOPED_TRACE(grid ? "grid" : "hint");
        MiniHtmlFixture f;
        f.canvas.Pen().SetColor(plat::clGreen);
        f.canvas.Pen().SetWidth(2);
        f.canvas.Brush().SetColor(plat::clAqua);
        if (grid)
            f.Grid(text);
        else
            f.Hint(text);
        EXPECT_EQ(f.canvas.Font().GetName(), "Tahoma");
        EXPECT_EQ(f.canvas.Font().GetHeight(), -11);
        EXPECT_EQ(f.canvas.Font().GetColor(), plat::clBlack);
        EXPECT_TRUE(f.canvas.Font().GetStyle().Empty());
        // An unclosed rotation leaves nothing rotated.
        EXPECT_EQ(f.canvas.Font().GetOrientation(), 0);
        EXPECT_EQ(f.canvas.Brush().GetColor(), plat::clAqua);
        EXPECT_EQ(f.canvas.Brush().GetStyle(), plat::bsSolid);
        EXPECT_EQ(f.canvas.Pen().GetWidth(), 2);
        // The hint's copy leaves the pen as its rule set it.
        EXPECT_EQ(f.canvas.Pen().GetColor(), grid ? plat::clGreen : plat::clRed);
        const auto rotated = CallsStarting(f.canvas, "DrawText(\"rotated\"");
        ASSERT_EQ(rotated.size(), 1u);
        EXPECT_NE(rotated[0].find("orientation=100"), std::string::npos) << rotated[0];
    }
}

// A mark, a paragraph background, a hovered link or a turned font that a line leaves open is in
// force in both passes of the next line, also where that line closes it.
TEST(MiniHtmlPasses, WhatALineLeavesOpenHoldsThroughTheNextLine)
{
    MiniHtmlFixture f;
    const int gh = f.Height();
    // Wide enough for "aaa " and half of "bbb": the second word starts the second line.
    f.request.Bounds = {0, 0, f.Width("aaa ") + f.Width("bbb") / 2, 100};

    f.Grid("<E>aaa bbb</E> ccc");
    bool markedSecondLine = false;
    for (const std::string& call : CallsStarting(f.canvas, "LineTo("))
        markedSecondLine |= call.find("pen=$0000FF") != std::string::npos &&
                            (call.find("," + std::to_string(2 * gh - 1) + ")") != std::string::npos ||
                             call.find("," + std::to_string(2 * gh + 1) + ")") != std::string::npos);
    EXPECT_TRUE(markedSecondLine) << "the error mark under \"bbb\"";

    f.canvas.ClearCalls();
    f.Grid("<P bgcolor=\"clyellow\">aaa<BR>bbb</P>ccc");
    const auto fills = f.canvas.CallsOf("FillRect");
    EXPECT_EQ(fills.size(), 2u) << "one band a paragraph line";
    EXPECT_EQ(fills.back().rfind("FillRect(0," + std::to_string(gh) + ",", 0), 0u) << fills.back();

    f.canvas.ClearCalls();
    f.request.SelectedText = true;
    f.request.HoverOnlyLinks = true;
    f.request.HoverLinkIndex = 1;
    f.request.HoverTextColor = plat::clRed;
    f.Grid("<A href=\"x\">aaa bbb</A> ccc");
    const auto after = CallsStarting(f.canvas, "DrawText(\"ccc\"");
    ASSERT_EQ(after.size(), 1u);
    EXPECT_NE(after[0].find("$000000"), std::string::npos) << "the hover colour ends with its link: " << after[0];

    f.canvas.ClearCalls();
    f.Grid("aaa <R a=\"30\">bbb</R> ccc");
    const auto unturned = CallsStarting(f.canvas, "DrawText(\"ccc\"");
    ASSERT_EQ(unturned.size(), 1u);
    EXPECT_EQ(unturned[0].find("orientation"), std::string::npos) << unturned[0];
}

TEST(MiniHtmlPasses, TextBelowTheBoundsIsNotDrawnButMeasured)
{
    MiniHtmlFixture f;
    f.request.Bounds = {0, 0, 200, f.Height() * 2 - 1};
    f.Grid("a<BR>b<BR>c");
    EXPECT_EQ(f.canvas.CallsOf("DrawText").size(), 1u);
    f.request.SizeOnly = true;
    EXPECT_EQ(f.Grid("a<BR>b<BR>c").ContentHeight, 3 * f.Height());
}

TEST(MiniHtmlHint, HintCopyDifferences)
{
    MiniHtmlFixture f;
    // Leading spaces of a line are trimmed in the hint, kept in the grid.
    EXPECT_EQ(f.Hint("   ab").ContentWidth, f.Width("ab"));
    EXPECT_EQ(f.Grid("   ab").ContentWidth, f.Width("   ") + f.Width("ab"));
    // " & " shows its ampersands.
    f.canvas.ClearCalls();
    f.Hint("R & D");
    EXPECT_EQ(DrawnRect(f.canvas, "R & D").Width(), f.Width("R & D"));
    // The line gap adds to every line.
    f.request.LineGap = 2;
    const int withGap = f.Hint("a<BR>b<BR>c").ContentHeight;
    f.request.LineGap = 0;
    EXPECT_EQ(withGap, f.Hint("a<BR>b<BR>c").ContentHeight + 6);
    // Only the first "<#" marker goes.
    EXPECT_EQ(f.Hint("<#a><#b>c").PlainText, "#ac");
}

TEST(MiniHtmlHint, ContinuationOffsetMovesTheFollowingLines)
{
    MiniHtmlFixture f;
    f.Hint("<OF x=\"30\">a<BR>b</OF><BR>c");
    EXPECT_EQ(DrawnRect(f.canvas, "a").Left, 1 + 30);
    EXPECT_EQ(DrawnRect(f.canvas, "b").Left, 1 + 30);
    EXPECT_EQ(DrawnRect(f.canvas, "c").Left, 1);
    // Measuring alone lays the continued lines out as drawing does, offset included.
    f.request.SizeOnly = true;
    EXPECT_EQ(f.Hint("<OF x=\"30\">a<BR>bbbbbb</OF><BR>c").ContentWidth, 30 + f.Width("bbbbbb"));
    // An offset wider than the hint still lets every word through.
    f.request.Bounds = {0, 0, 40, 400};
    EXPECT_EQ(f.Hint("<OF x=\"80\">a<BR>b c d").PlainText, "a\rb c d");
}

TEST(MiniHtmlHint, ShapedBulletsRulesAndGradients)
{
    MiniHtmlFixture f;
    f.Hint("<UL><LI type=\"square\" color=\"clblue\">a<LI type=\"disc\">b<LI type=\"circle\">c</UL><HR color=\"clred\">");
    const auto squares = f.canvas.CallsOf("Rectangle");
    ASSERT_EQ(squares.size(), 1u);
    EXPECT_NE(squares[0].find("Rectangle(1,15,9,23)"), std::string::npos) << squares[0];
    EXPECT_NE(squares[0].find("brush=$FF0000"), std::string::npos) << squares[0];
    EXPECT_EQ(f.canvas.CallsOf("Ellipse").size(), 1u);
    EXPECT_EQ(CallsStarting(f.canvas, "DrawText(\"\xE2\x80\xA2\"").size(), 0u);
    EXPECT_NE(f.canvas.CallsOf("LineTo").back().find("pen=$0000FF"), std::string::npos);

    f.canvas.ClearCalls();
    f.request.Bounds = {0, 0, 128, 40};
    f.Hint("<BODY bgcolor=\"#000000\" bgcolorto=\"#FF0000\">x");
    const auto bands = f.canvas.CallsOf("FillRect");
    ASSERT_EQ(bands.size(), 64u);
    EXPECT_EQ(bands.front().rfind("FillRect(0,0,3,40)", 0), 0u) << bands.front();
    EXPECT_NE(bands.back().find("FillRect(126,0,128,40)"), std::string::npos) << bands.back();
}

TEST(MiniHtmlHint, GradientFillRunsFromStartToEnd)
{
    plat::testing::TRecordingCanvas canvas(100, 100);
    DrawHintGradient(canvas, plat::RGB(0, 0, 0), plat::RGB(0, 0, 255), 3, TRect{0, 0, 10, 30}, false);
    const auto bands = canvas.CallsOf("FillRect");
    ASSERT_EQ(bands.size(), 3u);
    EXPECT_NE(bands[0].find("FillRect(0,0,10,11) brush=$000000"), std::string::npos) << bands[0];
    EXPECT_NE(bands[2].find("FillRect(0,20,10,30) brush=$FF0000"), std::string::npos) << bands[2];
    // Fewer than two steps fill with the start colour; an empty rectangle draws nothing.
    canvas.ClearCalls();
    DrawHintGradient(canvas, plat::clRed, plat::clBlue, 1, TRect{0, 0, 10, 10}, true);
    DrawHintGradient(canvas, plat::clRed, plat::clBlue, 0, TRect{0, 0, 10, 10}, true);
    DrawHintGradient(canvas, plat::clRed, plat::clBlue, 5, TRect{0, 0, 0, 10}, true);
    ASSERT_EQ(canvas.CallsOf("FillRect").size(), 2u);
    for (const std::string& call : canvas.CallsOf("FillRect"))
        EXPECT_NE(call.find("FillRect(0,0,10,10) brush=$0000FF"), std::string::npos) << call;
}

TEST(MiniHtmlEntries, PublicEntriesReportTheirOutputs)
{
    MiniHtmlFixture f;
    std::string link = "kept", plain, focused, title, id = "stale", value = "v", type = "t";
    int w = -1, h = -1, total = -1, index = 5;
    TRect linkRect{1, 2, 3, 4}, controlRect{1, 1, 1, 1};
    const bool hit = MiniHtmlDrawGrid(f.canvas, "<B>a</B>", {0, 0, 100, 50}, nullptr, -1, -1, -1, -1, 1, false, true,
                                      false, false, true, false, true, false, 1.0, plat::clBlue, plat::clNone,
                                      plat::clNone, plat::clGray, link, plain, focused, title, w, h, total, index,
                                      linkRect, controlRect, id, value, type, nullptr, nullptr, 0, 0);
    EXPECT_FALSE(hit);
    EXPECT_EQ(link, "kept");
    EXPECT_EQ(plain, "a");
    EXPECT_EQ(w, f.WidthIn(plat::fsBold, "a"));
    EXPECT_EQ(h, f.Height());
    EXPECT_EQ(index, -1);
    EXPECT_EQ(linkRect, (TRect{1, 2, 3, 4}));
    EXPECT_EQ(controlRect, TRect{});
    EXPECT_EQ(id, "");
    EXPECT_EQ(value, "");
    const bool hintHit = MiniHtmlDrawDialog(f.canvas, "a<BR>b", {0, 0, 100, 50}, nullptr, -1, -1, -1, -1, 1, false,
                                            true, false, false, true, false, true, 1.0, plat::clBlue, plat::clNone,
                                            plat::clNone, plat::clGray, link, plain, focused, w, h, total, index,
                                            linkRect, nullptr, nullptr, 3, 0);
    EXPECT_FALSE(hintHit);
    EXPECT_EQ(h, 2 * (f.Height() + 3));
}

}  // namespace
}  // namespace skelda::foundation

namespace skelda::foundation {
namespace {

using plat::TRect;
using testing::MiniHtmlFixture;

TEST(MiniHtmlDrawing, MarksRulesAndColours)
{
    MiniHtmlFixture f;
    const int gh = f.Height();
    f.request.ShadowShift = 2;
    f.request.ShadowTextColor = plat::clSilver;
    f.Grid("<SH>s</SH><E>e</E><HR>");
    const auto texts = f.canvas.CallsOf("DrawText");
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(texts[0].rfind("DrawText(\"s\",3,2,", 0), 0u) << texts[0];
    EXPECT_NE(texts[0].find("$C0C0C0"), std::string::npos) << "the shadow first";
    EXPECT_NE(texts[1].find("$000000"), std::string::npos) << "then the text in its colour";
    // The error mark zigzags under its run; the rule runs one pixel below the line.
    const auto lines = f.canvas.CallsOf("LineTo");
    ASSERT_FALSE(lines.empty());
    EXPECT_NE(lines.front().find("pen=$0000FF"), std::string::npos) << lines.front();
    EXPECT_NE(lines.back().find("LineTo(400," + std::to_string(gh + 1) + ")"), std::string::npos) << lines.back();

    // Blinking text takes the background's colour in its off phase.
    f.canvas.ClearCalls();
    f.request.BlinkVisible = false;
    f.canvas.Brush().SetColor(plat::clYellow);
    f.Grid("<BLINK>b</BLINK>a");
    EXPECT_NE(f.canvas.CallsOf("DrawText")[0].find("$00FFFF"), std::string::npos);
    EXPECT_NE(f.canvas.CallsOf("DrawText")[1].find("$000000"), std::string::npos);

    // The grid's highlight takes the colours set for it; the hint's stays the system's.
    f.canvas.ClearCalls();
    SetMiniHtmlHighlightColors(plat::clLime, plat::clNavy);
    f.Grid("<HI>h</HI>");
    f.Hint("<HI>k</HI>");
    SetMiniHtmlHighlightColors(plat::clHighlight, plat::clHighlightText);
    EXPECT_NE(f.canvas.CallsOf("DrawText")[0].find("$800000"), std::string::npos) << f.canvas.CallsOf("DrawText")[0];
    EXPECT_NE(f.canvas.CallsOf("DrawText")[1].find(plat::RecordedColor(plat::clHighlightText)), std::string::npos);
}

TEST(MiniHtmlDrawing, RightToLeftRunsStartAtTheRightEdge)
{
    MiniHtmlFixture f;
    f.request.ReadingOrder = 1;
    f.Grid("ab <B>cd</B>");
    const auto texts = f.canvas.CallsOf("DrawText");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_NE(texts[0].find(",1,0,400,"), std::string::npos) << texts[0];
    EXPECT_NE(texts[1].find(",1,0," + std::to_string(400 - f.Width("ab ")) + ","), std::string::npos) << texts[1];
    f.request.ReadingOrder = 2;
    f.canvas.ClearCalls();
    f.Grid("ab <B>cd</B>");
    EXPECT_NE(f.canvas.CallsOf("DrawText")[1].find("(\"cd\"," + std::to_string(1 + f.Width("ab ")) + ","),
              std::string::npos);
}

}  // namespace
}  // namespace skelda::foundation
