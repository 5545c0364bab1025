#include "CanvasFixture.h"

#include "platform/graphics/QtConversions.h"
#include "platform/graphics/TextWidthCache.h"

#include <QFontMetrics>

#include <algorithm>

#include <string>

namespace plat {
namespace {

class CanvasText : public ImageCanvasTest {
protected:
    CanvasText() : ImageCanvasTest(240, 64)
    {
        canvas.Font().SetName("Tahoma");
        canvas.Font().SetHeight(-11);
        canvas.Font().SetColor(clBlack);
        canvas.Brush().SetStyle(bsClear);
        lineHeightPx = canvas.TextHeight("Wg");
    }

    // Ink of a DrawText call on a blank image.
    TRect InkOf(const std::string& text, TRect rect, unsigned format)
    {
        image.fill(Qt::white);
        canvas.DrawText(text, rect, format);
        return InkBounds(image);
    }

    int lineHeightPx = 0;
};

TEST_F(CanvasText, TextOutDrawsWithinItsExtentAndMovesThePen)
{
    const TSize extent = canvas.TextExtent("Hello");
    EXPECT_EQ(canvas.TextWidth("Hello"), extent.cx);
    EXPECT_EQ(canvas.TextHeight("Hello"), extent.cy);
    EXPECT_EQ(canvas.TextExtent(""), (TSize{0, 0}));
    EXPECT_GT(canvas.TextWidth("Hello world"), canvas.TextWidth("Hello"));

    canvas.TextOut(10, 20, "Hello");
    const TRect ink = InkBounds(image);
    EXPECT_FALSE(ink.IsEmpty());
    EXPECT_GE(ink.Left, 10);
    EXPECT_GE(ink.Top, 20);
    EXPECT_LE(ink.Right, 10 + extent.cx);
    EXPECT_LE(ink.Bottom, 20 + extent.cy);
    EXPECT_EQ(canvas.GetPenPos(), (TPoint{10 + extent.cx, 20}));
}

// Widths and Qt fonts are remembered between calls: a font changed in any way ToQFont reads
// must measure as a font made anew, however the looks alternate, and no text count grows the
// memory past its bound.
TEST_F(CanvasText, RememberedFontsAndWidthsFollowEveryChangeOfTheFont)
{
    struct Look {
        const char* Name;
        int HeightPx;
        TFontStyles Style;
        TFontPitch Pitch;
    };
    const Look looks[] = {
        {"Tahoma", -11, {}, fpDefault},        {"Tahoma", -11, {fsBold}, fpDefault},
        {"Tahoma", -15, {}, fpDefault},        {"Tahoma", 15, {}, fpDefault},
        {"Courier New", -11, {}, fpDefault},   {"Tahoma", -11, {}, fpFixed},
        {"Tahoma", -11, {fsItalic, fsBold}, fpDefault},
    };
    const std::string text = "Mixed widths: iiii WWWW 0123";
    for (int round = 0; round < 3; ++round) {
        for (const Look& look : looks) {
            SCOPED_TRACE(std::string(look.Name) + " " + std::to_string(look.HeightPx));
            canvas.Font().SetName(look.Name);
            canvas.Font().SetHeight(look.HeightPx);
            canvas.Font().SetStyle(look.Style);
            canvas.Font().SetPitch(look.Pitch);
            const QFontMetrics fresh(ToQFont(canvas.Font()));
            EXPECT_EQ(canvas.TextWidth(text), fresh.horizontalAdvance(QString::fromStdString(text)));
            TRect measured{0, 0, 1000, 0};
            canvas.DrawText(text, measured, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
            EXPECT_EQ(measured.Width(), fresh.horizontalAdvance(QString::fromStdString(text)));
        }
    }
    for (std::size_t i = 0; i < 3 * TextWidthCache::kMaxEntries; ++i)
        canvas.TextWidth(std::to_string(i));
    EXPECT_LE(TextWidthCache::Count(), TextWidthCache::kMaxEntries);
    const std::size_t kept = TextWidthCache::Count();
    const std::string longText(TextWidthCache::kMaxKeptLength + 1, 'W');
    EXPECT_EQ(canvas.TextWidth(longText), QFontMetrics(ToQFont(canvas.Font())).horizontalAdvance(QString::fromStdString(longText)));
    EXPECT_EQ(TextWidthCache::Count(), kept) << "a long text is measured, not kept";
}

// Control characters show nothing. Qt gives them a width, and before a character of a fallback
// font a different one the first time the text is measured than later.
TEST_F(CanvasText, ControlCharactersAreNeitherMeasuredNorDrawn)
{
    // A size no other text here is measured in, and a check mark, which Liberation Sans lacks.
    canvas.Font().SetName("Arial");
    canvas.Font().SetHeight(-17);
    const std::string plain = "\xE2\x9C\x93" "A";
    const std::string controlled = "\x01\x02\x1F\xE2\x9C\x93\tA\r\n";
    const int firstPx = canvas.TextWidth(controlled);
    EXPECT_EQ(canvas.TextWidth(controlled), firstPx);
    EXPECT_EQ(firstPx, canvas.TextWidth(plain));

    canvas.TextOut(10, 20, controlled);
    const TRect controlledInk = InkBounds(image);
    EXPECT_EQ(canvas.GetPenPos(), (TPoint{10 + firstPx, 20}));
    image.fill(Qt::white);
    canvas.TextOut(10, 20, plain);
    EXPECT_EQ(controlledInk, InkBounds(image));

    // DrawText lays out its line breaks and tabs itself; the other controls go.
    TRect measured = Rect(0, 0, 200, 60);
    canvas.DrawText("\x01\xE2\x9C\x93\x02" "A", measured, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(measured.Width(), firstPx);
    EXPECT_EQ(InkOf("\x01\xE2\x9C\x93\x02" "A", Rect(10, 5, 200, 60), DT_SINGLELINE),
              InkOf(plain, Rect(10, 5, 200, 60), DT_SINGLELINE));
}

TEST_F(CanvasText, OpaqueBackgroundFillsTheTextCellWithTheBackgroundColour)
{
    canvas.Brush().SetColor(clYellow);  // solid: opaque, yellow background
    canvas.TextOut(5, 5, "Hi");
    const TSize extent = canvas.TextExtent("Hi");
    EXPECT_EQ(Count(Bounds(5, 5, extent.cx, extent.cy), clYellow) + Count(Bounds(5, 5, extent.cx, extent.cy), clBlack),
              extent.cx * extent.cy);
    EXPECT_EQ(CountWholeImage(clYellow) + CountWholeImage(clBlack), extent.cx * extent.cy);

    image.fill(Qt::white);
    canvas.SetBkMode(TRANSPARENT);
    canvas.TextOut(5, 5, "Hi");
    EXPECT_EQ(CountWholeImage(clYellow), 0);
}

TEST_F(CanvasText, TextRectClipsAndFillsItsRectangle)
{
    canvas.Brush().SetColor(clAqua);
    canvas.TextRect(Rect(10, 10, 20, 30), 5, 12, "Clipped text");
    EXPECT_EQ(InkBounds(image), Rect(10, 10, 20, 30));
    EXPECT_GT(Count(Rect(10, 10, 20, 30), clBlack), 0);
}

TEST_F(CanvasText, OrientationTurnsTheTextAboutItsStart)
{
    canvas.TextOut(10, 50, "Turned");
    const TRect flat = InkBounds(image);

    image.fill(Qt::white);
    canvas.Font().SetOrientation(900);
    canvas.TextOut(10, 50, "Turned");
    const TRect turned = InkBounds(image);
    // Upright text reads bottom to top: its ink rises above the band of the level text.
    EXPECT_LT(turned.Top, flat.Top - flat.Height());
    EXPECT_GT(turned.Height(), turned.Width());
    EXPECT_NEAR(turned.Height(), flat.Width(), 2);
}

TEST_F(CanvasText, DrawTextAlignsSingleLinesWithinTheRectangle)
{
    const std::string text = "Align";
    const int widthPx = canvas.TextWidth(text);
    const TRect box = Rect(4, 6, 60, 40);
    const TRect leftTop = InkOf(text, box, DT_SINGLELINE);
    const struct {
        unsigned format;
        int dx, dy;
    } cases[] = {
        {DT_SINGLELINE | DT_CENTER, (box.Width() - widthPx) / 2, 0},
        {DT_SINGLELINE | DT_RIGHT, box.Width() - widthPx, 0},
        {DT_SINGLELINE | DT_VCENTER, 0, (box.Height() - lineHeightPx) / 2},
        {DT_SINGLELINE | DT_BOTTOM | DT_RIGHT, box.Width() - widthPx, box.Height() - lineHeightPx},
        // Vertical placement applies to single lines only.
        {DT_VCENTER | DT_CENTER, (box.Width() - widthPx) / 2, 0},
    };
    for (const auto& c : cases) {
        const TRect ink = InkOf(text, box, c.format);
        const TRect expected{leftTop.Left + c.dx, leftTop.Top + c.dy, leftTop.Right + c.dx, leftTop.Bottom + c.dy};
        EXPECT_EQ(ink, expected) << std::hex << c.format;
    }
}

TEST_F(CanvasText, CalcRectMeasuresWithoutDrawing)
{
    const struct {
        std::string text;
        unsigned format;
        int widthPx;
        int lines;
    } cases[] = {
        {"Measured", DT_SINGLELINE, canvas.TextWidth("Measured"), 1},
        {"Two\nlines", DT_LEFT, canvas.TextWidth("lines"), 2},
        {"Two\r\nlines\r\n", DT_LEFT, canvas.TextWidth("lines"), 3},
        {"Two\nlines", DT_SINGLELINE, canvas.TextWidth("Two lines"), 1},
        {"&File", DT_SINGLELINE, canvas.TextWidth("File"), 1},
        {"&File", DT_SINGLELINE | DT_NOPREFIX, canvas.TextWidth("&File"), 1},
        {"A && B", DT_SINGLELINE, canvas.TextWidth("A & B"), 1},
        {"", DT_LEFT, 0, 0},
    };
    for (const auto& c : cases) {
        TRect r = Rect(3, 4, 5, 6);
        const int heightPx = canvas.DrawText(c.text, r, c.format | DT_CALCRECT);
        EXPECT_EQ(r, Rect(3, 4, 3 + c.widthPx, 4 + c.lines * lineHeightPx)) << c.text;
        EXPECT_EQ(heightPx, c.lines * lineHeightPx) << c.text;
    }
    EXPECT_EQ(CountWholeImage(clWhite), image.width() * image.height());
}

TEST_F(CanvasText, WordBreakWrapsAtSpacesWithinTheWidth)
{
    const std::string text = "one two three four";
    const int widthPx = canvas.TextWidth("one two");
    TRect r = Rect(0, 0, widthPx, 0);
    canvas.DrawText(text, r, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(r.Bottom, 3 * lineHeightPx);  // "one two" / "three" / "four"
    EXPECT_EQ(r.Right, widthPx);

    // A word wider than the rectangle sticks out, unless an edit control breaks it.
    r = Rect(0, 0, canvas.TextWidth("ab"), 0);
    canvas.DrawText("abcdef", r, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(r, Rect(0, 0, canvas.TextWidth("abcdef"), lineHeightPx));
    r = Rect(0, 0, canvas.TextWidth("ab"), 0);
    canvas.DrawText("abcdef", r, DT_WORDBREAK | DT_EDITCONTROL | DT_CALCRECT);
    EXPECT_GE(r.Bottom, 3 * lineHeightPx);
    EXPECT_LE(r.Right, canvas.TextWidth("ab"));
}

TEST_F(CanvasText, DrawTextReturnsTheHeightOrTheBottomOfPlacedText)
{
    TRect r = Rect(0, 10, 60, 50);
    EXPECT_EQ(canvas.DrawText("Two\nlines", r, DT_LEFT), 2 * lineHeightPx);
    EXPECT_EQ(canvas.DrawText("x", r, DT_SINGLELINE | DT_BOTTOM), 40);
    EXPECT_EQ(canvas.DrawText("x", r, DT_SINGLELINE | DT_VCENTER), (40 - lineHeightPx) / 2 + lineHeightPx);
}

TEST_F(CanvasText, EllipsesKeepTextInsideTheRectangle)
{
    const std::string text = "A long caption that does not fit";
    const TRect narrow = Rect(2, 2, canvas.TextWidth("A long cap"), 2 + lineHeightPx);
    const unsigned base = DT_SINGLELINE | DT_NOCLIP;
    EXPECT_GT(InkOf(text, narrow, base).Right, narrow.Right);
    EXPECT_LE(InkOf(text, narrow, base | DT_END_ELLIPSIS).Right, narrow.Right);

    // Path ellipsis keeps the file name and shortens the folders before it.
    const std::string path = "C:\\Program Files\\Skelda\\Data\\stations.txt";
    const int nameWidthPx = canvas.TextWidth("...\\stations.txt");
    const TRect pathBox = Rect(2, 2, 2 + nameWidthPx + canvas.TextWidth("C:\\Pro"), 2 + lineHeightPx);
    const TRect pathInk = InkOf(path, pathBox, base | DT_PATH_ELLIPSIS);
    EXPECT_LE(pathInk.Right, pathBox.Right);
    EXPECT_GT(pathInk.Width(), nameWidthPx);
}

TEST_F(CanvasText, WrappedTextCutOffAtTheBottomEndsItsLastLineWithAnEllipsis)
{
    const std::string text = "one two three four five six";
    const unsigned wrap = DT_WORDBREAK | DT_EDITCONTROL;
    const TRect box = Rect(0, 0, canvas.TextWidth("one two"), 2 * lineHeightPx);
    InkOf(text, box, wrap);
    const QImage cut = image.copy();
    const TRect ink = InkOf(text, box, wrap | DT_END_ELLIPSIS);
    EXPECT_NE(image, cut);
    EXPECT_LE(ink.Right, box.Right);
    EXPECT_LE(ink.Bottom, box.Bottom);

    // With room for every line nothing is shortened.
    const TRect tall = Rect(0, 0, box.Right, 10 * lineHeightPx);
    InkOf(text, tall, wrap);
    const QImage whole = image.copy();
    InkOf(text, tall, wrap | DT_END_ELLIPSIS);
    EXPECT_EQ(image, whole);
}

TEST_F(CanvasText, PrefixUnderlinesTheAcceleratorUnlessHidden)
{
    const TRect box = Rect(0, 0, 60, 30);
    const TRect marked = InkOf("&File", box, DT_SINGLELINE);
    const QImage withUnderline = image.copy();
    const TRect hidden = InkOf("&File", box, DT_SINGLELINE | DT_HIDEPREFIX);
    const TRect plain = InkOf("File", box, DT_SINGLELINE);
    EXPECT_EQ(hidden, plain);
    EXPECT_GT(marked.Bottom, plain.Bottom);  // the underline sits below the letters
    // Only the "F" is underlined.
    EXPECT_LT(marked.Bottom - 1, lineHeightPx);
    int underlinePx = 0;
    for (int x = 0; x < 60; ++x)
        underlinePx += testing::PixelAt(withUnderline, x, marked.Bottom - 1) == clBlack;
    EXPECT_GT(underlinePx, 0);
    EXPECT_LE(underlinePx, canvas.TextWidth("F"));
}

TEST_F(CanvasText, TabsExpandToStopsWhenAsked)
{
    auto widthOf = [&](const std::string& text, unsigned format) {
        TRect r = Rect(0, 0, 0, 0);
        canvas.DrawText(text, r, format | DT_SINGLELINE | DT_CALCRECT);
        return r.Right;
    };
    const int bPx = canvas.TextWidth("b");
    const int stopPx = widthOf("a\tb", DT_EXPANDTABS) - bPx;
    EXPECT_EQ(widthOf("\tb", DT_EXPANDTABS), stopPx + bPx);
    EXPECT_EQ(widthOf("\t\tb", DT_EXPANDTABS), 2 * stopPx + bPx);
    EXPECT_GT(stopPx, canvas.TextWidth("a    "));
    EXPECT_LT(widthOf("a\tb", DT_LEFT), stopPx);
}

TEST_F(CanvasText, DrawTextClipsToItsRectangleUnlessTold)
{
    const TRect box = Rect(10, 10, 30, 14);
    const TRect clipped = InkOf("Overflowing", box, DT_LEFT);
    EXPECT_GE(clipped.Left, box.Left);
    EXPECT_LE(clipped.Right, box.Right);
    EXPECT_LE(clipped.Bottom, box.Bottom);
    EXPECT_GT(InkOf("Overflowing", box, DT_NOCLIP).Right, box.Right);
}

TEST_F(CanvasText, EditControlLeavesOutAPartlyVisibleLastLine)
{
    const TRect box = Rect(0, 0, 60, lineHeightPx + lineHeightPx / 2);
    EXPECT_GT(InkOf("first\nsecond", box, DT_LEFT).Bottom, lineHeightPx);
    EXPECT_LE(InkOf("first\nsecond", box, DT_LEFT | DT_EDITCONTROL).Bottom, lineHeightPx);
}

}  // namespace
}  // namespace plat

namespace plat {
namespace {

class CanvasTextLeading : public ImageCanvasTest {
protected:
    CanvasTextLeading() : ImageCanvasTest(240, 64) {}
};

TEST_F(CanvasTextLeading, ExternalLeadingAddsTheFontsLineGap)
{
    for (const char* family : {"Tahoma", "Times New Roman", "Courier New"}) {
        SCOPED_TRACE(family);
        canvas.Font().SetName(family);
        canvas.Font().SetHeight(-13);
        TRect plain{0, 0, 200, 0};
        TRect leading{0, 0, 200, 0};
        canvas.DrawText("two\nlines", plain, DT_CALCRECT);
        canvas.DrawText("two\nlines", leading, DT_CALCRECT | DT_EXTERNALLEADING);
        const int gapPx = std::max(0, QFontMetrics(ToQFont(canvas.Font())).leading());
        EXPECT_EQ(leading.Height(), plain.Height() + 2 * gapPx);
        EXPECT_EQ(leading.Width(), plain.Width());
    }
}

TEST_F(CanvasTextLeading, TurnedTextIsDrawnTurned)
{
    canvas.Font().SetName("Tahoma");
    canvas.Font().SetHeight(-13);
    canvas.Font().SetColor(clBlack);
    canvas.Brush().SetStyle(bsClear);
    image.fill(Qt::white);
    TRect flat{10, 10, 230, 60};
    canvas.DrawText("Turned text", flat, DT_SINGLELINE | DT_NOCLIP);
    const TRect flatInk = InkBounds(image);
    image.fill(Qt::white);
    canvas.Font().SetOrientation(900);
    TRect turned{100, 50, 230, 60};
    canvas.DrawText("Turned text", turned, DT_SINGLELINE | DT_NOCLIP);
    const TRect turnedInk = InkBounds(image);
    EXPECT_GT(turnedInk.Height(), turnedInk.Width());
    EXPECT_GT(flatInk.Width(), flatInk.Height());
}

}  // namespace
}  // namespace plat
