// What a tab shows inside: where its image and caption go for each position and image place,
// rotated text, fitting to a fixed width and the buttons' background.

#include "pager/office/TabContent.h"

#include "pager/office/TabStrip.h"

#include "foundation/TGDIPPicture.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TImageList.h"
#include "platform/testing/TRecordingCanvas.h"
#include "tests/pager/glow/GlowFixture.h"

#include <QImage>

#include <memory>

namespace skelda::pager {
namespace {

using testing::FixedTextMeasurer;

class TabContentTest : public ::testing::Test {
protected:
    TabContentTest()
    {
        images.SetWidth(16);
        images.SetHeight(16);
        plat::TBitmap strip;
        strip.SetSize(16, 16);
        images.Add(strip, nullptr);
        picture.LoadFromResourceName(plat::HInstance(), "ZORAOCLOSE");
        font.SetName("Arial");
    }

    TTabContentRequest Request(const plat::TRect& Rect, TTabPosition Position = tpTop)
    {
        TTabContentRequest q;
        q.Rect = Rect;
        q.Caption = "Main panel";
        q.Font = &font;
        q.Settings = &settings;
        q.Position = Position;
        q.AntiAlias = foundation::aaNone;
        q.Measurer = &measurer;
        return q;
    }

    TTabImage ListImage() { return ChooseTabImage(nullptr, nullptr, &images, nullptr, 0, true, true); }
    TTabImage Picture() { return ChooseTabImage(&picture, nullptr, &images, nullptr, 0, true, true); }

