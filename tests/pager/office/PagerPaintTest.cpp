// The pager's own painting: the strip's background, each tab through the tab painter with its
// content, the hook that replaces the content, and pictures of whole pagers in several looks
// for a person to look at.

#include "foundation/TGDIPPicture.h"
#include "pager/office/TPageButtonSettings.h"
#include "pager/office/TVezOfficePagerOfficeStyler.h"
#include "platform/graphics/Resources.h"
#include "platform/testing/ImageProbe.h"
#include "platform/testing/Screenshot.h"
#include "tests/pager/office/PagerFixture.h"

#include <QImage>

namespace skelda::pager::testing {
namespace {

class PagerPaintTest : public PagerTest {
protected:
    PagerPaintTest()
    {
        pager->SetBounds(0, 0, 400, 200);
        pager->TabSettings().SetWidth(100);
        AddPages(3);
        pager->SetActivePageIndex(1);
    }
    static plat::TColor At(const QImage& Image, int X, int Y) { return plat::testing::PixelAt(Image, X, Y); }
};

TEST_F(PagerPaintTest, StripBackgroundThenTabsInTheirStates)
{
    const TGradientBackground& strip = pager->TabAppearanceInUse().BackGround();
    ASSERT_EQ(strip.GetColorTo(), plat::clNone) << "the Luna strip is one colour";
    const QImage shot = plat::testing::Screenshot(*pager);
    EXPECT_EQ(At(shot, 350, 10), strip.GetColor()) << "beyond the tabs";
    EXPECT_EQ(At(shot, 60, 15), strip.GetColor()) << "a tab at rest shows the strip";
    EXPECT_NE(At(shot, 160, 15), strip.GetColor()) << "the active tab has a body";
}

TEST_F(PagerPaintTest, ATransparentPagerShowsItsParentBehindTheTabs)
{
    const plat::TColor formColor = 0x40A020;
    form->SetColor(formColor);
    pager->SetTransparent(true);
    const QImage shot = plat::testing::Screenshot(*pager);
    EXPECT_EQ(At(shot, 350, 10), formColor) << "beyond the tabs";
    EXPECT_EQ(At(shot, 60, 15), formColor) << "a tab at rest";
    EXPECT_NE(At(shot, 160, 15), formColor) << "the active tab keeps its body";
}

TEST_F(PagerPaintTest, OnDrawTabReplacesTheContentOfEveryShownTab)
{
    for (int i = 3; i < 8; ++i)
        AddPage(std::string(1, static_cast<char>('A' + i)));
    ASSERT_TRUE(pager->TabScroller().GetVisible());
    std::set<int> drawn;
    pager->OnDrawTab = [&](plat::TObject*, int Index, plat::TRect R) {
        drawn.insert(Index);
        EXPECT_EQ(R, pager->GetTabRect(Index));
    };
    plat::testing::Screenshot(*pager);
    EXPECT_EQ(drawn, (std::set<int>{0, 1, 2})) << "tabs scrolled or pushed out are not drawn";
    EXPECT_EQ(pager->VezPages(1)->GetTxtColor(), pager->TabAppearanceInUse().GetTextColorSelected());
}

TEST_F(PagerPaintTest, TheActiveTabIsPaintedAgainAfterEachNeighbour)
{
    pager->TabSettings().SetWidth(60);
    AddPage("D");
    AddPage("E");
    pager->VezPages(3)->SetTabVisible(false);
    std::vector<int> order;
    pager->OnDrawTab = [&](plat::TObject*, int Index, plat::TRect) { order.push_back(Index); };
    plat::testing::Screenshot(*pager);
    ASSERT_GE(order.size(), 6u);
    // A and C lie beside the active B; E does not, though the tab between them is hidden.
    EXPECT_EQ(std::vector<int>(order.begin(), order.begin() + 6), (std::vector<int>{0, 1, 1, 2, 1, 4}));
}

TEST_F(PagerPaintTest, CaptionsAreWrittenInTheChosenColour)
{
    pager->VezPages(0)->SetCaption("WWWWWW");
    pager->SetAntiAlias(foundation::aaNone);
    pager->SetTextMeasurer(nullptr);
    const QImage shot = plat::testing::Screenshot(*pager);
    const plat::TColor text = pager->VezPages(0)->GetTxtColor();
    int inked = 0;
    for (int x = 5; x < 105; ++x)
        for (int y = 4; y < 30; ++y)
            inked += At(shot, x, y) == text;
    EXPECT_GT(inked, 20);
}

TEST(PagerDesignerPaintTest, AnEmptyPagerInTheDesignerSaysHowToAddPages)
{
    plat::testing::UiTestEnvironment ui;
    auto* form = new plat::TForm(plat::Application);
    form->SetDesigning(true);
    auto* pager = new TVezOfficePager(form);
    pager->SetParent(form);
    const QImage shot = plat::testing::Screenshot(*pager);
    int dark = 0;
    for (int y = 100; y < 160; ++y)
        for (int x = 10; x < 200; ++x)
            dark += plat::testing::PixelAt(shot, x, y) == plat::clBlack;
    EXPECT_GT(dark, 50);
    delete form;
}

// Pictures of whole pagers, for a person to look at; each must at least show its tabs.
TEST_F(PagerTest, LooksArePicturedForAPerson)
{
    TVezOfficePagerOfficeStyler styler(nullptr);
    pager->SetTextMeasurer(nullptr);
    pager->SetBounds(0, 0, 500, 260);
    const struct {
        const char* Name;
        std::function<void()> Set;
    } looks[] = {
        {"main-window",
         [&] {
             AddPage("Main panel");
             AddPage("Detailed data");
         }},
        {"bottom",
         [&] {
             pager->SetTabPosition(tpBottom);
             AddPages(4);
         }},
        {"left-rotated",
         [&] {
             pager->SetTabPosition(tpLeft);
             AddPages(4);
         }},
        {"right-unrotated",
         [&] {
             pager->SetTabPosition(tpRight);
             pager->SetRotateTabLeftRight(false);
             AddPages(4);
         }},
        {"ramped",
         [&] {
             pager->TabSettings().SetShape(tsLeftRightRamp);
             pager->TabSettings().SetRounding(3);
             AddPages(4);
         }},
        {"thirty-tabs",
         [&] {
             pager->ButtonSettings().SetCloseButton(true);
             pager->ButtonSettings().SetFirstButton(true);
             pager->ButtonSettings().SetLastButton(true);
             pager->SetCloseOnTab(true);
             pager->SetShowNonSelectedTabs(true);
             for (int i = 0; i < 30; ++i) {
                 TVezOfficePage* page = AddPage("Tab " + std::to_string(i));
                 if (i % 2 == 1)
                     page->Picture().LoadFromResourceName(plat::HInstance(), "ZORAOLIST");
                 page->SetShowCheckBox(i % 3 == 0);
                 page->SetChecked(i % 2 == 0);
                 page->Progress().SetVisible(i == 1);
                 page->Progress().SetMax(82);
                 page->Progress().SetPosition(41);
             }
         }},
        {"dark",
         [&] {
             styler.SetStyle(psOffice2010Black);
             pager->SetVezOfficePagerStyler(&styler);
             AddPages(4);
         }},
        {"terminal",
         [&] {
             styler.SetStyle(psTerminal);
             pager->SetVezOfficePagerStyler(&styler);
             AddPages(4);
         }},
    };
    for (const auto& look : looks) {
        SCOPED_TRACE(look.Name);
        pager->ClearVezPages();
        look.Set();
        pager->SetActivePageIndex(1);
        const QImage shot = plat::testing::Screenshot(*pager, std::string("pager-") + look.Name + ".png");
        const plat::TRect tab = pager->GetTabRect(1);
        ASSERT_FALSE(TPagerTabLayout::IsNone(tab));
        EXPECT_NE(plat::testing::PixelAt(shot, (tab.Left + tab.Right) / 2, (tab.Top + tab.Bottom) / 2),
                  pager->TabAppearanceInUse().BackGround().GetColor())
            << "the active tab has a body";
        // Back to the starting look.
        pager->SetVezOfficePagerStyler(nullptr);
        pager->SetTabPosition(tpTop);
        pager->SetRotateTabLeftRight(true);
        pager->TabSettings().SetShape(tsRectangle);
        pager->TabSettings().SetRounding(1);
        pager->SetCloseOnTab(false);
        pager->ButtonSettings().SetCloseButton(false);
    }
}

}  // namespace
}  // namespace skelda::pager::testing

