// The face painter: backgrounds, split parts, arrows, content sizes, image sources and captions.

#include "foundation/TGDIPPicture.h"
#include "foundation/TGPFont.h"
#include "foundation/TGPFontFamily.h"
#include "platform/gdiplus/GdiplusObjects.h"
#include "pager/glow/GlowFace.h"
#include "platform/core/TStream.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TImageList.h"
#include "tests/pager/glow/GlowFixture.h"

namespace skelda::pager {
namespace {

using plat::RGB;
using testing::FixedTextMeasurer;

class GlowFaceTest : public testing::GlowSurfaceTest {
protected:
    GlowFaceTest() : GlowSurfaceTest(100, 41)
    {
        font.SetName("Tahoma");
        font.SetSize(8);
        request.Canvas = &canvas;
        request.ClientRect = plat::Rect(0, 0, 100, 41);
        request.Font = &font;
        request.Measurer = &measurer;
        request.NotesFont = &font;
    }

    // One solid colour per half, no border.
    void SolidHalves(plat::TColor Upper, plat::TColor Lower)
    {
        request.Color = request.ColorTo = Upper;
        request.ColorMirror = request.ColorMirrorTo = Lower;
        request.Gradient = request.GradientMirror = ggVertical;
        request.SingleBorder = false;
    }

