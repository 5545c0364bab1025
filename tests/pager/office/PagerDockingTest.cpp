// The pager as a dock site: a page per docked control, its tab following the control, the page
// freed when the control leaves, and the control taken out by its tab.

#include "platform/controls/core/DragObjects.h"
#include "platform/controls/core/TControl.h"
#include "platform/controls/forms/TCustomDockForm.h"
#include "platform/core/Exception.h"
#include "tests/pager/office/PagerFixture.h"

namespace skelda::pager::testing {
namespace {

// Refuses its new parent when asked to, before or after taking it.
class TRefusingControl : public plat::TCustomControl {
public:
    using plat::TCustomControl::TCustomControl;

    void SetParent(plat::TWinControl* AParent) override
    {
        if (AParent && Refuse == RefuseBefore)
            throw plat::EInvalidOperation("refused");
        plat::TCustomControl::SetParent(AParent);
        if (AParent && Refuse == RefuseAfter)
            throw plat::EInvalidOperation("refused");
    }

    enum { RefuseNever, RefuseBefore, RefuseAfter } Refuse = RefuseNever;
};

class PagerDockingTest : public PagerTest {
protected:
    PagerDockingTest()
    {
        pager->SetDockSite(true);
        AddPages(2);
        client = new TRefusingControl(form);
        client->SetParent(form);
        client->SetBounds(450, 220, 60, 40);
    }
    plat::TPoint TabCentre(int Index) const
    {
        const plat::TRect r = pager->GetTabRect(Index);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    TVezOfficePage* DockedPage() const { return dynamic_cast<TVezOfficePage*>(client->GetParent()); }

    TRefusingControl* client = nullptr;
};

TEST_F(PagerDockingTest, ADockedControlGetsAnActivePageWhoseTabFollowsItsFirstLineAndVisibility)
{
    ASSERT_TRUE(client->ManualDock(pager));
    ASSERT_EQ(pager->GetVezPageCount(), 3);
    TVezOfficePage* page = pager->VezPages(2);
    EXPECT_EQ(DockedPage(), page);
    EXPECT_EQ(pager->GetActivePage(), page);
    EXPECT_EQ(client->GetAlign(), plat::alClient);
    EXPECT_EQ(page->Owner(), pager);
    EXPECT_EQ(pager->DockedControlAt(TabCentre(2)), client);
    EXPECT_EQ(pager->DockedControlAt(TabCentre(0)), nullptr) << "a page of the pager's own";

    const struct {
        const char* Text;
        const char* Caption;
    } texts[] = {{"Tools", "Tools"}, {"One\r\nTwo", "One"}, {"One\nTwo", "One"}, {"One\rTwo", "One"}, {"\nTwo", ""}};
    for (const auto& t : texts) {
        client->SetText(t.Text);
        EXPECT_EQ(page->GetCaption(), t.Caption) << t.Text;
    }
    client->Hide();
    EXPECT_FALSE(page->GetTabVisible());
    EXPECT_EQ(pager->ClosedPageCount(), 1);
    client->Show();
    EXPECT_TRUE(page->GetTabVisible());
    ExpectConsistent(*pager);
}

TEST_F(PagerDockingTest, ADockedFormShowsItsCaptionAndAHiddenOneNoTab)
{
    auto* station = new plat::TForm(plat::Application);
    station->SetCaption("Station");
    station->Show();
    ASSERT_TRUE(station->ManualDock(pager));
    TVezOfficePage* page = pager->VezPages(2);
    EXPECT_EQ(page->GetCaption(), "Station");
    EXPECT_EQ(pager->GetActivePage(), page);
    station->SetCaption("Log\nbook");
    EXPECT_EQ(page->GetCaption(), "Log\nbook") << "a form's caption whole";

    auto* hidden = new plat::TForm(plat::Application);
    hidden->SetCaption("Hidden");
    ASSERT_TRUE(hidden->ManualDock(pager));
    EXPECT_EQ(pager->VezPages(3)->GetCaption(), "Hidden");
    EXPECT_FALSE(pager->VezPages(3)->GetTabVisible());
    EXPECT_EQ(pager->GetActivePage(), page);
    ExpectConsistent(*pager);
}

TEST_F(PagerDockingTest, UndockingFreesThePage)
{
    auto* elsewhere = new plat::TCustomControl(form);
    elsewhere->SetParent(form);
    elsewhere->SetBounds(420, 0, 150, 150);
    elsewhere->SetDockSite(true);
    const struct {
        const char* Name;
        plat::TWinControl* Site;
    } cases[] = {{"floating", nullptr}, {"another site", elsewhere}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        ASSERT_TRUE(client->ManualDock(pager));
        const plat::TControlRef<> page(DockedPage());
        ASSERT_TRUE(client->ManualDock(c.Site));
        EXPECT_FALSE(page) << "freed";
        EXPECT_EQ(pager->GetVezPageCount(), 2);
        EXPECT_EQ(pager->GetActivePageIndex(), 0) << "the next page, wrapping round";
        EXPECT_NE(client->GetParent(), nullptr);
        ExpectConsistent(*pager);
    }
}

TEST_F(PagerDockingTest, UndockingAnotherPagesControlKeepsTheActivePage)
{
    ASSERT_TRUE(client->ManualDock(pager));
    pager->SetActivePageIndex(1);
    ASSERT_TRUE(client->ManualDock(nullptr));
    EXPECT_EQ(pager->GetVezPageCount(), 2);
    EXPECT_EQ(pager->GetActivePageIndex(), 1);
}

TEST_F(PagerDockingTest, DockingAControlAlreadyOnAPageMovesThatPageToTheEnd)
{
    ASSERT_TRUE(client->ManualDock(pager));
    TVezOfficePage* page = DockedPage();
    AddPage("C");
    ASSERT_TRUE(client->ManualDock(pager));
    EXPECT_EQ(pager->GetVezPageCount(), 4);
    EXPECT_EQ(pager->IndexOfPage(page), 3);
    EXPECT_EQ(DockedPage(), page);
    EXPECT_EQ(client->GetAlign(), plat::alClient) << "its undocking was called off";
    ExpectConsistent(*pager);
}

TEST_F(PagerDockingTest, AnExceptionWhileDockingFreesTheNewPageAndPassesOn)
{
    for (const auto refuse : {TRefusingControl::RefuseBefore, TRefusingControl::RefuseAfter}) {
        SCOPED_TRACE(refuse);
        client->Refuse = refuse;
        EXPECT_THROW(client->ManualDock(pager), plat::EInvalidOperation);
        EXPECT_EQ(pager->GetVezPageCount(), 2);
        EXPECT_EQ(pager->ComponentCount(), 1) << "only the internal styler: no page left";
        EXPECT_EQ(DockedPage(), nullptr) << "the control was not freed with the page";
        client->Refuse = TRefusingControl::RefuseNever;
        client->SetParent(form);
        ExpectConsistent(*pager);
    }
}

TEST_F(PagerDockingTest, ADockDragOverThePagerWouldFillIt)
{
    plat::TDragDockObject dock(client);
    bool asked = false;
    pager->OnDockOver = [&](plat::TObject*, plat::TDragDockObject*, int, int, plat::TDragState, bool&) { asked = true; };
    bool accept = true;
    pager->DockOver(&dock, 5, 5, plat::dsDragMove, accept);
    EXPECT_EQ(dock.DockRect, plat::ScreenBoundsOf(*pager));
    EXPECT_TRUE(asked);
}

TEST_F(PagerDockingTest, ADockedControlLeavesByItsTabDraggedOrDoubleClicked)
{
    std::vector<int> doubleClicked;
    pager->OnTabDblClick = [&](plat::TObject*, int Index) { doubleClicked.push_back(Index); };
    client->SetDragKind(plat::dkDock);
    ASSERT_TRUE(client->ManualDock(pager));
    ui.Simulator().MouseDown(*pager, TabCentre(2));
    ui.Simulator().MouseMove(*pager, {300, 280});
    ui.Simulator().MouseUp(*pager, {300, 280});
    EXPECT_EQ(DockedPage(), pager->VezPages(2)) << "DragMode manual: no drag";

    client->SetDragMode(plat::dmAutomatic);
    ui.Simulator().MouseDown(*pager, TabCentre(2));
    for (int y = 40; y <= 280; y += 40)
        ui.Simulator().MouseMove(*pager, {300, y});
    ui.Simulator().MouseUp(*pager, {300, 280});
    EXPECT_TRUE(client->Floating()) << "dropped away from every site";
    EXPECT_EQ(pager->GetVezPageCount(), 2);

    ASSERT_TRUE(client->ManualDock(pager));
    ui.Simulator().DoubleClick(*pager, TabCentre(2));
    EXPECT_NE(dynamic_cast<plat::TCustomDockForm*>(client->GetHostDockSite()), nullptr);
    EXPECT_EQ(pager->GetVezPageCount(), 2);
    EXPECT_TRUE(doubleClicked.empty()) << "the tab went with its control";
    ui.Simulator().DoubleClick(*pager, TabCentre(1));
    EXPECT_EQ(doubleClicked, (std::vector<int>{1})) << "a tab of the pager's own";
    ExpectConsistent(*pager);
}

}  // namespace
}  // namespace skelda::pager::testing
