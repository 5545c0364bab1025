// Closed pages coming back (by code and from the closed-pages menu) and the page-list menu: the
// items, their choice, the handlers that stand in for the menus, and where the menus open on two
// monitors.

#include "pager/glow/TVezGlowButton.h"
#include "pager/office/TPageButtonSettings.h"
#include "platform/controls/forms/TMenuItem.h"
#include "platform/controls/forms/TPopupMenu.h"
#include "platform/graphics/TImageList.h"
#include "platform/system/SystemMetrics.h"
#include "platform/testing/FakeMonitorLayout.h"
#include "tests/pager/office/PagerFixture.h"

namespace skelda::pager::testing {
namespace {

// Pages A to E with A active, B and D closed; the closed-pages and page-list buttons shown.
class PagerMenusTest : public PagerTest {
protected:
    PagerMenusTest()
    {
        AddPages(5);
        for (int i = 0; i < 5; ++i)
            pager->VezPages(i)->SetImageIndex(10 + i);
        pager->SetActivePageIndex(0);
        pager->ButtonSettings().SetClosedListButton(true);
        pager->ButtonSettings().SetPageListButton(true);
        pager->SetImages(images);
        pager->VezPages(1)->SetTabVisible(false);
        pager->VezPages(3)->SetTabVisible(false);
    }
    void Click(plat::TControl* Button)
    {
        ASSERT_NE(Button, nullptr);
        ASSERT_TRUE(Button->GetVisible());
        ui.Simulator().Click(*Button, {Button->GetWidth() / 2, Button->GetHeight() / 2});
    }
    static std::vector<std::string> Captions(const plat::testing::TShownPopupMenu& Menu)
    {
        std::vector<std::string> captions;
        for (const plat::TPopupMenuEntry& entry : Menu.Items)
            captions.push_back(entry.Caption + (entry.Checked ? "*" : "") + ":" + std::to_string(entry.ImageIndex));
        return captions;
    }
    const plat::testing::TShownPopupMenu& LastMenu()
    {
        EXPECT_FALSE(ui.Menus().Shown().empty());
        return ui.Menus().Shown().back();
    }
    // Moves the form so that the button's bottom-left corner lies at P on the screen.
    void PutButtonBottomLeftAt(const plat::TControl& Button, plat::TPoint P)
    {
        const plat::TPoint now = Button.ClientToScreen({0, Button.GetHeight()});
        form->SetBounds(form->GetLeft() + P.X - now.X, form->GetTop() + P.Y - now.Y, form->GetWidth(),
                        form->GetHeight());
        ASSERT_EQ(Button.ClientToScreen({0, Button.GetHeight()}), P);
    }

