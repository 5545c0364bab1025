#include "HtmlPictureBytes.h"
#include "MiniHtmlFixture.h"

#include "foundation/MiniHtmlEngine.h"
#include "foundation/THTMLPicture.h"
#include "foundation/THTMLPictureCache.h"
#include "foundation/TPictureContainer.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TCanvasBackend.h"
#include "platform/graphics/TImageList.h"
#include "platform/testing/TRecordingCanvas.h"

#include <QImage>

#include <gtest/gtest.h>

namespace skelda::foundation {
namespace {

using plat::TRect;

// Texts that exercise what a line carries into the next one: alignment and indents, lists,
// links over two lines, marks, sub- and superscripts, pictures, offsets, hidden text.
const char* const kTexts[] = {
    "<P align=\"right\">aaa bbb ccc ddd eee</P><P align=\"center\">fff ggg hhh iii</P>jjj",
    "<P indent=\"12\">aa bb cc dd ee ff</P><UL><LI>one two three<UL><LI>four five six</UL><LI>seven</UL>",
    "x <A href=\"a\" title=\"t\">link over two lines</A> y <A href=\"b\">next</A> and more words here",
    "<E>wrong words</E> <SH>shadow over lines</SH> <HI>high light</HI> <Z>hidden words </Z>shown",
    "H<SUB>2</SUB>O words and E = mc<SUP>2</SUP> and <FONT size=\"4\" color=\"clred\">big red</FONT> back",
    "<P bgcolor=\"clsilver\">a grey paragraph over lines</P>after<HR>ruled",
    "pic <IMG src=\"pic\"> <IMG src=\"idx:0\" align=\"middle\"> icon <IMG src=\"ssys:1\" align=\"top\"> words",
    "<B>bold <I>both</B> italic</I> <U>under</U> <S>struck</S> a&nbsp;b &lt;c&gt; &amp; &euro;",
    "<OF x=\"20\">offset words over lines</O> and back <R a=\"30\">turned</R> plain",
    "<BODY bgcolor=\"clyellow\">body <BLINK>blink</BLINK> <CONTROL type=\"CHECK\" width=\"1\" value=\"true\"> "
    "<CONTROL type=\"EDIT\" width=\"40\" value=\"ed\"> end",
    "unclosed <A href=\"x\">link and tag <B",
    "R & D   spaced   &amp; words",
};

class MiniHtmlLayoutTest : public ::testing::Test {
protected:
    MiniHtmlLayoutTest() : container(nullptr), images(nullptr)
    {
        TPictureItem& item = container.Items().Add();
        item.SetName("pic");
        item.Picture().LoadFromBytes(testing::SolidPng(20, 30, qRgb(40, 110, 200)));
        plat::TBitmap icon;
        icon.SetSize(16, 16);
        images.Add(icon, nullptr);
    }

    static void Prepare(plat::TCanvas& Canvas) { testing::PrepareCanvas(Canvas); }

    TMiniHtmlRequest Request(const std::string& Text, TRect Bounds) const
    {
        TMiniHtmlRequest q;
        q.Text = Text;
        q.Bounds = Bounds;
        q.ImageList = &images;
        q.Pictures = &container;
        q.PictureCache = &cache;
        q.FocusLinkIndex = 0;
        q.HoverLinkIndex = 2;
        q.HoverOnlyLinks = true;
        q.HoverTextColor = plat::clRed;
        q.ShadowShift = 2;
        q.LineGap = 1;
        return q;
    }