namespace skelda::pager::testing {
namespace {

TEST_F(PagerPaintTest, PagesTakeThePagersColoursAtTheirRoundCorners)
{
    const QImage shot = plat::testing::Screenshot(*pager);
    const plat::TRect page = pager->VezPages(1)->GetBoundsRect();
    EXPECT_EQ(At(shot, page.Left, page.Top), At(shot, page.Left - 1, page.Top - 1));
    EXPECT_EQ(At(shot, page.Right - 1, page.Bottom - 1), At(shot, page.Right, page.Bottom));
    EXPECT_NE(At(shot, page.Left + 5, page.Top + 5), At(shot, page.Left - 1, page.Top - 1));
}

TEST_F(PagerPaintTest, BufferedPagesKeepTheirBackgroundUntilSomethingChangesIt)
{
    pager->SetBufferedPages(true);
    TVezOfficePage* page = pager->VezPages(1);
    const QImage first = plat::testing::Screenshot(*pager);
    EXPECT_TRUE(page->GetValidCache());
    const struct {
        const char* Name;
        std::function<void()> Change;
    } changes[] = {
        {"page colours", [&] { page->PageAppearance().SetColor(0x00FF00); }},
        {"size", [&] { pager->SetBounds(0, 0, 420, 210); }},
        {"styler", [&] { pager->CurrentStyler().PageAppearance().SetColor(0x0000FF); }},
    };
    for (const auto& c : changes) {
        SCOPED_TRACE(c.Name);
        plat::testing::Screenshot(*pager);
        ASSERT_TRUE(page->GetValidCache());
        c.Change();
        EXPECT_FALSE(page->GetValidCache());
    }
    const plat::TRect bounds = page->GetBoundsRect();
    const QImage again = plat::testing::Screenshot(*pager);
    EXPECT_NE(At(again, bounds.Left + 20, bounds.Top + 20), At(first, bounds.Left + 20, bounds.Top + 20))
        << "the cache is painted again in the styler's new colours";
}

}  // namespace
}  // namespace skelda::pager::testing