    plat::TFont font;
    FixedTextMeasurer measurer;
    TGlowFaceRequest request;
};

TEST_F(GlowFaceTest, PlainLookOnHeightTwentySharesRowNine)
{
    request.ClientRect = plat::Rect(0, 0, 100, 20);
    SolidHalves(plat::clRed, plat::clBlue);
    PaintGlowButtonFace(request);
    EXPECT_EQ(At(50, 9), plat::clRed) << "the upper half paints the shared row last";
    EXPECT_EQ(At(50, 10), plat::clBlue);
    EXPECT_EQ(At(50, 19), plat::clBlue);
    EXPECT_EQ(At(50, 20), plat::clWhite);
}

TEST_F(GlowFaceTest, FocusOutlineIsASolidFrameWithADottedOneInside)
{
    SolidHalves(plat::clWhite, plat::clWhite);
    request.FocusOutline = true;
    PaintGlowButtonFace(request);
    EXPECT_EQ(At(1, 20), 0xE4AD89);
    EXPECT_EQ(At(98, 20), 0xE4AD89);
    // Antialiased one-pixel dots between pixel centres: half grey on every pixel of the row.
    EXPECT_TRUE(testing::ColorNear(At(20, 2), RGB(191, 191, 191), 8));
    EXPECT_TRUE(testing::ColorNear(At(2, 20), RGB(191, 191, 191), 8));
    EXPECT_EQ(At(50, 20), plat::clWhite);
}

TEST_F(GlowFaceTest, SplitPartsOnTheRightAndAtTheBottom)
{
    const TGlowSplitParts right = GlowSplitParts(plat::Rect(0, 0, 100, 41), dpRight);
    EXPECT_EQ(right.MainUpper, plat::Rect(0, 0, 88, 21));
    EXPECT_EQ(right.MainLower, plat::Rect(0, 19, 88, 41));
    EXPECT_EQ(right.DropDownUpper, plat::Rect(88, 0, 100, 21));
    EXPECT_EQ(right.DropDownLower, plat::Rect(88, 19, 100, 41));
    EXPECT_TRUE(right.HasDropDownLower);
    const TGlowSplitParts bottom = GlowSplitParts(plat::Rect(0, 0, 100, 41), dpBottom);
    EXPECT_EQ(bottom.MainUpper, plat::Rect(0, 0, 100, 15));
    EXPECT_EQ(bottom.MainLower, plat::Rect(0, 13, 100, 29));
    EXPECT_EQ(bottom.DropDownUpper, plat::Rect(0, 29, 100, 41));
    EXPECT_FALSE(bottom.HasDropDownLower);
}

TEST_F(GlowFaceTest, SplitLookDarkensThePartThePointerIsNotOver)
{
    SolidHalves(RGB(200, 200, 200), RGB(200, 200, 200));
    request.DropDownButton = true;
    request.DropDownSplit = true;
    request.HotOrDown = true;
    request.DropDownHit = dhMainPart;
    PaintGlowButtonFace(request);
    EXPECT_EQ(At(40, 5), RGB(200, 200, 200));
    EXPECT_EQ(At(95, 35), RGB(180, 180, 180));
    EXPECT_EQ(At(86, 20), plat::clGray) << "the separator in the border colour, at the drop-down part's left";

    request.DropDownHit = dhDropDownPart;
    PaintGlowButtonFace(request);
    EXPECT_EQ(At(40, 35), RGB(180, 180, 180));

    request.TransparentWhenHot = true;
    image.fill(Qt::white);
    PaintGlowButtonFace(request);
    EXPECT_EQ(At(40, 35), plat::clWhite) << "a transparent hot button darkens nothing";
}

// The arrow's top-left pixel and its shadow below the tip.
void ExpectArrowAt(const GlowFaceTest& Test, const QImage& Image, int X, int Y)
{
    (void)Test;
    EXPECT_EQ(plat::testing::PixelAt(Image, X, Y), plat::clBlack) << X << "," << Y;
    EXPECT_EQ(plat::testing::PixelAt(Image, X + 4, Y), plat::clBlack);
    EXPECT_EQ(plat::testing::PixelAt(Image, X + 2, Y + 3), plat::clWhite);
    EXPECT_NE(plat::testing::PixelAt(Image, X, Y - 1), plat::clBlack);
}

TEST_F(GlowFaceTest, ArrowIsCentredWithoutACaptionAndSitsAboveTheCaptionsBottomWithOne)
{
    SolidHalves(plat::clGray, plat::clGray);
    request.DropDownButton = true;
    PaintGlowButtonFace(request);
    // D = (86, 0, 100, 41): x = 86 + 9 div 2, y = 1 + 38 div 2.
    ExpectArrowAt(*this, image, 90, 20);

    request.Caption = "Go";
    PaintGlowButtonFace(request);
    // The caption is centred in (0, 0, 86, 41): 13 high from 14, so its bottom is 27.
    ExpectArrowAt(*this, image, 90, 19);

    request.DropDownPosition = dpBottom;
    PaintGlowButtonFace(request);
    // D = (0, 27, 100, 41): x = 47, y = 27 + 1 + 11 div 2.
    ExpectArrowAt(*this, image, 47, 33);
}

TEST_F(GlowFaceTest, ContentSizesOfTheLayouts)
{
    plat::TImageList images(nullptr);
    images.SetWidth(16);
    images.SetHeight(16);
    request.Images = &images;
    request.ImageIndex = 0;
    request.Caption = "Caption";  // 42 × 13
    request.MeasureOnly = true;
    const struct {
        TButtonLayout Layout;
        bool TrueType;
        plat::TPoint Expected;
    } cases[] = {
        // (max(tw, nw) + iw + Spacing, max(th + Spacing + nh, ih + Spacing)), iw grown by Spacing.
        {blGlyphLeft, true, {42 + 18 + 2, 18}},
        {blGlyphRightAdjusted, false, {42 + 18 + 2, 18}},
        // (max(tw + Spacing, iw + Spacing), th + ih + Spacing), ih grown by Spacing on top.
        {blGlyphTop, true, {44, 13 + 18 + 2}},
        {blGlyphBottom, false, {44, 13 + 16 + 2}},
    };
    for (const auto& c : cases) {
        request.Layout = c.Layout;
        measurer.TrueType = c.TrueType;
        EXPECT_EQ(PaintGlowButtonFace(request), c.Expected) << "layout " << c.Layout;
    }

    plat::TStringList notes;
    notes.Add("A longer note line");  // 108 × 13
    request.Notes = &notes;
    request.Layout = blGlyphTop;
    EXPECT_EQ(PaintGlowButtonFace(request), plat::Point(108 + 18 + 2, 13 + 2 + 13))
        << "notes turn the layout into glyph-left-adjusted";

    request.Notes = nullptr;
    request.Caption.clear();
    EXPECT_EQ(PaintGlowButtonFace(request), plat::Point(16, 16)) << "no caption: the image alone";
}

TEST_F(GlowFaceTest, BackslashNBreaksTheCaptionOnceOrBecomesASpace)
{
    EXPECT_EQ(GlowCaptionText("One\\nTwo\\NThree", false), "One\nTwo\nThree");
    EXPECT_EQ(GlowCaptionText("One\\nTwo", true), "One Two");
    EXPECT_EQ(GlowCaptionText("Ends\\", false), "Ends\\");

    request.Caption = "One\\nTwo";
    request.MeasureOnly = true;
    for (const bool trueType : {true, false}) {
        measurer.TrueType = trueType;
        measurer.Texts.clear();
        EXPECT_EQ(PaintGlowButtonFace(request), plat::Point(18 + 2, 26 + 2)) << "two lines on either path";
        ASSERT_FALSE(measurer.Texts.empty());
        EXPECT_EQ(measurer.Texts.front(), "One\nTwo");
    }
}

TEST_F(GlowFaceTest, AnUnknownFamilyFallsBackToArial)
{
    font.SetName("No Such Family 42");
    request.Caption = "x";
    request.MeasureOnly = true;
    PaintGlowButtonFace(request);
    foundation::TGPFontFamily arial("Arial");
    foundation::TGPFont expected(&arial, 8);
    ASSERT_FALSE(measurer.GdiplusFaces.empty());
    EXPECT_EQ(measurer.GdiplusFaces.front(), expected.Native()->Face);
}

// Size×Size in Color with a border in KeyColor (the bottom-left pixel among it).
void FillFramed(plat::TBitmap& Bitmap, int Size, plat::TColor Color, plat::TColor KeyColor)
{
    Bitmap.SetSize(Size, Size);
    Bitmap.Canvas().Brush().SetColor(KeyColor);
    Bitmap.Canvas().FillRect(plat::Rect(0, 0, Size, Size));
    Bitmap.Canvas().Brush().SetColor(Color);
    Bitmap.Canvas().FillRect(plat::Rect(2, 2, Size - 2, Size - 2));
}

std::vector<std::uint8_t> FramedBmp(int Size, plat::TColor Color, plat::TColor KeyColor)
{
    plat::TBitmap bitmap;
    FillFramed(bitmap, Size, Color, KeyColor);
    return bitmap.SaveToBytes();
}

void LoadPicture(foundation::TGDIPPicture& Picture, const std::vector<std::uint8_t>& Bytes)
{
    plat::TMemoryStream stream;
    stream.Write(Bytes.data(), static_cast<std::int64_t>(Bytes.size()));
    stream.SetPosition(0);
    Picture.LoadFromStream(stream);
}

TEST_F(GlowFaceTest, GlyphBitmapBeatsPictureWhichBeatsTheImageList)
{
    SolidHalves(plat::clGray, plat::clGray);
    plat::TImageList images(nullptr);
    images.SetWidth(16);
    images.SetHeight(16);
    plat::TBitmap listImage;
    FillFramed(listImage, 16, plat::clBlue, plat::clYellow);
    images.Add(listImage, nullptr);
    foundation::TGDIPPicture picture;
    LoadPicture(picture, FramedBmp(16, plat::clGreen, plat::clFuchsia));
    plat::TBitmap glyph;
    glyph.SetSize(16, 16);
    glyph.Canvas().Brush().SetColor(plat::clRed);
    glyph.Canvas().FillRect(plat::Rect(0, 0, 16, 16));

    request.Images = &images;
    request.ImageIndex = 0;
    request.Picture = &picture;
    request.GlyphBitmap = &glyph;
    // No caption: centred in (100 − 0) × 41.
    PaintGlowButtonFace(request);
    EXPECT_EQ(At(50, 20), plat::clRed);
    request.GlyphBitmap = nullptr;
    PaintGlowButtonFace(request);
    EXPECT_EQ(At(50, 20), plat::clGreen);
    EXPECT_EQ(At(43, 13), plat::clGray) << "the picture's key colour is left out";
    request.Picture = nullptr;
    PaintGlowButtonFace(request);
    EXPECT_EQ(At(50, 20), plat::clBlue);
    EXPECT_EQ(At(43, 13), plat::clGray) << "so is the list image's";
}

TEST_F(GlowFaceTest, APictureThatDoesNotDecodeIsLeftOutAndTheRestDrawn)
{
    SolidHalves(plat::clGray, plat::clGray);
    foundation::TGDIPPicture picture;
    LoadPicture(picture, {'B', 'M', 0, 1, 2, 3});
    request.Picture = &picture;
    request.DropDownButton = true;
    EXPECT_NO_THROW(PaintGlowButtonFace(request));
    ExpectArrowAt(*this, image, 90, 20);
}

}  // namespace
}  // namespace skelda::pager
