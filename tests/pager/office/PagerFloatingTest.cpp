// Pages floating out of the office pager: their window and clone pager, the layout string's
// floating items, closing the window, and which of them may go first.

#include "pager/office/TFloatingPagerWindow.h"
#include "pager/office/TPageButtonSettings.h"
#include "platform/testing/FakeMonitorLayout.h"
#include "tests/pager/office/PagerFixture.h"

#include <functional>

namespace skelda::pager::testing {
namespace {

class PagerFloatingTest : public PagerTest {
protected:
    PagerFloatingTest()
    {
        AddPages(3);
        pager->SetActivePageIndex(0);
        pager->OnTabUnDock = [this](plat::TObject*, TVezOfficePage* Page) { events.push_back("undock " + Page->GetCaption()); };
        pager->OnTabDock = [this](plat::TObject*, TVezOfficePage* Page) { events.push_back("dock " + Page->GetCaption()); };
    }
    TVezOfficePage* Page(const std::string& Caption) const
    {
        for (int i = 0; i < form->ComponentCount(); ++i)
            if (auto* page = dynamic_cast<TVezOfficePage*>(form->Components(i)); page && page->GetCaption() == Caption)
                return page;
        return nullptr;
    }
    plat::TRect Bounds(const plat::TControl& Control) const { return Control.GetBoundsRect(); }
};

TEST_F(PagerFloatingTest, AFloatedPageLivesInACloneInItsOwnWindow)
{
    TVezOfficePage* b = Page("B");
    pager->SetCloseOnTab(true);
    pager->SetPageMargin(3);
    pager->SetFloatingBorderIcons({plat::biSystemMenu});
    pager->FloatPage(b, 100, 120, -1, -1);

    EXPECT_EQ(Captions(), "AC");
    EXPECT_EQ(events, (std::vector<std::string>{"undock B"}));
    ASSERT_EQ(pager->FloatingPageCount(), 1);
    EXPECT_EQ(pager->FloatingPages(0), b);
    EXPECT_EQ(pager->FloatingPages(1), nullptr);
    EXPECT_TRUE(b->GetFloating());
    EXPECT_EQ(b->GetParentPager(), pager);

    auto* window = dynamic_cast<TFloatingPagerWindow*>(b->GetFloatingWindow());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(b->FloatingWindow(), static_cast<IFloatingPagerWindow*>(window));
    EXPECT_EQ(window, pager->GetFloatingWindow());
    EXPECT_EQ(window->Owner(), form);
    EXPECT_TRUE(window->GetVisible());
    EXPECT_EQ(plat::TPoint(window->GetLeft(), window->GetTop()), plat::TPoint(100, 120));
    EXPECT_EQ(window->GetClientWidth(), 400) << "the clone's size";
    EXPECT_EQ(window->GetClientHeight(), 200);
    EXPECT_EQ(window->GetBorderIcons(), plat::TBorderIcons{plat::biSystemMenu});
    EXPECT_EQ(window->GetBorderStyle(), plat::bsSizeable);

    TVezOfficePager* clone = b->GetVezOfficePager();
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(clone->GetClonedOfPager(), pager);
    EXPECT_EQ(clone->Owner(), pager);
    EXPECT_EQ(clone->GetParent(), window);
    EXPECT_EQ(clone->GetAlign(), plat::alClient);
    EXPECT_EQ(clone->GetActivePage(), b);
    EXPECT_TRUE(clone->GetAllowTabUndock());
    EXPECT_EQ(clone->GetTabPosition(), tpTop);
    EXPECT_TRUE(clone->GetCloseOnTab());
    EXPECT_EQ(clone->GetPageMargin(), 3);
    const TPageButtonSettings& buttons = clone->ButtonSettings();
    EXPECT_FALSE(buttons.GetCloseButton() || buttons.GetPageListButton() || buttons.GetClosedListButton() ||
                 buttons.GetFirstButton() || buttons.GetLastButton() || buttons.GetShowInsertButton());
    ExpectConsistent(*pager);
    ExpectConsistent(*clone);

    // Floating it again, or a page of another pager, does nothing.
    events.clear();
    pager->FloatPage(b, 10, 10, -1, -1);
    clone->FloatPage(Page("A"), 10, 10, -1, -1);
    pager->FloatPage(nullptr, 10, 10, -1, -1);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(pager->FloatingPageCount(), 1);
}

TEST_F(PagerFloatingTest, ABorderlessWindowKeepsTwoPixelsRoundThePager)
{
    pager->SetFloatingBorderStyle(plat::bsNone);
    Page("C")->SetFloating(50, 60, 7, 8);
    plat::TCustomForm* window = Page("C")->GetFloatingWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetBorderStyle(), plat::bsNone);
    EXPECT_EQ(window->Padding().GetLeft(), 2);
    EXPECT_EQ(window->Padding().GetBottom(), 2);
    EXPECT_EQ(window->GetClientWidth(), 400) << "the further arguments are not a size";
}

// A window class of the program's own: any form that answers for a floating pager.
class TToolPalette : public plat::TForm, public IFloatingPagerWindow {
public:
    using plat::TForm::TForm;
    TVezOfficePager* VezPager() const override { return nullptr; }
    void SetVezPager(TVezOfficePager*) override {}
};

TEST_F(PagerFloatingTest, FloatingWindowsComeFromTheWindowClassGiven)
{
    pager->FloatingPagerWindowClass = [](plat::TComponent* AOwner) { return new TToolPalette(AOwner); };
    Page("A")->SetFloating(100, 100);
    EXPECT_NE(dynamic_cast<TToolPalette*>(Page("A")->GetFloatingWindow()), nullptr);
    EXPECT_EQ(pager->FloatingPages(0), Page("A"));
    pager->ResetPages();
    EXPECT_EQ(Captions(), "ABC");
}

TEST_F(PagerFloatingTest, AWindowStaysReachableWhateverItIsGiven)
{
    plat::testing::FakeMonitorLayout monitors(plat::testing::FakeMonitorLayout::TwoMonitors());
    struct Case {
        const char* Name;
        plat::TRect Asked;  // left, top, width, height
        plat::TPoint At;
        plat::TSize Size;   // of the window, or of its client area where the clone's size stands
        bool CloneWidth;
        bool CloneHeight;
    };
    const Case cases[] = {
        {"on the second monitor", {2000, -250, 300, 200}, {2000, -250}, {300, 200}, false, false},
        {"right of every monitor: the second's work area", {5000, 900, 300, 200}, {2900, 524}, {300, 200}, false, false},
        {"left of every monitor: the first's", {-4000, 500, 300, 200}, {0, 500}, {300, 200}, false, false},
        {"far beyond every monitor and larger than the desktop: cut to it, on the nearest",
         {2147483000, 2147483000, 2147483647, 2147483647}, {1920, -270}, {3200, 1380}, false, false},
        {"narrower than a tab: the clone's width", {100, 100, 10, 220}, {100, 100}, {400, 220}, true, false},
        {"lower than a tab: the clone's height", {100, 100, 300, 5}, {100, 100}, {300, 200}, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TVezOfficePage* b = Page("B");
        pager->FloatPage(b, c.Asked.Left, c.Asked.Top, c.Asked.Right, c.Asked.Bottom);
        plat::TCustomForm* window = b->GetFloatingWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(plat::TPoint(window->GetLeft(), window->GetTop()), c.At);
        EXPECT_EQ(c.CloneWidth ? window->GetClientWidth() : window->GetWidth(), c.Size.cx);
        EXPECT_EQ(c.CloneHeight ? window->GetClientHeight() : window->GetHeight(), c.Size.cy);
        pager->ResetPages();
        EXPECT_EQ(pager->FloatingPageCount(), 0);
    }
}

TEST_F(PagerFloatingTest, FloatingItemsRoundTripThroughSettings)
{
    pager->MoveVezPage(2, 0);
    pager->FloatPage(Page("B"), 200, 150, 320, 240);
    const std::string saved = pager->GetSettings();
    EXPECT_EQ(saved, "P:1,V:2,V:0,F:1[200:150:320:240]");

    const plat::TControlRef<plat::TCustomForm> window(Page("B")->GetFloatingWindow());
    pager->SetSettings("");
    EXPECT_FALSE(window) << "docking a page frees its window";
    EXPECT_EQ(Captions(), "ABC");
    EXPECT_EQ(Page("B")->GetTabIndex(), 1);
    EXPECT_EQ(pager->FloatingPageCount(), 0);
    ExpectConsistent(*pager);

    pager->SetSettings(saved);
    EXPECT_EQ(pager->GetSettings(), saved);
    EXPECT_EQ(Captions(), "CA");
    ExpectConsistent(*pager);
}

TEST_F(PagerFloatingTest, TabIndexStaysUniqueWhilePagesFloat)
{
    TVezOfficePage* a = Page("A");
    pager->FloatPage(a, 100, 100, -1, -1);
    TVezOfficePage* d = AddPage("D");
    EXPECT_EQ(d->GetTabIndex(), 3) << "0 is the floating page's";
    ExpectConsistent(*pager);

    // Written back, the layout floats the page it was saved for.
    const std::string saved = pager->GetSettings();
    pager->SetSettings("");
    pager->SetSettings(saved);
    EXPECT_EQ(pager->FloatingPages(0), a);
    EXPECT_EQ(pager->GetSettings(), saved);

    pager->InitOrder();
    EXPECT_EQ(Captions(), "BCD");
    for (int i = 0; i < pager->GetVezPageCount(); ++i)
        EXPECT_EQ(pager->VezPages(i)->GetTabIndex(), i);
    EXPECT_EQ(a->GetTabIndex(), 3) << "numbered on from the docked pages";
    ExpectConsistent(*pager);
}

TEST_F(PagerFloatingTest, APageNamedAndThenFloatedTakesNoDockedPlace)
{
    AddPage("D");
    const struct {
        const char* Settings;
        const char* Docked;
        const char* Floating;
    } cases[] = {
        {"V,V:3,F:0[100:100:300:200]", "DBC", "A"},
        {"V:1,F:1[100:100:300:200],V:2,V:0", "CAD", "B"},
        // Floated first, it is not docked when named.
        {"F:2[100:100:300:200],V:2,V:3", "DAB", "C"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Settings);
        pager->SetSettings(c.Settings);
        EXPECT_EQ(Captions(), c.Docked);
        ASSERT_EQ(pager->FloatingPageCount(), 1);
        EXPECT_EQ(pager->FloatingPages(0)->GetCaption(), c.Floating);
        ExpectConsistent(*pager);
    }
}

TEST_F(PagerFloatingTest, ALayoutPutsWindowsBackAtTheirPlacesAlsoAtZeroOrLeftOfThePrimaryMonitor)
{
    plat::testing::FakeMonitorLayout monitors(
        {{plat::Rect(0, 0, 1920, 1080), plat::Rect(0, 0, 1920, 1040), true},
         {plat::Rect(-1280, -300, 0, 724), plat::Rect(-1280, -300, 0, 724), false}});
    for (const char* saved : {"P:0,V:0,V:2,F:1[0:0:300:200]", "P:0,V:0,V:2,F:1[-1000:-200:300:200]"}) {
        SCOPED_TRACE(saved);
        pager->SetSettings(saved);
        EXPECT_EQ(pager->GetSettings(), saved);
    }
}

TEST_F(PagerFloatingTest, ClosingTheWindowDocksThePageBack)
{
    TVezOfficePage* b = Page("B");
    pager->FloatPage(b, 100, 100, -1, -1);
    auto* newPage = AddPage("D");
    EXPECT_NE(newPage->GetTabIndex(), b->GetTabIndex()) << "a floating page keeps its number taken";
    const plat::TControlRef<plat::TCustomForm> window(b->GetFloatingWindow());
    events.clear();
    window->Close();
    EXPECT_FALSE(window);
    EXPECT_EQ(Captions(), "ACDB");
    EXPECT_EQ(pager->GetActivePage(), b);
    EXPECT_EQ(b->GetTabIndex(), 1);
    EXPECT_FALSE(b->GetFloating());
    EXPECT_EQ(pager->FloatingPageCount(), 0);
    EXPECT_EQ(events, (std::vector<std::string>{"dock B"}));
    ExpectConsistent(*pager);
}

TEST_F(PagerFloatingTest, AFloatingPageTakenByAnotherPagerFloatsNoMore)
{
    auto* other = new TVezOfficePager(form);
    other->SetParent(form);
    TVezOfficePage* b = Page("B");
    pager->FloatPage(b, 100, 100, -1, -1);
    const plat::TControlRef<plat::TCustomForm> window(b->GetFloatingWindow());
    other->AddVezPage(b);
    EXPECT_FALSE(window);
    EXPECT_EQ(pager->FloatingPageCount(), 0);
    EXPECT_FALSE(b->GetFloating());
    ExpectConsistent(*other);
    ExpectConsistent(*pager);
}

TEST_F(PagerFloatingTest, WhicheverGoesFirstNothingIsLeftPointingAtIt)
{
    struct Case {
        const char* Name;
        std::function<void(TVezOfficePager*&, TVezOfficePage*, plat::TCustomForm*)> Free;
    };
    const Case cases[] = {
        {"the pager", [](TVezOfficePager*& Pager, TVezOfficePage*, plat::TCustomForm*) { delete std::exchange(Pager, nullptr); }},
        {"the window", [](TVezOfficePager*&, TVezOfficePage*, plat::TCustomForm* Window) { delete Window; }},
        {"the page", [](TVezOfficePager*&, TVezOfficePage* Page, plat::TCustomForm*) { delete Page; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        if (!pager) {
            pager = new TVezOfficePager(form);
            pager->SetTextMeasurer(&measurer);
            pager->SetParent(form);
        }
        auto* page = AddPage("F");
        pager->FloatPage(page, 100, 100, -1, -1);
        const plat::TControlRef<TVezOfficePage> pageAlive(page);
        const plat::TControlRef<plat::TCustomForm> window(page->GetFloatingWindow());
        const plat::TControlRef<TVezOfficePager> clone(page->GetVezOfficePager());
        c.Free(pager, page, window.Get());
        ui.Pump();
        EXPECT_FALSE(window);
        EXPECT_FALSE(clone);
        EXPECT_FALSE(pageAlive);
        if (pager) {
            EXPECT_EQ(pager->FloatingPageCount(), 0);
            EXPECT_EQ(pager->GetFloatingWindow(), nullptr);
            EXPECT_EQ(pager->GetSettings().find('F'), std::string::npos);
            ExpectConsistent(*pager);
        }
    }
}

}  // namespace
}  // namespace skelda::pager::testing
