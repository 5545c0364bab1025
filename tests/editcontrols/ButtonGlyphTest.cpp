#include "editcontrols/button/TKvButtonGlyph.h"
#include "editcontrols/button/TKvGlyphCache.h"
#include "editcontrols/button/TKvGlyphList.h"
#include "editcontrols/button/TKvHTButtonGlyph.h"
#include "platform/core/RectOps.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/testing/TRecordingCanvas.h"
#include "platform/testing/UiTestEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using namespace plat;
using namespace skelda::editcontrols;
namespace pt = plat::testing;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

// A drawer whose caption always measures 40 x 13, so that layouts are plain numbers.
class TFixedCaptionGlyph : public TKvButtonGlyph {
protected:
    void MeasureCaptionText(TCanvas&, TRect& TextBounds, const std::string&) override
    {
        TextBounds = Rect(0, 0, 40, 13);
    }
};

// A strip of Count pictures of 16 x 16 on olive, each with a black 4 x 4 square at (4, 4) and,
// in picture i, i + 1 red pixels along the top row.
void MakeStrip(TBitmap& Strip, int Count, int Size = 16)
{
    Strip.SetSize(Count * Size, Size);
    TCanvas& canvas = Strip.Canvas();
    canvas.Brush().SetColor(clOlive);
    canvas.FillRect({0, 0, Count * Size, Size});
    for (int i = 0; i < Count; ++i) {
        canvas.Brush().SetColor(clBlack);
        canvas.FillRect(Bounds(i * Size + 4, 4, 4, 4));
        for (int x = 0; x <= i; ++x)
            canvas.SetPixels(i * Size + x, 0, clRed);
    }
}

// A colour as the recording canvas writes it.
std::string RecordedColorText(TColor Color)
{
    char text[16];
    std::snprintf(text, sizeof text, "$%06X", static_cast<unsigned>(ColorToRGB(Color)));
    return text;
}

// Where the last DrawImage call put a picture: its left and top.
TPoint LastImageAt(const pt::TRecordingCanvas& Canvas)
{
    const std::vector<std::string> calls = Canvas.CallsOf("DrawImage");
    if (calls.empty())
        return {-1000, -1000};
    const std::string& call = calls.back();
    const std::size_t open = call.find('(');
    const std::size_t comma = call.find(',', open);
    const std::size_t comma2 = call.find(',', comma + 1);
    return {std::stoi(call.substr(open + 1, comma - open - 1)), std::stoi(call.substr(comma + 1, comma2 - comma - 1))};
}

class ButtonGlyphTest : public ::testing::Test {
protected:
    pt::UiTestEnvironment ui;
    pt::TRecordingCanvas canvas{200, 100};
};

TEST_F(ButtonGlyphTest, GlyphAndCaptionTakeTheirPlacesForEachLayout)
{
    struct Case {
        TButtonLayout Layout;
        int Margin;
        int Spacing;
        TPoint Glyph;
        TRect Caption;
    };
    // Face (0, 0, 100, 40); glyph 16 x 16; caption 40 x 13.
    const Case cases[] = {
        {blGlyphLeft, -1, -1, {14, 12}, Bounds(44, 14, 40, 13)},
        {blGlyphLeft, -1, 4, {20, 12}, Bounds(40, 14, 40, 13)},
        {blGlyphLeft, 5, -1, {5, 12}, Bounds(40, 14, 40, 13)},
        {blGlyphLeft, 5, 4, {5, 12}, Bounds(25, 14, 40, 13)},
        {blGlyphLeft, 0, 0, {0, 12}, Bounds(16, 14, 40, 13)},
        {blGlyphRight, -1, -1, {70, 12}, Bounds(16, 14, 40, 13)},
        {blGlyphRight, 5, 4, {79, 12}, Bounds(35, 14, 40, 13)},
        {blGlyphRight, -1, 4, {64, 12}, Bounds(20, 14, 40, 13)},
        {blGlyphTop, -1, -1, {42, 3}, Bounds(30, 22, 40, 13)},
        {blGlyphTop, 2, 1, {42, 2}, Bounds(30, 19, 40, 13)},
        {blGlyphTop, -1, 4, {42, 4}, Bounds(30, 24, 40, 13)},
        {blGlyphBottom, -1, -1, {42, 21}, Bounds(30, 5, 40, 13)},
        {blGlyphBottom, 2, 1, {42, 22}, Bounds(30, 8, 40, 13)},
    };
    TFixedCaptionGlyph glyph;
    MakeStrip(glyph.Glyph(), 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "layout " << c.Layout << ", margin " << c.Margin << ", spacing " << c.Spacing);
        canvas.ClearCalls();
        const TRect caption = glyph.Draw(canvas, {0, 0, 100, 40}, {}, "Caption", c.Layout, c.Margin, c.Spacing, bsUp, false);
        EXPECT_EQ(caption, c.Caption);
        EXPECT_EQ(LastImageAt(canvas), c.Glyph);
    }
}

