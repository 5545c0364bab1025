#include "editcontrols/base/DisabledBitmap.h"
#include "editcontrols/base/DrawingUtils.h"
#include "platform/core/TComponent.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/testing/TRecordingCanvas.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace plat;
using namespace skelda::editcontrols;
namespace pt = plat::testing;
using ::testing::ElementsAre;

namespace {

// A 6 x 6 picture: white with a black 2 x 2 square at (1, 1) and a red pixel at (4, 4).
void MakeSource(TBitmap& Source)
{
    Source.SetSize(6, 6);
    Source.Canvas().Brush().SetColor(clWhite);
    Source.Canvas().FillRect({0, 0, 6, 6});
    Source.Canvas().Brush().SetColor(clBlack);
    Source.Canvas().FillRect({1, 1, 3, 3});
    Source.Canvas().SetPixels(4, 4, clRed);
}

TEST(DisabledBitmapTest, TheOutlinePixelsAreEmbossedOnTheBackground)
{
    TBitmap source;
    MakeSource(source);
    struct Case {
        bool Highlight;
        std::vector<TColor> Diagonal;  // pixels (0, 0) to (5, 5)
    };
    const Case cases[] = {
        {true, {clYellow, clBlue, clBlue, clLime, clYellow, clYellow}},
        {false, {clYellow, clBlue, clBlue, clYellow, clYellow, clYellow}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Highlight);
        const std::unique_ptr<TBitmap> result = MakeDisabledBitmap(source, clBlack, clYellow, c.Highlight, clBlue, clLime);
        ASSERT_EQ(result->GetWidth(), 6);
        ASSERT_EQ(result->GetHeight(), 6);
        std::vector<TColor> diagonal;
        for (int i = 0; i < 6; ++i)
            diagonal.push_back(result->Canvas().GetPixels(i, i));
        EXPECT_EQ(diagonal, c.Diagonal);
        EXPECT_EQ(result->Canvas().GetPixels(3, 2), c.Highlight ? clLime : clYellow);
    }
    // Another outline colour: the red pixel is the one embossed.
    const std::unique_ptr<TBitmap> red = MakeDisabledBitmap(source, clRed, clWhite, true, clGray, clSilver);
    EXPECT_EQ(red->Canvas().GetPixels(4, 4), clGray);
    EXPECT_EQ(red->Canvas().GetPixels(5, 5), clSilver);
    EXPECT_EQ(red->Canvas().GetPixels(1, 1), clWhite);
}

TEST(DisabledBitmapTest, TheDefaultFormIsOnTheButtonFaceAndTransparentThere)
{
    TBitmap source;
    MakeSource(source);
    const std::unique_ptr<TBitmap> result = MakeDefaultDisabledBitmap(source, clBlack);
    EXPECT_EQ(result->Canvas().GetPixels(0, 0), ColorToRGB(clBtnFace));
    EXPECT_EQ(result->Canvas().GetPixels(1, 1), ColorToRGB(clBtnShadow));
    EXPECT_EQ(result->Canvas().GetPixels(3, 3), ColorToRGB(clBtnHighlight));
    EXPECT_TRUE(result->GetTransparent());
    EXPECT_EQ(result->GetTransparentColor(), ColorToRGB(clBtnFace));
}

TEST(DrawingUtilsTest, RectangleSizesAreAbsolute)
{
    EXPECT_EQ(RectWidthAbs({10, 0, 4, 0}), 6);
    EXPECT_EQ(RectWidthAbs({4, 0, 10, 0}), 6);
    EXPECT_EQ(RectHeightAbs({0, 9, 0, 2}), 7);
    EXPECT_EQ(RectHeightAbs({0, 2, 0, 9}), 7);
}

TEST(DrawingUtilsTest, TextAndBitBlockWrappersHandTheirArgumentsOn)
{
    pt::TRecordingCanvas canvas(100, 50);
    canvas.Font().SetName("Tahoma");
    canvas.Font().SetHeight(-11);
    EXPECT_EQ(CanvasTextHeight(canvas), canvas.TextHeight("Wg"));
    TRect rect{0, 0, 100, 20};
    DrawCanvasText(canvas, "Compute now", 7, DT_SINGLELINE | 0x10000, rect);
    EXPECT_THAT(canvas.CallsOf("DrawText"), ElementsAre(::testing::StartsWith("DrawText(\"Compute\",0,0,100,20,$0020)")));
    canvas.ClearCalls();
    TRect all{0, 0, 100, 20};
    DrawCanvasText(canvas, "Compute now", -1, 0, all);
    EXPECT_THAT(canvas.CallsOf("DrawText"), ElementsAre(::testing::StartsWith("DrawText(\"Compute now\"")));

    pt::TRecordingCanvas source(20, 20);
    canvas.ClearCalls();
    CanvasBitBlt(canvas, 5, 6, SRCCOPY, 1, 2, source, 8, 9);
    EXPECT_THAT(canvas.CallsOf("BitBlt"), ElementsAre("BitBlt(5,6,14,14,src=1,2,10,10,$00CC0020)"));
}

TEST(DrawingUtilsTest, AComponentReferenceMovesItsFreeNotification)
{
    TComponent owner(nullptr);
    auto first = std::make_unique<TComponent>(nullptr);
    auto second = std::make_unique<TComponent>(nullptr);
    TComponent* reference = nullptr;
    EXPECT_TRUE(ReplaceComponentReference(&owner, first.get(), reference));
    EXPECT_EQ(reference, first.get());
    EXPECT_FALSE(ReplaceComponentReference(&owner, first.get(), reference));
    EXPECT_FALSE(ReplaceComponentReference<TComponent>(nullptr, second.get(), reference));
    EXPECT_EQ(reference, first.get());
    EXPECT_TRUE(ReplaceComponentReference(&owner, second.get(), reference));
    EXPECT_EQ(reference, second.get());
    EXPECT_TRUE(ReplaceComponentReference<TComponent>(&owner, nullptr, reference));
    EXPECT_EQ(reference, nullptr);
}

}  // namespace