    mutable TPictureContainer container;
    mutable THTMLPictureCache cache;
    plat::TImageList images;
};

void ExpectSameResult(const TMiniHtmlResult& Replayed, const TMiniHtmlResult& Whole)
{
    EXPECT_EQ(Replayed.ContentWidth, Whole.ContentWidth);
    EXPECT_EQ(Replayed.ContentHeight, Whole.ContentHeight);
    EXPECT_EQ(Replayed.PlainText, Whole.PlainText);
    EXPECT_EQ(Replayed.LinkTotal, Whole.LinkTotal);
    EXPECT_EQ(Replayed.FocusedLinkTarget, Whole.FocusedLinkTarget);
    EXPECT_EQ(Replayed.Hit, Whole.Hit);
    EXPECT_EQ(Replayed.LinkIndexUnderPoint, Whole.LinkIndexUnderPoint);
}

// A layout drawn again paints, call for call, what a whole run paints, in both copies, wrapped or
// cut, left to right or mirrored, with room for every line or cut off at the bottom.
TEST_F(MiniHtmlLayoutTest, DrawingALayoutPaintsWhatAWholeRunPaints)
{
    for (const bool grid : {true, false})
        for (const bool wrap : {true, false})
            for (const std::uint8_t order : {std::uint8_t{0}, std::uint8_t{1}})
                for (const int heightPx : {300, 30})
                    for (const char* text : kTexts) {
                        SCOPED_TRACE(std::string(grid ? "grid " : "hint ") + (wrap ? "wrapped " : "cut ") +
                                     std::to_string(order) + " " + std::to_string(heightPx) + ": " + text);
                        const TMiniHtmlVariant variant = grid ? TMiniHtmlVariant::Grid() : TMiniHtmlVariant::Hint();
                        TMiniHtmlRequest q = Request(text, {5, 7, 125, 7 + heightPx});
                        q.WrapWords = wrap;
                        q.ReadingOrder = order;
                        plat::testing::TRecordingCanvas canvas(300, 300);
                        Prepare(canvas);
                        TMiniHtmlResult whole;
                        RunMiniHtml(variant, canvas, q, whole);
                        const std::vector<std::string> wholeCalls = canvas.Calls();

                        Prepare(canvas);
                        TMiniHtmlLayout layout;
                        TMiniHtmlResult laid;
                        LayOutMiniHtml(variant, canvas, q, layout, laid);
                        canvas.ClearCalls();
                        TMiniHtmlResult replayed;
                        RunMiniHtml(variant, canvas, q, layout, replayed);
                        EXPECT_EQ(canvas.Calls(), wholeCalls);
                        ExpectSameResult(replayed, whole);
                    }
}

TEST_F(MiniHtmlLayoutTest, ALayoutDrawsWhereverItsBoundsStand)
{
    QImage wholeImage(300, 200, QImage::Format_RGB32);
    QImage replayImage(300, 200, QImage::Format_RGB32);
    plat::TCanvas whole(plat::MakeImageCanvasBackend(wholeImage));
    plat::TCanvas replay(plat::MakeImageCanvasBackend(replayImage));
    for (const char* text : kTexts) {
        SCOPED_TRACE(text);
        wholeImage.fill(Qt::white);
        replayImage.fill(Qt::white);
        Prepare(whole);
        Prepare(replay);
        TMiniHtmlResult r;
        RunMiniHtml(TMiniHtmlVariant::Grid(), whole, Request(text, {40, 30, 160, 190}), r);
        TMiniHtmlLayout layout;
        LayOutMiniHtml(TMiniHtmlVariant::Grid(), replay, Request(text, {0, 0, 120, 10}), layout, r);
        RunMiniHtml(TMiniHtmlVariant::Grid(), replay, Request(text, {40, 30, 160, 190}), layout, r);
        EXPECT_EQ(replayImage, wholeImage);
    }
}

TEST_F(MiniHtmlLayoutTest, SizesPointsAndWhatALayoutMayBeKeptFor)
{
    plat::testing::TRecordingCanvas canvas(300, 300);
    Prepare(canvas);
    const std::string text = kTexts[2];
    TMiniHtmlRequest q = Request(text, {0, 0, 120, 300});
    TMiniHtmlLayout layout;
    TMiniHtmlResult laid;
    LayOutMiniHtml(TMiniHtmlVariant::Grid(), canvas, q, layout, laid);
    EXPECT_TRUE(canvas.Calls().empty());
    EXPECT_EQ(laid.ContentWidth, layout.ContentWidthPx);
    EXPECT_EQ(laid.ContentHeight, layout.ContentHeightPx);
    EXPECT_GT(layout.Lines.size(), 1u);

    // Only measuring a layout gives its sizes without painting.
    q.SizeOnly = true;
    TMiniHtmlResult sized;
    RunMiniHtml(TMiniHtmlVariant::Grid(), canvas, q, layout, sized);
    EXPECT_TRUE(canvas.Calls().empty());
    ExpectSameResult(sized, laid);

    // A point over the text is answered as a whole run answers it.
    q.SizeOnly = false;
    q.LocateOnly = true;
    q.PointX = 1 + canvas.TextWidth("x ") + 3;
    q.PointY = canvas.TextHeight("gh") / 2;
    TMiniHtmlResult whole;
    RunMiniHtml(TMiniHtmlVariant::Grid(), canvas, q, whole);
    TMiniHtmlResult located;
    RunMiniHtml(TMiniHtmlVariant::Grid(), canvas, q, layout, located);
    EXPECT_TRUE(located.Hit);
    EXPECT_EQ(located.LinkUnderPoint, "a");
    EXPECT_EQ(located.TitleUnderPoint, "t");
    EXPECT_EQ(located.LinkRectUnderPoint, whole.LinkRectUnderPoint);

    // Pictures whose source may change make a layout that is not to be kept.
    const struct {
        const char* text;
        bool reusable;
    } cases[] = {
        {"words only", true},
        {"icon <IMG src=\"ssys:1\">", true},
        {"<CONTROL type=\"EDIT\" width=\"40\">", true},
        {"named <IMG src=\"pic\">", false},
        {"listed <IMG src=\"idx:0\">", false},
        {"missing <IMG src=\"nowhere\">", false},
    };
    for (const auto& c : cases) {
        TMiniHtmlLayout l;
        TMiniHtmlResult r;
        LayOutMiniHtml(TMiniHtmlVariant::Grid(), canvas, Request(c.text, {0, 0, 120, 300}), l, r);
        EXPECT_EQ(l.Reusable, c.reusable) << c.text;
        EXPECT_GT(l.MemoryBytes(), sizeof(TMiniHtmlLayout)) << c.text;
    }
}

}  // namespace
}  // namespace skelda::foundation