TEST_F(ButtonGlyphTest, TheFaceAndTheOffsetMoveBoth)
{
    TFixedCaptionGlyph glyph;
    MakeStrip(glyph.Glyph(), 1);
    const TRect caption = glyph.Draw(canvas, {10, 20, 110, 60}, {1, 1}, "x", blGlyphLeft, -1, -1, bsDown, false);
    EXPECT_EQ(LastImageAt(canvas), (TPoint{10 + 14 + 1, 20 + 12 + 1}));
    EXPECT_EQ(caption, Bounds(10 + 44 + 1, 20 + 14 + 1, 40, 13));
}

TEST_F(ButtonGlyphTest, WithoutCaptionOrGlyphTheOtherIsCentred)
{
    TFixedCaptionGlyph glyph;
    MakeStrip(glyph.Glyph(), 1);
    glyph.Draw(canvas, {0, 0, 100, 40}, {}, "", blGlyphLeft, -1, 4, bsUp, false);
    EXPECT_EQ(LastImageAt(canvas), (TPoint{42, 12}));
    TFixedCaptionGlyph bare;
    EXPECT_EQ(bare.Draw(canvas, {0, 0, 100, 40}, {}, "x", blGlyphLeft, -1, 4, bsUp, false), Bounds(30, 14, 40, 13));
}

TEST_F(ButtonGlyphTest, TheStripSetsTheGlyphCountAndEachCountShowsItsPicture)
{
    struct Case {
        int Width;
        int Height;
        int NumGlyphs;
    };
    const Case cases[] = {{16, 16, 1}, {32, 16, 2}, {48, 16, 3}, {20, 16, 3}, {64, 16, 4}, {80, 16, 1}, {96, 16, 1}};
    TKvButtonGlyph glyph;
    glyph.SetNumGlyphs(3);
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.Width << " x " << c.Height);
        TBitmap strip;
        strip.SetSize(c.Width, c.Height);
        glyph.SetGlyph(strip);
        EXPECT_EQ(glyph.GetNumGlyphs(), c.NumGlyphs);
    }
    glyph.SetNumGlyphs(3);
    glyph.SetNumGlyphs(0);
    EXPECT_EQ(glyph.GetNumGlyphs(), 3);
    glyph.SetNumGlyphs(5);
    EXPECT_EQ(glyph.GetNumGlyphs(), 3);

    // Picture i of the strip has i + 1 red pixels on its top row; a state beyond the count
    // shows the first picture, and the down state of fewer than 3 shows the up picture.
    struct Face {
        int NumGlyphs;
        TButtonState State;
        int RedPixels;
    };
    const Face faces[] = {
        {1, bsUp, 1},      {1, bsDown, 1},      {1, bsExclusive, 1}, {2, bsUp, 1}, {2, bsDown, 1},
        {2, bsExclusive, 1}, {3, bsDown, 3},    {3, bsExclusive, 1}, {4, bsUp, 1}, {4, bsDown, 3},
        {4, bsExclusive, 4},
    };
    for (const Face& f : faces) {
        SCOPED_TRACE(::testing::Message() << f.NumGlyphs << " glyphs, state " << f.State);
        TKvButtonGlyph drawer;
        MakeStrip(drawer.Glyph(), f.NumGlyphs);
        pt::TRecordingCanvas face(40, 20);
        face.Brush().SetColor(clWhite);
        face.FillRect({0, 0, 40, 20});
        drawer.Draw(face, {0, 0, 16, 16}, {}, "", blGlyphLeft, 0, 0, f.State, true);
        int red = 0;
        for (int x = 0; x < 16; ++x)
            red += face.GetPixels(x, 0) == clRed ? 1 : 0;
        EXPECT_EQ(red, f.RedPixels);
    }
}

