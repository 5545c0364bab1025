#include "foundation/TTaskDialogButton.h"

#include "platform/controls/core/Messages.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TForm.h"
#include "platform/graphics/TBitmap.h"
#include "platform/testing/ImageProbe.h"
#include "platform/testing/Screenshot.h"
#include "platform/testing/UiTestEnvironment.h"

#include <gtest/gtest.h>

namespace skelda::foundation {
namespace {

using namespace plat;
using namespace plat::testing;

constexpr TColor kKey = 0xFF00FF;

TEST(TaskDialogPictures, EachPictureLoadsByNameOnTheKeyColour)
{
    struct Case {
        const char* name;
        int sizePx;
    };
    const Case cases[] = {
        {"TD_ARW", 16}, {"TD_ARWHOT", 16}, {"TD_ARWDOWN", 16}, {"TD_ARWDIS", 16},
        {"TD_EXP", 19}, {"TD_EXPHOT", 19}, {"TD_EXPDOWN", 19},
        {"TD_COLP", 19}, {"TD_COLPHOT", 19}, {"TD_COLPDOWN", 19},
        {"TD_SHIELD", 32},
    };
    for (const Case& c : cases) {
        TBitmap bitmap;
        bitmap.LoadFromResourceName(c.name);
        EXPECT_EQ(bitmap.GetWidth(), c.sizePx) << c.name;
        EXPECT_EQ(bitmap.GetHeight(), c.sizePx) << c.name;
        EXPECT_EQ(bitmap.GetTransparentColor() & 0xFFFFFF, kKey) << c.name;
        // Something is drawn in the middle.
        EXPECT_NE(bitmap.Canvas().GetPixels(c.sizePx / 2, c.sizePx / 2) & 0xFFFFFF, kKey) << c.name;
    }
}

class TaskDialogButtonTest : public ::testing::Test {
protected:
    TaskDialogButtonTest()
    {
        form->SetBounds(0, 0, 300, 120);
        form->SetColor(clWhite);
        button->SetParent(form);
        button->SetBounds(10, 10, 260, 60);
        button->SetModalResult(105);
        heading.SetName("Tahoma");
        heading.SetSize(11);
        heading.SetStyle({fsBold});
        heading.SetColor(TColor(0xC45300));
        button->SetHeadingFont(heading);
        button->Font().SetColor(TColor(0xC45300));
    }