    plat::testing::TRecordingCanvas canvas{200, 200};
    plat::TImageList images{nullptr};
    foundation::TGDIPPicture picture;
    plat::TFont font;
    TPagerTabSettings settings;
    FixedTextMeasurer measurer;
};

TEST_F(TabContentTest, ImageChoiceFollowsEnabledStates)
{
    foundation::TGDIPPicture disabled;
    disabled.LoadFromResourceName(plat::HInstance(), "ZORAOLIST");
    plat::TImageList greyed(nullptr);
    EXPECT_EQ(ChooseTabImage(&picture, &disabled, &images, nullptr, 0, true, true).Picture, &picture);
    EXPECT_EQ(ChooseTabImage(&picture, &disabled, &images, nullptr, 0, false, true).Picture, &disabled);
    foundation::TGDIPPicture empty;
    TTabImage image = ChooseTabImage(&empty, nullptr, &images, &greyed, 0, true, false);
    EXPECT_EQ(image.Images, &greyed);
    EXPECT_FALSE(image.Enabled);
    image = ChooseTabImage(&empty, nullptr, &images, nullptr, 0, true, false);
    EXPECT_EQ(image.Images, &images) << "no disabled list: the list, greyed";
    EXPECT_FALSE(image.Enabled);
    EXPECT_EQ(ChooseTabImage(nullptr, nullptr, &images, nullptr, -1, true, true).Size(), (plat::TSize{0, 0}));
    EXPECT_EQ(ChooseTabImage(&picture, nullptr, nullptr, nullptr, -1, true, true).Size(), (plat::TSize{9, 9}));
}

TEST_F(TabContentTest, TextSizeOfCaptionOrWideCaption)
{
    EXPECT_EQ(GetTabTextSize(canvas, font, "Main panel", "", foundation::aaNone, &measurer), (plat::TSize{63, 13}))
        << "60 plus a third of 10 characters";
    EXPECT_EQ(GetTabTextSize(canvas, font, "Main panel", "", foundation::aaAntiAlias, &measurer),
              (plat::TSize{60, 13}));
    EXPECT_EQ(GetTabTextSize(canvas, font, "", "Wide", foundation::aaAntiAlias, &measurer), (plat::TSize{28, 13}));
    EXPECT_EQ(GetTabTextSize(canvas, font, "", "", foundation::aaNone, &measurer), (plat::TSize{0, 0}));
}

TEST_F(TabContentTest, ImageAndTextOfATopTab)
{
    // Automatic width: a list image at the text box's start, centred across; the text after it.
    TTabContentRequest q = Request(plat::Rect(0, 0, 100, 26));
    q.Image = ListImage();
    TTabContentPlacement placed = DrawTabContent(canvas, q);
    EXPECT_EQ(placed.ImagePos, (plat::TPoint{4, 5}));
    EXPECT_EQ(placed.TextRect.Left, 4 + 16 + 2);
    EXPECT_EQ(placed.Text, "Main panel");

    // A picture starts two pixels further in.
    q.Image = Picture();
    placed = DrawTabContent(canvas, q);
    EXPECT_EQ(placed.ImagePos, (plat::TPoint{6, 8}));
    EXPECT_EQ(placed.TextRect.Left, 4 + 9 + 2);

    // An inactive tab keeps half a close button's room when only the active tab shows one.
    q.Image = {};
    q.CloseButton = q.CloseOnTab = q.ShowClose = true;
    placed = DrawTabContent(canvas, q);
    EXPECT_EQ(placed.TextRect.Left, 4 + 11);
    q.Active = true;
    EXPECT_EQ(DrawTabContent(canvas, q).TextRect.Left, 4) << "the active tab has it on the right";
    q.CloseOnLeft = true;
    EXPECT_EQ(DrawTabContent(canvas, q).TextRect.Left, 4 + 22);
}

TEST_F(TabContentTest, FixedWidthFitsTheCaptionWithAnEllipsis)
{
    settings.SetWidth(60);
    TTabContentRequest q = Request(plat::Rect(0, 0, 60, 26));
    q.Caption = "Detailed data";
    const TTabContentPlacement placed = DrawTabContent(canvas, q);
    EXPECT_LT(placed.Text.size(), q.Caption.size());
    EXPECT_EQ(placed.Text.substr(placed.Text.size() - 3), "...");
    EXPECT_LT(static_cast<int>(placed.Text.size()) * FixedTextMeasurer::kCharPx, 60 - 4);

    settings.SetAlignment(plat::taCenter);
    settings.SetWidth(100);
    q.Rect = plat::Rect(0, 0, 100, 26);
    q.Caption = "Main";
    EXPECT_EQ(DrawTabContent(canvas, q).TextRect.Left, (100 - (24 + 4 / 3)) / 2)
        << "centred by the fixed-width layout";
}

TEST_F(TabContentTest, PictureAboveTheTextNeverLeavesTheTab)
{
    settings.SetImagePosition(ipTop);
    for (const foundation::TAntiAlias aa : {foundation::aaAntiAlias, foundation::aaNone}) {
        SCOPED_TRACE(aa);
        TTabContentRequest q = Request(plat::Rect(0, 0, 100, 60));
        q.AntiAlias = aa;
        q.Image = Picture();
        // The text, 13 high, centred in the 51 rows under the picture's room, starts at row 28.
        TTabContentPlacement placed = DrawTabContent(canvas, q);
        EXPECT_EQ(placed.ImagePos, (plat::TPoint{(100 - 9) / 2, 28 - 9 - 2}));

        q.Rect = plat::Rect(0, 0, 100, 20);
        placed = DrawTabContent(canvas, q);
        EXPECT_EQ(placed.ImagePos.Y, 4) << "held at 4 when the text sits high";
    }
}

TEST_F(TabContentTest, PictureAboveCanvasTextSitsJustOverItsInk)
{
    canvas.Brush().SetColor(plat::clWhite);
    canvas.FillRect(plat::Rect(0, 0, 200, 200));
    settings.SetImagePosition(ipTop);
    TTabContentRequest q = Request(plat::Rect(0, 0, 100, 60));
    q.TextColor = plat::clBlack;
    q.Image = Picture();
    const TTabContentPlacement placed = DrawTabContent(canvas, q);
    // The text's first inked row, read beside the picture's columns.
    const QImage& image = canvas.Image();
    int inkTop = -1;
    for (int y = 0; y < 60 && inkTop < 0; ++y)
        for (int x = 0; x < 100; ++x)
            if ((x < placed.ImagePos.X - 2 || x > placed.ImagePos.X + 11) && (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFFu) {
                inkTop = y;
                break;
            }
    ASSERT_GE(inkTop, 0) << "the caption is drawn";
    const int pictureBottom = placed.ImagePos.Y + 9;
    EXPECT_GE(inkTop, pictureBottom) << "the picture stays clear of the text";
    EXPECT_LE(inkTop - pictureBottom, 6) << "and stands right above it, not at the tab's top";
}

TEST_F(TabContentTest, RotatedCaptionsRunUpOnTheLeftAndDownOnTheRight)
{
    const struct {
        TTabPosition Position;
        int Orientation;
    } cases[] = {{tpLeft, 900}, {tpRight, -900}};
    for (const auto& c : cases) {
        canvas.ClearCalls();
        TTabContentRequest q = Request(plat::Rect(0, 0, 26, 100), c.Position);
        const TTabContentPlacement placed = DrawTabContent(canvas, q);
        EXPECT_EQ(placed.Text, "Main panel");
        const auto outs = canvas.CallsOf("TextOut");
        ASSERT_EQ(outs.size(), 1u) << c.Position;
        const std::string at = c.Position == tpLeft ? "TextOut(6,96," : "TextOut(20,4,";
        EXPECT_EQ(outs[0].substr(0, at.size()), at) << outs[0];
        EXPECT_EQ(canvas.Font().GetOrientation(), 0) << "the font is given back";
    }
}

TEST_F(TabContentTest, TabOverTheButtonsGivesTheirBackgroundBack)
{
    // The area's background before the tabs: green rows over red ones.
    canvas.Brush().SetColor(plat::RGB(0, 200, 0));
    canvas.FillRect(plat::Rect(0, 50, 30, 60));
    canvas.Brush().SetColor(plat::RGB(200, 0, 0));
    canvas.FillRect(plat::Rect(0, 60, 30, 70));
    plat::TBitmap backdrop;
    CaptureButtonsBackground(canvas, plat::Rect(0, 50, 30, 70), backdrop);
    EXPECT_EQ(backdrop.GetWidth(), 30);
    EXPECT_EQ(backdrop.GetHeight(), 20);
    canvas.Brush().SetColor(plat::clWhite);
    canvas.FillRect(plat::Rect(0, 0, 200, 200));

    // A side tab reaching down into the buttons' area below the tabs.
    TTabContentRequest q = Request(plat::Rect(0, 0, 30, 60), tpLeft);
    q.Caption.clear();
    q.ButtonsBackground = &backdrop;
    q.ButtonsRect = plat::Rect(0, 50, 30, 70);
    DrawTabContent(canvas, q);
    const QImage& image = canvas.Image();
    EXPECT_EQ(image.pixel(15, 52) & 0xFFFFFF, 0x00C800u) << "the copy's top rows, not a squeezed copy";
    EXPECT_EQ(image.pixel(15, 59) & 0xFFFFFF, 0x00C800u);
    EXPECT_EQ(image.pixel(15, 60) & 0xFFFFFF, 0xFFFFFFu) << "only under the tab";
}

}  // namespace
}  // namespace skelda::pager