TEST_F(ButtonGlyphTest, TheDisabledGlyphOfOnePictureEmbossesItsBlackPixels)
{
    TKvButtonGlyph drawer;
    MakeStrip(drawer.Glyph(), 1);
    drawer.SetColor(clBtnFace);
    pt::TRecordingCanvas face(20, 20);
    drawer.Draw(face, {0, 0, 16, 16}, {}, "", blGlyphLeft, 0, 0, bsDisabled, false);
    const TColor highlight = ColorToRGB(clBtnHighlight);
    const TColor shadow = ColorToRGB(clBtnShadow);
    const TColor faceColour = ColorToRGB(clBtnFace);
    // The black square (4..7, 4..7) in shadow, its highlight one pixel down and right.
    EXPECT_EQ(face.GetPixels(4, 4), shadow);
    EXPECT_EQ(face.GetPixels(7, 7), shadow);
    EXPECT_EQ(face.GetPixels(8, 8), highlight);
    EXPECT_EQ(face.GetPixels(8, 5), highlight);
    EXPECT_EQ(face.GetPixels(5, 8), highlight);
    // Red and olive pixels are gone: the face colour.
    EXPECT_EQ(face.GetPixels(0, 0), faceColour);
    EXPECT_EQ(face.GetPixels(12, 12), faceColour);
    EXPECT_EQ(face.GetPixels(3, 3), faceColour);
}