    UiTestEnvironment ui;
    TForm* form = new TForm(Application);
    TTaskDialogButton* button = new TTaskDialogButton(form);
    TFont heading;
};

TEST_F(TaskDialogButtonTest, StartsAsTheDialogExpects)
{
    TTaskDialogButton fresh(nullptr);
    EXPECT_EQ(fresh.GetWidth(), 23);
    EXPECT_EQ(fresh.GetHeight(), 22);
    EXPECT_EQ(fresh.GetBackColor(), clNone);
    EXPECT_EQ(fresh.GetBorderColor(), clNone);
    EXPECT_EQ(fresh.GetBorderColorHot(), clNone);
    EXPECT_EQ(fresh.GetBorderColorDown(), clNone);
    EXPECT_TRUE(fresh.GetMultiLine());
    EXPECT_EQ(fresh.GetModalResult(), 0);
    EXPECT_FALSE(fresh.GetShowHint());
}

TEST_F(TaskDialogButtonTest, SpaceAndEnterClickAndSetTheFormsModalResult)
{
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    for (char32_t key : {U' ', U'\r'}) {
        form->SetModalResult(mrNone);
        button->Perform(WM_CHAR, key);
        EXPECT_EQ(form->GetModalResult(), 105);
    }
    button->Perform(WM_CHAR, U'x');
    EXPECT_EQ(clicks, 2);
}

TEST_F(TaskDialogButtonTest, HotAndPressedStatesFollowTheMouse)
{
    button->SetBorderColorHot(TColor(0xFFE16C));
    button->SetBorderColorDown(TColor(0xFFE16C));
    form->Show();
    EXPECT_EQ(CountPixels(Screenshot(*button), button->GetClientRect(), TColor(0xFFE16C)), 0);

    int entered = 0;
    button->OnMouseEnter = [&](TObject*) { entered += button->MouseInControl() ? 1 : 100; };
    button->Perform(CM_MOUSEENTER);
    EXPECT_TRUE(button->MouseInControl());
    EXPECT_EQ(entered, 1);
    EXPECT_GT(CountPixels(Screenshot(*button), button->GetClientRect(), TColor(0xFFE16C)), 0);

    button->SetEnabled(false);
    EXPECT_EQ(CountPixels(Screenshot(*button), button->GetClientRect(), TColor(0xFFE16C)), 0);
    button->SetEnabled(true);

    button->Perform(CM_MOUSELEAVE);
    EXPECT_FALSE(button->MouseInControl());
    EXPECT_EQ(CountPixels(Screenshot(*button), button->GetClientRect(), TColor(0xFFE16C)), 0);
}

TEST_F(TaskDialogButtonTest, ADisabledLinkDrawsGreyTextAndItsDisabledPicture)
{
    TBitmap arrow, disabled;
    arrow.LoadFromResourceName("TD_ARW");
    disabled.LoadFromResourceName("TD_ARWDIS");
    button->SetPicture(arrow);
    button->SetPictureDisabled(disabled);
    button->SetText("Save\\nKeeps the prediction for later");
    form->Show();

    const QImage enabled = Screenshot(*button, "taskdialog-button-enabled.png");
    const TRect text{30, 0, button->GetWidth(), button->GetHeight()};
    EXPECT_GT(CountPixels(enabled, text, TColor(0xC45300)), 0);
    EXPECT_EQ(CountPixels(enabled, text, TColor(0xC0C0C0)), 0);
    const TColor arrowBody = arrow.Canvas().GetPixels(4, 7);
    const TRect picture{0, 0, 24, button->GetHeight()};
    EXPECT_GT(CountPixels(enabled, picture, arrowBody), 0);
    EXPECT_EQ(CountPixels(enabled, picture, kKey), 0);

    button->SetEnabled(false);
    const QImage grey = Screenshot(*button, "taskdialog-button-disabled.png");
    EXPECT_EQ(CountPixels(grey, text, TColor(0xC45300)), 0);
    EXPECT_GT(CountPixels(grey, text, TColor(0xC0C0C0)), 0);
    EXPECT_EQ(CountPixels(grey, picture, arrowBody), 0);
    EXPECT_GT(CountPixels(grey, picture, disabled.Canvas().GetPixels(4, 7)), 0);
}

TEST_F(TaskDialogButtonTest, RightToLeftTheArrowStandsOnTheRightFlippedAndTheTextLeftOfIt)
{
    TBitmap arrow;
    arrow.LoadFromResourceName("TD_ARW");
    button->SetPicture(arrow);
    button->SetText("Save\\nKeeps the prediction for later");
    button->SetBiDiMode(bdRightToLeft);
    form->Show();

    const QImage shown = Screenshot(*button, "taskdialog-button-right-to-left.png");
    const int size = arrow.GetWidth();
    const int left = button->GetWidth() - 4 - size;
    const int top = (button->GetHeight() - arrow.GetHeight()) / 2;
    int drawn = 0;
    for (int y = 0; y < arrow.GetHeight(); ++y)
        for (int x = 0; x < size; ++x)
            if (const TColor colour = arrow.Canvas().GetPixels(x, y); (colour & 0xFFFFFF) != kKey) {
                EXPECT_EQ(PixelAt(shown, left + size - 1 - x, top + y), colour & 0xFFFFFF) << x << "," << y;
                ++drawn;
            }
    EXPECT_GT(drawn, 20);
    EXPECT_GT(CountPixels(shown, {0, 0, left, button->GetHeight()}, TColor(0xC45300)), 0);
    EXPECT_EQ(CountPixels(shown, {left + size, 0, button->GetWidth(), button->GetHeight()}, TColor(0xC45300)), 0);
}

}  // namespace
}  // namespace skelda::foundation
