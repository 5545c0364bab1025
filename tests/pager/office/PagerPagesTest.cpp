// The office pager's pages: defaults, the page list operations with their events, the active
// page, closed pages, TabIndex, parents, buttons dropped later and the designer's first pages.

#include "pager/office/TVezOfficePagerOfficeStyler.h"
#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/standard/TEdit.h"
#include "platform/controls/standard/TPanel.h"
#include "platform/core/Exception.h"
#include "tests/pager/office/PagerFixture.h"

namespace skelda::pager::testing {
namespace {

TEST_F(PagerTest, NewPagerAndPageDefaults)
{
    TVezOfficePager fresh(nullptr);
    EXPECT_EQ(fresh.GetVezPageCount(), 0);
    EXPECT_EQ(fresh.GetActivePageIndex(), -1);
    EXPECT_EQ(fresh.GetActivePage(), nullptr);
    EXPECT_EQ(fresh.GetSettings(), "P:-1");
    EXPECT_EQ(fresh.GetVersion(), "3.0.0.0");
    EXPECT_EQ(fresh.GetWidth(), 400);
    EXPECT_EQ(fresh.GetHeight(), 200);
    EXPECT_EQ(fresh.GetPageMargin(), 1);
    EXPECT_EQ(fresh.GetTabPosition(), tpTop);
    EXPECT_EQ(fresh.GetAntiAlias(), foundation::aaClearType);
    EXPECT_TRUE(fresh.GetGlow());
    EXPECT_TRUE(fresh.GetRotateTabLeftRight());
    EXPECT_EQ(fresh.GetTabReorderIndicatorColor(), plat::clBlue);
    EXPECT_EQ(fresh.GetCloseOnTabPosition(), cpRight);
    EXPECT_EQ(fresh.GetVezOfficePagerStyler(), nullptr);
    EXPECT_EQ(fresh.CurrentStyler().GetName(), "InternalStyler");
    TVezOfficePagerOfficeStyler luna(nullptr);
    EXPECT_EQ(fresh.CurrentStyler().TabAppearance().GetColorSelected(), luna.TabAppearance().GetColorSelected());
    EXPECT_EQ(fresh.CurrentStyler().PageAppearance().GetColor(), luna.PageAppearance().GetColor());

    const TVezOfficePage page(nullptr);
    EXPECT_TRUE(page.GetTabVisible());
    EXPECT_TRUE(page.GetTabEnabled());
    EXPECT_TRUE(page.GetShowClose());
    EXPECT_FALSE(page.GetShowCheckBox());
    EXPECT_EQ(page.GetImageIndex(), -1);
    EXPECT_EQ(page.GetGlowColor(), plat::clRed);
    EXPECT_EQ(page.GetShortCutHintPos(), shpTop);
    EXPECT_EQ(page.GetPageIndex(), -1);
    EXPECT_TRUE(page.GetDoubleBuffered());
}

TEST_F(PagerTest, PageMadeWithThePagerAsOwnerTakesTheNextTabIndex)
{
    AddPages(3);
    auto* page = new TVezOfficePage(pager);
    EXPECT_EQ(page->GetTabIndex(), 3);
    EXPECT_EQ(page->GetVezOfficePager(), nullptr) << "not attached yet";
}

TEST_F(PagerTest, AddingPagesKeepsTheFirstHiddenUntilActivated)
{
    TVezOfficePage* a = AddPage("A");
    TVezOfficePage* b = AddPage("B");
    EXPECT_EQ(pager->GetActivePageIndex(), -1);
    EXPECT_FALSE(a->GetVisible());
    EXPECT_EQ(pager->AddVezPage(b), 1) << "a page already listed keeps its index";
    EXPECT_EQ(pager->AddVezPage(static_cast<TVezOfficePage*>(nullptr)), -1);
    pager->SetActivePageIndex(0);
    EXPECT_TRUE(a->GetVisible());
    EXPECT_EQ(a->GetBoundsRect(), pager->GetPageRect());
    ExpectConsistent(*pager);
}

TEST_F(PagerTest, InsertNewPageNamesActivatesAndAnnounces)
{
    AddPages(2);
    int inserted = 0;
    TVezOfficePage* announced = nullptr;
    pager->OnInsertPage = [&](plat::TObject*, TVezOfficePage* Page) {
        ++inserted;
        announced = Page;
    };
    pager->InsertNewPage();
    EXPECT_EQ(inserted, 1);
    ASSERT_EQ(pager->GetVezPageCount(), 3);
    EXPECT_EQ(announced, pager->VezPages(2));
    EXPECT_EQ(announced->GetCaption(), "VezOfficePage2");
    EXPECT_EQ(announced->Owner(), pager);
    EXPECT_EQ(pager->GetActivePage(), announced);
    ExpectConsistent(*pager);
}

TEST_F(PagerTest, SwitchingPagesFiresChangingHideShowAndChange)
{
    AddPages(2);
    pager->SetActivePageIndex(0);
    RecordEvents();
    pager->VezPages(0)->OnHide = [this](plat::TObject*) { events.push_back("hide A"); };
    pager->VezPages(1)->OnShow = [this](plat::TObject*) { events.push_back("show B"); };
    pager->SetActivePageIndex(1);
    EXPECT_EQ(events, (std::vector<std::string>{"changing 0>1", "hide A", "show B", "change"}));

    events.clear();
    allowChange = false;
    pager->SetActivePageIndex(0);
    EXPECT_EQ(events, (std::vector<std::string>{"changing 1>0"}));
    EXPECT_EQ(pager->GetActivePageIndex(), 1);
    EXPECT_TRUE(pager->VezPages(1)->GetVisible());
    ExpectConsistent(*pager);

    events.clear();
    pager->SetActivePageIndex(1);
    pager->SetActivePageIndex(7);
    EXPECT_TRUE(events.empty()) << "the active index again, or one outside the list, switches nothing";
}

TEST_F(PagerTest, TheFocusFollowsToTheNewPagesFirstControl)
{
    AddPages(2);
    auto* editA = new plat::TEdit(form);
    editA->SetParent(pager->VezPages(0));
    auto* editB = new plat::TEdit(form);
    editB->SetParent(pager->VezPages(1));
    pager->SetActivePageIndex(0);
    editA->SetFocus();
    plat::TWinControl* focusedWhenShown = nullptr;
    pager->VezPages(1)->OnShow = [&](plat::TObject*) { focusedWhenShown = form->GetActiveControl(); };
    pager->SetActivePageIndex(1);
    EXPECT_EQ(form->GetActiveControl(), editB);
    EXPECT_EQ(focusedWhenShown, editB) << "OnShow fires once the page is shown and focused";

    // Without the focus on the old page, the focus stays where it is.
    auto* outside = new plat::TEdit(form);
    outside->SetParent(form);
    outside->SetBounds(0, 250, 80, 20);
    outside->SetFocus();
    pager->SetActivePageIndex(0);
    EXPECT_EQ(form->GetActiveControl(), outside);
}

TEST_F(PagerTest, WithOnePageActivatingItAgainRunsTheSwitch)
{
    AddPages(1);
    pager->SetActivePageIndex(0);
    RecordEvents();
    pager->SetActivePageIndex(0);
    EXPECT_EQ(events, (std::vector<std::string>{"changing 0>0", "change"}));
    EXPECT_TRUE(pager->VezPages(0)->GetVisible());
}

// Pages A B C D; the flags say which tabs are hidden or disabled before the removal.
TEST_F(PagerTest, RemovingPagesKeepsOrMovesTheActivePage)
{
    const struct {
        const char* Name;
        const char* HiddenTabs;
        const char* DisabledTabs;
        int Active;
        int Removed;
        const char* NowActive;  // empty: none
        std::vector<std::string> Events;
    } cases[] = {
        {"the next page takes over", "", "", 1, 1, "C", {"changing 1>2", "change"}},
        {"the last page wraps to the first", "", "", 3, 3, "A", {"changing 3>0", "change"}},
        {"a page before the active one", "", "", 2, 0, "C", {}},
        {"a page after the active one", "", "", 1, 3, "B", {}},
        {"hidden and disabled tabs are passed over", "C", "D", 1, 1, "A", {"changing 1>0", "change"}},
        {"no selectable page is left", "BC", "D", 0, 0, "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        pager->ClearVezPages();
        AddPages(4);
        for (const char* tab = c.HiddenTabs; *tab; ++tab)
            pager->VezPages(*tab - 'A')->SetTabVisible(false);
        for (const char* tab = c.DisabledTabs; *tab; ++tab)
            pager->VezPages(*tab - 'A')->SetTabEnabled(false);
        pager->SetActivePageIndex(c.Active);
        events.clear();
        RecordEvents();
        TVezOfficePage* removed = pager->VezPages(c.Removed);
        pager->RemoveVezPage(removed);
        EXPECT_EQ(removed->GetVezOfficePager(), nullptr);
        EXPECT_EQ(pager->GetVezPageCount(), 3);
        EXPECT_EQ(pager->GetActivePage() ? pager->GetActivePage()->GetCaption() : "", c.NowActive);
        EXPECT_EQ(events, c.Events);
        EXPECT_FALSE(removed->GetVisible() && removed->GetParent() == pager);
        ExpectConsistent(*pager);
        delete removed;
    }
}

TEST_F(PagerTest, RemovingTheActivePageWhenTheSwitchIsRefusedLeavesNoActivePage)
{
    AddPages(2);
    pager->SetActivePageIndex(0);
    RecordEvents();
    allowChange = false;
    TVezOfficePage* a = pager->VezPages(0);
    pager->RemoveVezPage(a);
    EXPECT_EQ(pager->GetActivePageIndex(), -1);
    EXPECT_FALSE(a->GetVisible());
    ExpectConsistent(*pager);
    delete a;
}

TEST_F(PagerTest, FreeingPagesTakesThemOutOfTheList)
{
    AddPages(3);
    pager->SetActivePageIndex(2);
    delete pager->VezPages(2);
    EXPECT_EQ(Captions(), "AB");
    EXPECT_EQ(pager->GetActivePage()->GetCaption(), "A");
    ExpectConsistent(*pager);
    pager->ClearVezPages();
    EXPECT_EQ(pager->GetVezPageCount(), 0);
    EXPECT_EQ(pager->GetActivePageIndex(), -1);
    try {
        pager->VezPages(0);
        ADD_FAILURE() << "read past the end";
    } catch (const plat::EListError& e) {
        EXPECT_STREQ(e.what(), "Index out of bounds in list read access");
    }
}

TEST_F(PagerTest, MovingPagesKeepsTheActivePage)
{
    const struct {
        int Active;
        int From;
        int To;
        bool Allow;
        const char* Order;
        std::vector<std::string> Events;
    } cases[] = {
        {1, 0, 2, true, "BCA", {"changing 1>0", "change", "moved 0>2"}},
        {0, 1, 2, true, "ACB", {"moved 1>2"}},
        {0, 0, 3, true, "ABC", {}},
        {0, -1, 1, true, "ABC", {}},
        // The refusal cannot leave another page under the old number: the page stays active.
        {1, 0, 2, false, "BCA", {"changing 1>0", "moved 0>2"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.From) + ">" + std::to_string(c.To));
        pager->ClearVezPages();
        AddPages(3);
        pager->SetActivePageIndex(c.Active);
        TVezOfficePage* active = pager->GetActivePage();
        events.clear();
        allowChange = c.Allow;
        RecordEvents();
        pager->MoveVezPage(c.From, c.To);
        EXPECT_EQ(Captions(), c.Order);
        EXPECT_EQ(events, c.Events);
        EXPECT_EQ(pager->GetActivePage(), active);
        EXPECT_TRUE(active->GetVisible());
        ExpectConsistent(*pager);
    }
}

TEST_F(PagerTest, TheActivePageShowsWithThePager)
{
    AddPages(2);
    pager->SetActivePageIndex(1);
    pager->Hide();
    EXPECT_FALSE(pager->VezPages(1)->GetVisible());
    pager->Show();
    EXPECT_TRUE(pager->VezPages(1)->GetVisible());
    EXPECT_FALSE(pager->VezPages(0)->GetVisible());
}

TEST_F(PagerTest, PageIndexMovesThePage)
{
    AddPages(3);
    TVezOfficePage* a = pager->VezPages(0);
    a->SetPageIndex(2);
    EXPECT_EQ(Captions(), "BCA");
    a->SetPageIndex(3);
    a->SetPageIndex(-1);
    EXPECT_EQ(Captions(), "BCA");
    EXPECT_EQ(a->GetPageIndex(), 2);
}

TEST_F(PagerTest, NextPageSelectionSkipsHiddenAndDisabledTabsAndWraps)
{
    AddPages(4);
    pager->VezPages(1)->SetTabVisible(false);
    pager->VezPages(2)->SetTabEnabled(false);
    pager->SetActivePageIndex(0);
    pager->SelectNextPage(true);
    EXPECT_EQ(pager->GetActivePageIndex(), 3);
    pager->SelectNextPage(true);
    EXPECT_EQ(pager->GetActivePageIndex(), 0);
    pager->SelectNextPage(false);
    EXPECT_EQ(pager->GetActivePageIndex(), 3);

    EXPECT_EQ(pager->FindNextPage(pager->VezPages(0), true, true), pager->VezPages(2));
    EXPECT_EQ(pager->FindNextPage(pager->VezPages(0), false, false), pager->VezPages(3));
    EXPECT_EQ(pager->FindNextPage(nullptr, false, true), pager->VezPages(3));
    ExpectConsistent(*pager);
}

TEST_F(PagerTest, ClosedPagesAreThePagesWithHiddenTabs)
{
    AddPages(3);
    TVezOfficePage* a = pager->VezPages(0);
    TVezOfficePage* b = pager->VezPages(1);
    a->SetName("First");
    a->SetTabVisible(false);
    b->SetTabVisible(false);
    ASSERT_EQ(pager->ClosedPageCount(), 2);
    EXPECT_EQ(pager->ClosedPage(0), a);
    EXPECT_EQ(pager->ClosedPageName(0), "First");
    ExpectConsistent(*pager);

    // Two unnamed pages, one freed: the entry of the other stays, none dangles.
    pager->VezPages(2)->SetTabVisible(false);
    delete b;
    ASSERT_EQ(pager->ClosedPageCount(), 2);
    EXPECT_EQ(pager->ClosedPage(1)->GetCaption(), "C");
    a->SetTabVisible(true);
    EXPECT_EQ(pager->ClosedPageCount(), 1);
    EXPECT_THROW(pager->ClosedPage(1), plat::EListError);
    ExpectConsistent(*pager);

    auto* hidden = new TVezOfficePage(form);
    hidden->SetTabVisible(false);
    pager->AddVezPage(hidden);
    EXPECT_EQ(pager->ClosedPage(1), hidden) << "a page attached with its tab hidden is closed";
    ExpectConsistent(*pager);
}

TEST_F(PagerTest, TabIndexStaysUnique)
{
    AddPages(3);
    delete pager->VezPages(1);
    TVezOfficePage* d = AddPage("D");
    EXPECT_EQ(d->GetTabIndex(), 3) << "after the highest, not the page count";

    auto* free = new TVezOfficePage(form);
    free->SetTabIndex(1);
    pager->AddVezPage(free);
    EXPECT_EQ(free->GetTabIndex(), 1) << "a number no page holds is kept";

    auto* taken = new TVezOfficePage(form);
    taken->SetTabIndex(0);
    pager->AddVezPage(taken);
    EXPECT_EQ(taken->GetTabIndex(), 4);
    ExpectConsistent(*pager);

    pager->InitOrder();
    for (int i = 0; i < pager->GetVezPageCount(); ++i)
        EXPECT_EQ(pager->VezPages(i)->GetTabIndex(), i);
}

TEST_F(PagerTest, ParentsOfPagesAndPagers)
{
    AddPages(3);
    TVezOfficePager other(form);
    EXPECT_THROW(other.SetParent(pager), plat::EInvalidOperation);
    EXPECT_EQ(other.GetParent(), nullptr);
    try {
        other.SetParent(pager);
    } catch (const plat::Exception& e) {
        EXPECT_STREQ(e.what(), "Invalid Parent");
    }

    // A page as parent: this page moves to that page's place.
    TVezOfficePage* c = pager->VezPages(2);
    c->SetParent(pager->VezPages(0));
    EXPECT_EQ(Captions(), "CAB");
    EXPECT_EQ(c->GetParent(), pager);

    // Another pager as parent: the page moves over.
    other.SetParent(form);
    c->SetParent(&other);
    EXPECT_EQ(Captions(), "AB");
    EXPECT_EQ(other.GetVezPageCount(), 1);
    EXPECT_EQ(c->GetVezOfficePager(), &other);

    // Anything else as parent: the page leaves the pager.
    auto* panel = new plat::TPanel(form);
    panel->SetParent(form);
    pager->VezPages(0)->SetParent(panel);
    EXPECT_EQ(Captions(), "B");
    ExpectConsistent(*pager);
    ExpectConsistent(other);
    c->SetVezOfficePager(nullptr);
}

TEST_F(PagerTest, VezOfficePagerAttachesAndDetaches)
{
    AddPages(1);
    auto* page = new TVezOfficePage(form);
    page->SetVezOfficePager(pager);
    EXPECT_EQ(pager->IndexOfPage(page), 1);
    EXPECT_EQ(page->GetParent(), pager);
    page->SetVezOfficePager(nullptr);
    EXPECT_EQ(pager->IndexOfPage(page), -1);
    EXPECT_EQ(page->GetParent(), nullptr);
    ExpectConsistent(*pager);
}

TEST_F(PagerTest, FreedPagerLeavesItsPagesDetachedAndItsStylerClean)
{
    TVezOfficePagerOfficeStyler styler(nullptr);
    auto* second = new TVezOfficePager(form);
    second->SetParent(form);
    second->SetVezOfficePagerStyler(&styler);
    EXPECT_EQ(styler.ControlCount(), 1);
    auto* page = new TVezOfficePage(form);
    second->AddVezPage(page);
    second->SetActivePageIndex(0);
    const plat::TControlRef<TVezOfficePage> pageRef(page);
    // The pager lets go of its pages first; as their parent it then frees them.
    delete second;
    EXPECT_EQ(styler.ControlCount(), 0);
    EXPECT_FALSE(pageRef);
}

TEST_F(PagerTest, FreedStylerGivesThePagerItsInternalOneBack)
{
    auto* styler = new TVezOfficePagerOfficeStyler(nullptr);
    pager->SetVezOfficePagerStyler(styler);
    EXPECT_EQ(&pager->CurrentStyler(), styler);
    delete styler;
    EXPECT_EQ(pager->GetVezOfficePagerStyler(), nullptr);
    EXPECT_EQ(pager->CurrentStyler().GetName(), "InternalStyler");
}

TEST_F(PagerTest, DroppedCloseButtonsHideAtOnceAndGoOnceTheEventIsOver)
{
    AddPages(2);
    TVezOfficePage* a = pager->VezPages(0);
    auto* glow = new plat::TPanel(pager);
    glow->SetParent(pager);
    auto* chrome = new plat::TPanel(pager);
    chrome->SetParent(pager);
    a->SetCloseButton(glow);
    a->SetCloseButtonChrome(chrome);
    const plat::TControlRef<plat::TPanel> glowRef(glow);
    const plat::TControlRef<plat::TPanel> chromeRef(chrome);

    pager->RemoveVezPage(a);
    EXPECT_EQ(a->GetCloseButton(), nullptr);
    EXPECT_EQ(a->GetCloseButtonChrome(), nullptr);
    ASSERT_TRUE(glowRef);
    EXPECT_FALSE(glow->GetVisible());
    EXPECT_FALSE(chrome->GetVisible());
    ui.Pump();
    EXPECT_FALSE(glowRef);
    EXPECT_FALSE(chromeRef);

    // ShowClose False drops them the same way.
    TVezOfficePage* b = pager->VezPages(0);
    auto* button = new plat::TPanel(pager);
    b->SetCloseButton(button);
    const plat::TControlRef<plat::TPanel> buttonRef(button);
    b->SetShowClose(false);
    EXPECT_TRUE(buttonRef);
    ui.Pump();
    EXPECT_FALSE(buttonRef);
    delete a;
}

// A pager named PageControl dropped on a form in the designer, its window made.
class PagerDesignerTest : public ::testing::Test {
protected:
    PagerDesignerTest()
    {
        form->SetDesigning(true);
        pager = new TVezOfficePager(form);
        pager->SetName("PageControl");
        pager->SetParent(form);
        pager->HandleNeeded();
    }
    ~PagerDesignerTest() override { delete form; }

    plat::testing::UiTestEnvironment ui;
    plat::TForm* form = new plat::TForm(plat::Application);
    TVezOfficePager* pager = nullptr;
};

TEST_F(PagerDesignerTest, ANewPagerInTheDesignerGetsThreePages)
{
    ASSERT_EQ(pager->GetVezPageCount(), 3);
    for (int i = 0; i < 3; ++i) {
        const TVezOfficePage* page = pager->VezPages(i);
        EXPECT_EQ(page->GetName(), "PageControl" + std::to_string(i + 1));
        EXPECT_EQ(page->GetCaption(), page->GetName());
        EXPECT_EQ(page->GetTabIndex(), i);
    }
    EXPECT_EQ(pager->GetActivePageIndex(), 0);
    pager->RecreateWnd();
    pager->HandleNeeded();
    EXPECT_EQ(pager->GetVezPageCount(), 3) << "only once";
    ExpectConsistent(*pager);

    // The designer copies the styler's colours into pages that do not use their own.
    auto* page = new TVezOfficePage(form);
    page->PageAppearance().SetColor(0x123456);
    pager->AddVezPage(page);
    EXPECT_EQ(page->PageAppearance().GetColor(), pager->CurrentStyler().PageAppearance().GetColor());
}

TEST_F(PagerDesignerTest, TabsTakeTheDesignersClicks)
{
    const plat::TRect tab = pager->GetTabRect(1);
    const auto hitTest = [&](plat::TPoint ClientPos, bool Pressed) {
        ui.Input().SetCursorPos(pager->ClientToScreen(ClientPos));
        ui.Input().SetKeyDown(plat::VK_LBUTTON, Pressed);
        return pager->Perform(plat::CM_DESIGNHITTEST);
    };
    EXPECT_EQ(hitTest({tab.Left + 2, tab.Top + 2}, true), 1);
    EXPECT_EQ(hitTest({tab.Left + 2, tab.Top + 2}, false), 0) << "only while the button is down";
    EXPECT_EQ(hitTest({300, 150}, true), 0) << "not on the page";
    ui.Input().SetKeyDown(plat::VK_LBUTTON, false);
}

TEST(PagerDesignerLoadTest, APagerLoadedFromAFormMakesNoPages)
{
    plat::testing::UiTestEnvironment ui;
    auto* form = new plat::TForm(plat::Application);
    form->SetDesigning(true);
    form->BeginLoading();
    auto* pager = new TVezOfficePager(form);
    pager->SetName("PageControl");
    pager->SetParent(form);
    form->EndLoading();
    pager->HandleNeeded();
    EXPECT_EQ(pager->GetVezPageCount(), 0);
    EXPECT_TRUE(pager->GetPropertiesLoaded());
    delete form;
}

}  // namespace
}  // namespace skelda::pager::testing
