// The chrome close button: its defaults, hover and press states, which releases click it, and
// its face.

#include "pager/office/TVezPagerButton.h"

#include "foundation/TGDIPPicture.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TForm.h"
#include "platform/testing/Screenshot.h"
#include "platform/testing/UiTestEnvironment.h"
#include "tests/pager/glow/GlowFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace skelda::pager {
namespace {

using plat::RGB;

class PagerButtonTest : public ::testing::Test {
protected:
    PagerButtonTest()
    {
        form->SetClientWidth(100);
        form->SetClientHeight(60);
        button->SetParent(form);
        button->SetLeft(10);
        button->SetTop(10);
        button->OnClick = [this](plat::TObject* Sender) {
            EXPECT_EQ(Sender, button);
            ++clicks;
        };
        button->OnMouseEnter = [this](plat::TObject* Sender) {
            EXPECT_EQ(Sender, button);
            events.push_back("enter");
        };
        button->OnMouseLeave = [this](plat::TObject*) { events.push_back("leave"); };
        form->Show();
    }

    plat::TColor At(int X, int Y) { return plat::testing::PixelAt(plat::testing::Screenshot(*form), X + 10, Y + 10); }

    plat::testing::UiTestEnvironment ui;
    plat::TForm* form = new plat::TForm(plat::Application);
    TVezPagerButton* button = new TVezPagerButton(form);
    int clicks = 0;
    std::vector<std::string> events;
};

TEST_F(PagerButtonTest, StartsAsAnEmptyTransparentCrossOfTwentyThreeByTwentyTwo)
{
    EXPECT_EQ(button->GetWidth(), 23);
    EXPECT_EQ(button->GetHeight(), 22);
    EXPECT_FALSE(button->GetShowHint());
    EXPECT_EQ(button->Font().GetName(), "Tahoma");
    EXPECT_TRUE(button->GetTransparent());
    EXPECT_TRUE(button->GetDrawClose());
    EXPECT_TRUE(button->Picture().GetEmpty() && button->HotPicture().GetEmpty() &&
                button->DownPicture().GetEmpty() && button->DisabledPicture().GetEmpty());
    EXPECT_FALSE(button->GetControlStyle().Contains(plat::csClickEvents));
    EXPECT_TRUE(button->GetControlStyle().Contains(plat::csCaptureMouse));
}

TEST_F(PagerButtonTest, AnyReleaseOverAnEnabledButtonClicksOnlyTheLeftPressShows)
{
    const struct {
        const char* Name;
        plat::TMouseButton Button;
        bool Enabled;
        plat::TPoint Release;
        bool PressedDisc;
        int Clicks;
    } cases[] = {
        {"left over it", plat::mbLeft, true, {11, 11}, true, 1},
        {"right over it", plat::mbRight, true, {11, 11}, false, 1},
        {"left, released outside", plat::mbLeft, true, {40, 11}, true, 0},
        {"disabled", plat::mbLeft, false, {11, 11}, false, 0},
    };
    for (const auto& c : cases) {
        clicks = 0;
        button->SetEnabled(c.Enabled);
        ui.Simulator().MouseMove(*button, {11, 11});
        ui.Simulator().MouseDown(*button, {11, 11}, c.Button);
        EXPECT_EQ(button->GetMouseDown(), c.PressedDisc) << c.Name;
        ui.Simulator().MouseMove(*button, c.Release);
        ui.Simulator().MouseUp(*button, c.Release, c.Button);
        EXPECT_FALSE(button->GetMouseDown()) << c.Name;
        EXPECT_EQ(clicks, c.Clicks) << c.Name;
        ui.Simulator().Leave(*button);
    }
}

TEST_F(PagerButtonTest, HoverAnnouncesEachChangeOnce)
{
    ui.Simulator().MouseMove(*button, {5, 5});
    ui.Simulator().MouseMove(*button, {6, 6});
    EXPECT_TRUE(button->GetMouseInside());
    ui.Simulator().Leave(*button);
    EXPECT_FALSE(button->GetMouseInside());
    EXPECT_EQ(events, (std::vector<std::string>{"enter", "leave"}));

    button->SetDesigning(true);
    ui.Simulator().MouseMove(*button, {5, 5});
    EXPECT_FALSE(button->GetMouseInside()) << "the designer's button does not react";
}

TEST_F(PagerButtonTest, FaceShowsTheDiscOfItsState)
{
    // A point of the disc off the cross.
    const plat::TPoint disc{11, 3};
    EXPECT_EQ(At(disc.X, disc.Y), At(30, 3)) << "at rest only the cross is drawn";
    ui.Simulator().MouseMove(*button, {11, 11});
    EXPECT_TRUE(testing::ColorNear(At(disc.X, disc.Y), RGB(192, 53, 53), 3));
    ui.Simulator().MouseDown(*button, {11, 11});
    EXPECT_TRUE(testing::ColorNear(At(disc.X, disc.Y), RGB(67, 30, 32), 3));
    ui.Simulator().MouseUp(*button, {11, 11});

    button->SetDrawClose(false);
    ui.Simulator().Leave(*button);
    const plat::TColor backdrop = At(30, 3);
    for (const plat::TPoint p : {plat::TPoint{7, 6}, plat::TPoint{11, 11}, disc})
        EXPECT_EQ(At(p.X, p.Y), backdrop) << p.X << "," << p.Y;
}

}  // namespace
}  // namespace skelda::pager