TEST_F(ButtonGlyphTest, TheDisabledPictureOfAStripTakesTheButtonColours)
{
    TBitmap strip;
    strip.SetSize(32, 16);
    strip.Canvas().Brush().SetColor(clOlive);
    strip.Canvas().FillRect({0, 0, 32, 16});
    strip.Canvas().SetPixels(16 + 2, 2, clWhite);
    strip.Canvas().SetPixels(16 + 3, 3, clGray);
    strip.Canvas().SetPixels(16 + 4, 4, clBlue);
    TKvButtonGlyph drawer;
    drawer.SetGlyph(strip);
    EXPECT_EQ(drawer.GetNumGlyphs(), 2);
    drawer.SetColor(clYellow);
    pt::TRecordingCanvas face(20, 20);
    drawer.Draw(face, {0, 0, 16, 16}, {}, "", blGlyphLeft, 0, 0, bsDisabled, false);
    EXPECT_EQ(face.GetPixels(2, 2), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(face.GetPixels(3, 3), ColorToRGB(clBtnShadow));
    EXPECT_EQ(face.GetPixels(4, 4), clBlue);
    EXPECT_EQ(face.GetPixels(9, 9), clYellow);
}

TEST_F(ButtonGlyphTest, GlyphsOfOneSizeShareAListAndGiveItBackWhenDone)
{
    EXPECT_EQ(TKvButtonGlyph::Cache(), nullptr);
    {
        TKvButtonGlyph a;
        TKvButtonGlyph b;
        TKvButtonGlyph c;
        MakeStrip(a.Glyph(), 1);
        MakeStrip(b.Glyph(), 2);
        MakeStrip(c.Glyph(), 1, 20);
        for (TKvButtonGlyph* glyph : {&a, &b, &c})
            glyph->Draw(canvas, {0, 0, 50, 30}, {}, "", blGlyphLeft, -1, -1, bsUp, false);
        ASSERT_NE(a.GlyphList(), nullptr);
        EXPECT_EQ(a.GlyphList(), b.GlyphList());
        EXPECT_NE(a.GlyphList(), c.GlyphList());
        EXPECT_EQ(a.GlyphList()->UsedCount(), 2);
        ASSERT_NE(TKvButtonGlyph::Cache(), nullptr);
        EXPECT_EQ(TKvButtonGlyph::Cache()->ListCount(), 2);
        EXPECT_NE(a.ImageIndex(bsUp), b.ImageIndex(bsUp));

        // A change gives the pictures back; the slot is taken again by the next picture.
        const int freed = a.ImageIndex(bsUp);
        a.SetColor(clRed);
        EXPECT_EQ(a.ImageIndex(bsUp), -1);
        EXPECT_EQ(a.GlyphList(), nullptr);
        EXPECT_EQ(b.GlyphList()->UsedCount(), 1);
        a.Draw(canvas, {0, 0, 50, 30}, {}, "", blGlyphLeft, -1, -1, bsUp, false);
        EXPECT_EQ(a.ImageIndex(bsUp), freed);

        // The last glyph of a size gives its list back: the list goes.
        c.SetNumGlyphs(2);
        EXPECT_EQ(TKvButtonGlyph::Cache()->ListCount(), 1);
    }
    EXPECT_EQ(TKvButtonGlyph::Cache(), nullptr);
}

TEST_F(ButtonGlyphTest, AGlyphListReusesFreedSlots)
{
    TKvGlyphList list(16, 16);
    TBitmap image;
    image.SetSize(16, 16);
    EXPECT_EQ(list.AddMasked(image, clOlive), 0);
    EXPECT_EQ(list.AddMasked(image, clOlive), 1);
    EXPECT_EQ(list.AddMasked(image, clOlive), 2);
    list.Delete(1);
    EXPECT_EQ(list.UsedCount(), 2);
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_FALSE(list.IsUsed(1));
    EXPECT_EQ(list.AddMasked(image, clOlive), 1);
    EXPECT_EQ(list.AddMasked(image, clOlive), 3);
    list.Delete(7);
    EXPECT_EQ(list.UsedCount(), 4);
}

TEST_F(ButtonGlyphTest, DrawingAForeignStripReportsItAndPutsTheOwnStripBack)
{
    TKvButtonGlyph drawer;
    MakeStrip(drawer.Glyph(), 1);
    drawer.SetColor(clSilver);
    int changes = 0;
    drawer.OnChange = [&changes] { ++changes; };
    TBitmap foreign;
    MakeStrip(foreign, 4, 12);
    drawer.DrawExternal(foreign, 4, clYellow, true, canvas, {0, 0, 50, 30}, {}, "", blGlyphLeft, 0, 0, bsUp, false);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(drawer.GetNumGlyphs(), 1);
    EXPECT_EQ(drawer.GetColor(), clSilver);
    EXPECT_EQ(drawer.Glyph().GetWidth(), 16);
    // Kept: the foreign picture stays in its list (12 x 12).
    ASSERT_NE(drawer.GlyphList(), nullptr);
    EXPECT_EQ(drawer.GlyphList()->GetWidth(), 12);
    drawer.DrawExternal(foreign, 4, clYellow, false, canvas, {0, 0, 50, 30}, {}, "", blGlyphLeft, 0, 0, bsUp, false);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(drawer.GlyphList(), nullptr);
}

TEST_F(ButtonGlyphTest, ADisabledCaptionIsDrawnTwiceHighlightFirst)
{
    canvas.Font().SetColor(clBlack);
    TKvButtonGlyph plain;
    canvas.ClearCalls();
    const TRect bounds = plain.Draw(canvas, {0, 0, 100, 30}, {}, "Cancel", blGlyphLeft, -1, -1, bsDisabled, false);
    const std::vector<std::string> texts = canvas.CallsOf("DrawText");
    ASSERT_EQ(texts.size(), 2u);
    const TRect raised = MovedRect(bounds, 1, 1);
    EXPECT_THAT(texts[0], HasSubstr("\"Cancel\"," + std::to_string(raised.Left) + "," + std::to_string(raised.Top)));
    EXPECT_THAT(texts[0], HasSubstr(RecordedColorText(clBtnHighlight)));
    EXPECT_THAT(texts[1], HasSubstr("\"Cancel\"," + std::to_string(bounds.Left) + "," + std::to_string(bounds.Top)));
    EXPECT_THAT(texts[1], HasSubstr(RecordedColorText(clBtnShadow)));
    EXPECT_EQ(canvas.Font().GetColor(), clBlack);

    TKvHTButtonGlyph html;
    canvas.ClearCalls();
    const TRect htmlBounds = html.Draw(canvas, {0, 0, 100, 30}, {}, "<B>Cancel</B>", blGlyphLeft, -1, -1, bsDisabled, false);
    const std::vector<std::string> outs = canvas.CallsOf("TextOut");
    ASSERT_EQ(outs.size(), 2u);
    EXPECT_THAT(outs[0], HasSubstr("TextOut(" + std::to_string(htmlBounds.Left + 1) + "," +
                                   std::to_string(htmlBounds.Top + 1) + ",\"Cancel\")"));
    EXPECT_THAT(outs[0], HasSubstr(RecordedColorText(clBtnHighlight) + ",bold"));
    EXPECT_THAT(outs[1], HasSubstr("TextOut(" + std::to_string(htmlBounds.Left) + "," + std::to_string(htmlBounds.Top) +
                                   ",\"Cancel\")"));
    EXPECT_THAT(outs[1], HasSubstr(RecordedColorText(clBtnShadow) + ",bold"));
}

TEST_F(ButtonGlyphTest, AnHtmlCaptionIsMeasuredByTheRenderer)
{
    canvas.Font().SetName("Tahoma");
    canvas.Font().SetHeight(-11);
    TKvHTButtonGlyph html;
    canvas.ClearCalls();
    const TRect bounds = html.Draw(canvas, {0, 0, 200, 40}, {}, "Save <B>data</B>", blGlyphLeft, -1, -1, bsUp, false);
    canvas.Font().SetStyle({});
    const int plain = canvas.TextWidth("Save ");
    canvas.Font().SetStyle({fsBold});
    const int bold = canvas.TextWidth("data");
    canvas.Font().SetStyle({});
    EXPECT_EQ(bounds.Width(), plain + bold);
    EXPECT_EQ(bounds.Left, (200 - bounds.Width() + 1) / 2);
    EXPECT_EQ(canvas.CallsOf("TextOut").size(), 2u);
}

}  // namespace
