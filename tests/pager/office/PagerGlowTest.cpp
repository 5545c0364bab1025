// The office pager's glows on the fake clock: a tab's hover and press glow with the timer it
// lives by, and the slow pulse of tabs that carry a glow colour.

#include "tests/pager/office/PagerFixture.h"

#include "platform/testing/Screenshot.h"

#include <QImage>

namespace skelda::pager::testing {
namespace {

class PagerGlowTest : public PagerTest {
protected:
    PagerGlowTest()
    {
        AddPages(3);
        pager->SetActivePageIndex(0);
    }
    plat::TPoint TabCentre(int Index) const
    {
        const plat::TRect r = pager->GetTabRect(Index);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    // The page's hover steps after each of Count ticks of 50 ms.
    std::vector<int> HoverSteps(const TVezOfficePage& Page, int Count)
    {
        std::vector<int> steps;
        for (int i = 0; i < Count; ++i) {
            ui.Clock().Advance(50);
            steps.push_back(Page.GetStepHover());
        }
        return steps;
    }
};

TEST_F(PagerGlowTest, HoverGlowRisesHoldsFadesAndFreesItsTimer)
{
    const TVezOfficePage& page = *pager->VezPages(1);
    EXPECT_FALSE(page.HasGlowTimer());
    ui.Simulator().MouseMove(*pager, TabCentre(1));
    EXPECT_TRUE(page.HasGlowTimer());
    EXPECT_EQ(page.GetGlowState(), gsHover);
    EXPECT_EQ(HoverSteps(page, 6), (std::vector<int>{20, 40, 60, 80, 100, 120}));
    EXPECT_EQ(HoverSteps(page, 3), (std::vector<int>{120, 120, 120})) << "holds while the mouse stays";
    EXPECT_TRUE(page.HasGlowTimer());

    ui.Simulator().MouseMove(*pager, TabCentre(2));
    EXPECT_EQ(HoverSteps(page, 7), (std::vector<int>{100, 80, 60, 40, 20, 0, -20}));
    EXPECT_FALSE(page.HasGlowTimer());
    EXPECT_EQ(page.GetGlowState(), gsNone);
    EXPECT_TRUE(pager->VezPages(2)->HasGlowTimer()) << "the tab now under the mouse glows";
}

TEST_F(PagerGlowTest, HoverGlowFadesOnItsOwnWhenTheCursorLeftUnseen)
{
    const TVezOfficePage& page = *pager->VezPages(1);
    ui.Simulator().MouseMove(*pager, TabCentre(1));
    HoverSteps(page, 2);
    // A window that popped up over the pager took the mouse: the pager saw no move.
    ui.Input().SetCursorPos(pager->ClientToScreen({590, 290}));
    EXPECT_EQ(HoverSteps(page, 4), (std::vector<int>{60, 80, 100, 120}));
    EXPECT_EQ(pager->GetHotPageIndex(), -1);
    EXPECT_EQ(HoverSteps(page, 7), (std::vector<int>{100, 80, 60, 40, 20, 0, -20}));
    EXPECT_FALSE(page.HasGlowTimer());
}

TEST_F(PagerGlowTest, AFadingTabPaintsBetweenItsHotAndRestingLooks)
{
    const plat::TPoint centre = TabCentre(1);
    const auto colourAtCentre = [&] {
        return plat::testing::PixelAt(plat::testing::Screenshot(*pager), centre.X, centre.Y);
    };
    const plat::TColor resting = colourAtCentre();
    ui.Simulator().MouseMove(*pager, centre);
    HoverSteps(*pager->VezPages(1), 6);
    const plat::TColor hot = colourAtCentre();
    ASSERT_NE(hot, resting);
    ui.Simulator().MouseMove(*pager, TabCentre(2));
    HoverSteps(*pager->VezPages(1), 3);
    const plat::TColor fading = colourAtCentre();
    EXPECT_NE(fading, hot);
    EXPECT_NE(fading, resting);
}

TEST_F(PagerGlowTest, PressGlowRisesOnceThenFreesItsTimer)
{
    const TVezOfficePage& page = *pager->VezPages(2);
    ui.Simulator().MouseDown(*pager, TabCentre(2));
    ASSERT_EQ(pager->GetActivePageIndex(), 2);
    EXPECT_EQ(page.GetGlowState(), gsPush);
    std::vector<int> steps;
    for (int i = 0; i < 5; ++i) {
        ui.Clock().Advance(50);
        steps.push_back(page.GetStepPush());
    }
    EXPECT_EQ(steps, (std::vector<int>{20, 40, 60, 80, 100}));
    ui.Clock().Advance(50);
    EXPECT_FALSE(page.HasGlowTimer());
    EXPECT_EQ(page.GetGlowState(), gsNone);
    EXPECT_EQ(page.GetStepPush(), 0);
    ui.Simulator().MouseUp(*pager, TabCentre(2));
}

TEST_F(PagerGlowTest, NoTimerWithGlowOffYetTheDirectionIsKept)
{
    pager->SetGlow(false);
    const TVezOfficePage& page = *pager->VezPages(1);
    ui.Simulator().MouseMove(*pager, TabCentre(1));
    EXPECT_FALSE(page.HasGlowTimer());
    EXPECT_EQ(page.GetGlowState(), gsHover);
    EXPECT_EQ(pager->GetHotPageIndex(), 1);
}

TEST_F(PagerGlowTest, PagerPulseReversesAboveTheTopAndStopsWithTheLastGlowingTab)
{
    EXPECT_FALSE(pager->GlowPulsing());
    TVezOfficePage& page = *pager->VezPages(1);
    page.SetGlowColor(plat::clRed);
    page.SetGlow(true);
    ASSERT_TRUE(pager->GlowPulsing());
    std::vector<int> steps;
    for (int i = 0; i < 10; ++i) {
        ui.Clock().Advance(70);
        steps.push_back(pager->GetGlowStep());
    }
    EXPECT_EQ(steps, (std::vector<int>{20, 40, 60, 80, 100, 120, 140, 160, 140, 120}));
    page.SetGlow(false);
    EXPECT_FALSE(pager->GlowPulsing());
    ui.Clock().Advance(700);
    EXPECT_EQ(pager->GetGlowStep(), 120);

    page.SetEnabled(false);
    page.SetGlow(true);
    EXPECT_FALSE(pager->GlowPulsing()) << "a disabled page does not pulse";
}

TEST_F(PagerGlowTest, ThePulseFollowsAGlowColourOrThePagerGlowSetLater)
{
    TVezOfficePage& page = *pager->VezPages(1);
    page.SetGlow(true);
    page.SetGlowColor(plat::clNone);
    EXPECT_FALSE(pager->GlowPulsing());
    page.SetGlowColor(plat::clLime);
    EXPECT_TRUE(pager->GlowPulsing());
    pager->SetGlow(false);
    EXPECT_FALSE(pager->GlowPulsing());
    pager->SetGlow(true);
    EXPECT_TRUE(pager->GlowPulsing());
}

}  // namespace
}  // namespace skelda::pager::testing