    plat::TImageList* images = new plat::TImageList(form);
};

TEST_F(PagerMenusTest, OpenClosedPageShowsOnlyAClosedPage)
{
    TVezOfficePage* b = pager->VezPages(1);
    EXPECT_FALSE(pager->OpenClosedPage(pager->VezPages(0))) << "A is not closed";
    EXPECT_FALSE(pager->OpenClosedPage(nullptr));
    EXPECT_EQ(pager->ClosedPageCount(), 2);
    EXPECT_TRUE(pager->OpenClosedPage(b));
    EXPECT_TRUE(b->GetTabVisible());
    EXPECT_EQ(pager->ClosedPageCount(), 1);
    EXPECT_EQ(pager->GetActivePageIndex(), 0) << "other tabs show: the active page stays";
    EXPECT_FALSE(pager->OpenClosedPage(b));
    ExpectConsistent(*pager);
}

TEST_F(PagerMenusTest, PagesReopenedWhenEveryTabWasClosedBecomeActiveAndShow)
{
    for (int closes = 0; closes < 3; ++closes)
        pager->CloseActivePage();
    EXPECT_EQ(pager->GetActivePage(), nullptr) << "no tab is left to go to";
    TVezOfficePage* e = pager->VezPages(4);
    EXPECT_FALSE(e->GetVisible());
    EXPECT_TRUE(pager->OpenClosedPage(e));
    EXPECT_EQ(pager->GetActivePage(), e);
    EXPECT_TRUE(e->GetVisible());
    ExpectConsistent(*pager);

    pager->CloseActivePage();
    ASSERT_EQ(pager->GetActivePage(), nullptr);
    pager->OpenAllClosedPages();
    EXPECT_EQ(pager->GetActivePage(), pager->VezPages(1)) << "the first page closed";
    EXPECT_TRUE(pager->VezPages(1)->GetVisible());
    ExpectConsistent(*pager);
}

TEST_F(PagerMenusTest, OpenAllClosedPagesEmptiesTheList)
{
    pager->VezPages(4)->SetTabVisible(false);
    ASSERT_EQ(pager->ClosedPageCount(), 3);
    ASSERT_TRUE(pager->GetClosedListButton()->GetVisible());
    pager->OpenAllClosedPages();
    EXPECT_EQ(pager->ClosedPageCount(), 0);
    for (int i = 0; i < pager->GetVezPageCount(); ++i)
        EXPECT_TRUE(pager->VezPages(i)->GetTabVisible()) << i;
    EXPECT_FALSE(pager->GetClosedListButton()->GetVisible());
    ExpectConsistent(*pager);
}

TEST_F(PagerMenusTest, TheClosedPagesMenuListsThemAndReopensTheChoice)
{
    TVezGlowButton* button = pager->GetClosedListButton();
    ui.Menus().Choose("D");
    Click(button);
    const plat::testing::TShownPopupMenu& menu = LastMenu();
    EXPECT_EQ(Captions(menu), (std::vector<std::string>{"B:11", "D:13"}));
    EXPECT_EQ(menu.Images, images);
    EXPECT_EQ(menu.ScreenPos, button->ClientToScreen({0, button->GetHeight()})) << "below the button";
    EXPECT_TRUE(pager->VezPages(3)->GetTabVisible());
    EXPECT_EQ(pager->ClosedPageCount(), 1);

    // The menu is built afresh each time.
    Click(button);
    EXPECT_EQ(Captions(LastMenu()), std::vector<std::string>{"B:11"});
    ExpectConsistent(*pager);
}

TEST_F(PagerMenusTest, TheUsersClosedPagesMenuIsUsedUntilItIsFreed)
{
    auto* own = new plat::TPopupMenu(form);
    pager->SetClosedListMenu(own);
    // Everything reopens while the menu pops up: the chosen item then names no closed page.
    own->OnPopup = [this](plat::TObject*) { pager->OpenAllClosedPages(); };
    ui.Menus().Choose("D");
    Click(pager->GetClosedListButton());
    EXPECT_EQ(own->Items().Count(), 2);
    EXPECT_EQ(pager->ClosedPageCount(), 0);
    ExpectConsistent(*pager);

    pager->VezPages(2)->SetTabVisible(false);
    delete own;
    EXPECT_EQ(pager->GetClosedListMenu(), nullptr);
    ui.Menus().Choose("C");
    Click(pager->GetClosedListButton());
    EXPECT_EQ(Captions(LastMenu()), std::vector<std::string>{"C:12"}) << "the pager's own menu";
    EXPECT_TRUE(pager->VezPages(2)->GetTabVisible());
}

TEST_F(PagerMenusTest, ListClickHandlersStandInForTheMenus)
{
    std::vector<plat::TPoint> heard;
    pager->OnClosedListClick = [&](plat::TObject*, int X, int Y) { heard.push_back({X, Y}); };
    pager->OnPageListClick = [&](plat::TObject*, int X, int Y) { heard.push_back({X, Y}); };
    pager->SetPageListMenu(new plat::TPopupMenu(form));
    TVezGlowButton* closed = pager->GetClosedListButton();
    TVezGlowButton* list = pager->GetPageListButton();
    Click(closed);
    Click(list);
    EXPECT_TRUE(ui.Menus().Shown().empty());
    EXPECT_EQ(heard, (std::vector<plat::TPoint>{closed->ClientToScreen({0, closed->GetHeight()}),
                                                list->ClientToScreen({0, list->GetHeight()})}));
    EXPECT_EQ(pager->ClosedPageCount(), 2);
}

TEST_F(PagerMenusTest, ThePageListMenuListsTheTabsAndActivatesTheChoice)
{
    Click(pager->GetPageListButton());
    EXPECT_TRUE(ui.Menus().Shown().empty()) << "no menu of the pager's own";

    auto* menu = new plat::TPopupMenu(form);
    pager->SetPageListMenu(menu);
    pager->VezPages(2)->SetCaption("");
    pager->VezPages(2)->SetWideCaption("Wide");
    ui.Menus().Choose("E");
    Click(pager->GetPageListButton());
    EXPECT_EQ(Captions(LastMenu()), (std::vector<std::string>{"A*:10", "Wide:12", "E:14"}));
    EXPECT_TRUE(menu->Items().Items(0)->GetRadioItem());
    EXPECT_EQ(LastMenu().Images, images);
    EXPECT_EQ(pager->GetActivePageIndex(), 4);
}

TEST_F(PagerMenusTest, MenusOpenAboveTheButtonOnlyWhenBelowPassesTheWorkAreaOfItsMonitor)
{
    const plat::testing::FakeMonitorLayout monitors(plat::testing::FakeMonitorLayout::TwoMonitors());
    pager->SetTabPosition(tpBottom);
    pager->SetPageListMenu(new plat::TPopupMenu(form));
    TVezGlowButton* closed = pager->GetClosedListButton();
    TVezGlowButton* list = pager->GetPageListButton();
    const int itemHeight = plat::GetSystemMetrics(plat::SM_CYMENU);
    struct Case {
        const char* Name;
        int X;
        int WorkBottom;
        int Beyond;  // pixels the menu would pass the space it needs
    };
    // The work areas end at 1040 (the primary's panel) and at 724 (the second monitor, 1024 high,
    // whose top is at -300).
    const Case cases[] = {
        {"primary, fits", 100, 1040, 0},
        {"primary, over the panel", 100, 1040, 1},
        {"second, fits", 2000, 724, 0},
        {"second, past its bottom", 2000, 724, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        for (auto [button, items] : {std::pair{closed, 2}, std::pair{list, 3}}) {
            const plat::TPoint below{c.X, c.WorkBottom - 10 - items * itemHeight + c.Beyond};
            PutButtonBottomLeftAt(*button, below);
            Click(button);
            const int up = c.Beyond > 0 ? items * itemHeight + button->GetHeight() + 4 : 0;
            EXPECT_EQ(LastMenu().ScreenPos, (plat::TPoint{below.X, below.Y - up}));
        }
    }
}

}  // namespace
}  // namespace skelda::pager::testing
