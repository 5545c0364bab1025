// The pager's own buttons: the scroll buttons with their places, pictures, states and click
// order, close buttons on the tabs in both looks, the single close button, the closed-pages
// button, and buttons dropped inside their own click.

#include "foundation/TGDIPPicture.h"
#include "pager/glow/TVezGlowButton.h"
#include "pager/office/TPageButtonSettings.h"
#include "pager/office/TVezPagerButton.h"
#include "tests/pager/office/PagerFixture.h"

namespace skelda::pager::testing {
namespace {

// A 400 × 200 pager with six tabs 100 long: three fit beside the scroll buttons.
class PagerButtonsTest : public PagerTest {
protected:
    PagerButtonsTest()
    {
        pager->SetBounds(0, 0, 400, 200);
        pager->TabSettings().SetWidth(100);
        AddPages(6);
        pager->SetActivePageIndex(0);
    }
    TPageButtonSettings& Settings() { return pager->ButtonSettings(); }
    void Click(plat::TControl& Button)
    {
        ui.Simulator().Click(Button, {Button.GetWidth() / 2, Button.GetHeight() / 2});
    }
    static plat::TRect BoundsOf(const plat::TControl* Button) { return Button->GetBoundsRect(); }
};

TEST_F(PagerButtonsTest, ScrollButtonsFollowTheScroller)
{
    ASSERT_NE(pager->GetScrollNextButton(), nullptr);
    EXPECT_EQ(BoundsOf(pager->GetScrollPrevButton()), pager->Layout().GetScrollPrevRect());
    EXPECT_EQ(BoundsOf(pager->GetScrollNextButton()), pager->Layout().GetScrollNextRect());
    EXPECT_FALSE(pager->GetScrollPrevButton()->GetEnabled()) << "nothing to go back to";
    EXPECT_TRUE(pager->GetScrollNextButton()->GetEnabled());
    EXPECT_TRUE(pager->GetScrollNextButton()->GetRepeatClick());
    EXPECT_EQ(pager->GetScrollNextButton()->GetHint(), "Next");
    EXPECT_FALSE(pager->GetScrollFirstButton()->GetVisible()) << "first and last only when wanted";
    EXPECT_EQ(pager->GetScrollFirstButton()->GetWidth(), 0);

    Settings().SetFirstButton(true);
    EXPECT_TRUE(pager->GetScrollFirstButton()->GetVisible());
    EXPECT_EQ(BoundsOf(pager->GetScrollFirstButton()), pager->Layout().GetScrollFirstRect());

    // Side tabs show the built-in arrows.
    pager->SetBounds(0, 0, 400, 300);
    pager->SetTabPosition(tpLeft);
    EXPECT_EQ(pager->GetScrollFirstButton()->Picture().GetWidth(), 9);
    EXPECT_EQ(pager->GetScrollFirstButton()->Picture().GetHeight(), 16);
}

TEST_F(PagerButtonsTest, ScrollClicksAnnounceFirstAndLastBeforePreviousAndNextAfter)
{
    Settings().SetFirstButton(true);
    Settings().SetLastButton(true);
    std::vector<std::string> heard;
    const auto record = [&](const char* Name) {
        return [&, Name](plat::TObject*) {
            heard.push_back(std::string(Name) + " at " + std::to_string(pager->TabScroller().GetPosition()));
        };
    };
    pager->OnFirstClick = record("first");
    pager->OnLastClick = record("last");
    pager->OnPrevClick = record("previous");
    pager->OnNextClick = record("next");
    Click(*pager->GetScrollNextButton());
    Click(*pager->GetScrollLastButton());
    Click(*pager->GetScrollPrevButton());
    Click(*pager->GetScrollFirstButton());
    ASSERT_EQ(pager->TabScroller().GetMax(), 4);
    EXPECT_EQ(heard, (std::vector<std::string>{"next at 1", "last at 1", "previous at 3", "first at 3"}));
    EXPECT_EQ(pager->TabScroller().GetPosition(), 0);
}

TEST_F(PagerButtonsTest, AButtonDroppedInItsOwnClickGoesOnceTheClickIsOver)
{
    TVezGlowButton* next = pager->GetScrollNextButton();
    const plat::TControlRef<TVezGlowButton> nextRef(next);
    // Short tabs need no scrolling: the scroller and its buttons go.
    pager->OnNextClick = [this](plat::TObject*) { pager->TabSettings().SetWidth(20); };
    Click(*next);
    EXPECT_EQ(pager->GetScrollNextButton(), nullptr);
    ASSERT_TRUE(nextRef) << "not inside its own click";
    EXPECT_FALSE(next->GetVisible());
    ui.Pump();
    EXPECT_FALSE(nextRef);
}

TEST_F(PagerButtonsTest, CloseButtonsOnTheTabsInBothLooks)
{
    Settings().SetCloseButton(true);
    pager->SetCloseOnTab(true);
    TVezOfficePage* a = pager->VezPages(0);
    TVezOfficePage* b = pager->VezPages(1);
    auto* glow = dynamic_cast<TVezGlowButton*>(a->GetCloseButton());
    ASSERT_NE(glow, nullptr);
    EXPECT_EQ(BoundsOf(glow), pager->Layout().GetCloseButtonRect(0));
    EXPECT_EQ(glow->GetTag(), 0);
    EXPECT_TRUE(glow->GetVisible());
    ASSERT_NE(b->GetCloseButton(), nullptr);
    EXPECT_FALSE(b->GetCloseButton()->GetVisible()) << "only the active tab shows its close button";
    pager->SetShowCloseOnNonSelectedTabs(true);
    EXPECT_TRUE(b->GetCloseButton()->GetVisible());

    const plat::TControlRef<plat::TControl> oldGlow(glow);
    Settings().SetCloseButtonLook(cblChrome);
    EXPECT_EQ(a->GetCloseButton(), nullptr);
    ASSERT_NE(dynamic_cast<TVezPagerButton*>(a->GetCloseButtonChrome()), nullptr);
    EXPECT_EQ(BoundsOf(a->GetCloseButtonChrome()), pager->Layout().GetCloseButtonRect(0));
    EXPECT_TRUE(oldGlow) << "the glow buttons go once the queue runs";
    EXPECT_FALSE(glow->GetVisible());
    ui.Pump();
    EXPECT_FALSE(oldGlow);

    const plat::TControlRef<plat::TControl> chrome(a->GetCloseButtonChrome());
    Settings().SetCloseButton(false);
    EXPECT_EQ(a->GetCloseButtonChrome(), nullptr);
    ui.Pump();
    EXPECT_FALSE(chrome);
}

TEST_F(PagerButtonsTest, TheSingleCloseButtonBesideTheTabs)
{
    Settings().SetCloseButton(true);
    TVezGlowButton* close = pager->GetCloseButtonGlobal();
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(BoundsOf(close), pager->Layout().GetCloseButtonRect(-1));
    EXPECT_EQ(close->GetHint(), "Close");
    EXPECT_TRUE(close->GetEnabled());
    pager->VezPages(0)->SetShowClose(false);
    EXPECT_FALSE(close->GetEnabled()) << "the active page shows no close";
    pager->SetCloseOnTab(true);
    EXPECT_EQ(close->GetWidth(), 0) << "kept, out of sight, while the tabs carry their own";
}

TEST_F(PagerButtonsTest, TheClosedPagesButtonShowsWhileAPageIsClosedAndItIsWanted)
{
    Settings().SetClosedListButton(true);
    TVezGlowButton* closed = pager->GetClosedListButton();
    ASSERT_NE(closed, nullptr);
    EXPECT_FALSE(closed->GetVisible());
    pager->VezPages(4)->SetTabVisible(false);
    EXPECT_TRUE(closed->GetVisible());
    const plat::TRect r = pager->Layout().GetClosedListRect();
    EXPECT_EQ(BoundsOf(closed), plat::Bounds(r.Left, r.Top, 18, 18));
    EXPECT_EQ(closed->GetHint(), "Closed Pages");
    Settings().SetClosedListButton(false);
    EXPECT_FALSE(closed->GetVisible()) << "switched off, it goes out of sight";
    pager->VezPages(4)->SetTabVisible(true);
    pager->VezPages(3)->SetTabVisible(false);
    EXPECT_FALSE(closed->GetVisible());
}

TEST_F(PagerButtonsTest, PageListButtonComesAndGoes)
{
    Settings().SetPageListButton(true);
    TVezGlowButton* list = pager->GetPageListButton();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(BoundsOf(list), pager->Layout().GetPageListRect());
    EXPECT_EQ(list->GetHint(), "Page List");
    const plat::TControlRef<TVezGlowButton> listRef(list);
    Settings().SetPageListButton(false);
    EXPECT_EQ(pager->GetPageListButton(), nullptr);
    ui.Pump();
    EXPECT_FALSE(listRef);
}

}  // namespace
}  // namespace skelda::pager::testing
