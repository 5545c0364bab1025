// Closing pages: hidden and listed as closed, or freed with FreeOnClose; the page that becomes
// active; refused, nested and failing closes; close buttons that name no page.

#include "pager/glow/TVezGlowButton.h"
#include "pager/office/TPageButtonSettings.h"
#include "pager/office/TVezPagerButton.h"
#include "platform/core/Exception.h"
#include "tests/pager/office/PagerFixture.h"

#include <cstdint>
#include <stdexcept>

namespace skelda::pager::testing {
namespace {

// The close buttons' click, as a button the pager did not make would call it.
struct CloseClickAccess : TVezOfficePager {
    using TVezOfficePager::CloseButtonClick;
};

// Pages A, B, C (tab disabled), D, E with A active; closes are recorded.
class PagerClosingTest : public PagerTest {
protected:
    PagerClosingTest()
    {
        AddPages(5);
        pager->VezPages(2)->SetTabEnabled(false);
        pager->SetActivePageIndex(0);
        pager->OnClosePage = [this](plat::TObject*, int Index, bool& Allow) {
            events.push_back("close " + std::to_string(Index));
            Allow = allowClose;
        };
        pager->OnClosedPage = [this](plat::TObject*, int Index) {
            events.push_back("closed " + std::to_string(Index));
        };
    }
    std::string ActiveCaption() const
    {
        return pager->GetActivePage() ? pager->GetActivePage()->GetCaption() : "none";
    }
    void TestCloseButtonClick(plat::TObject* Sender)
    {
        constexpr auto click = &CloseClickAccess::CloseButtonClick;
        (pager->*click)(Sender);
    }
    bool allowClose = true;
};

TEST_F(PagerClosingTest, ClosingTheActivePageHidesItsTabAndActivatesTheNext)
{
    TVezOfficePage* a = pager->VezPages(0);
    EXPECT_TRUE(pager->CloseActivePage());
    EXPECT_EQ(events, (std::vector<std::string>{"close 0", "closed 0"}));
    EXPECT_FALSE(a->GetTabVisible());
    EXPECT_FALSE(a->GetVisible());
    ASSERT_EQ(pager->ClosedPageCount(), 1);
    EXPECT_EQ(pager->ClosedPage(0), a);
    EXPECT_EQ(ActiveCaption(), "B");
    EXPECT_EQ(pager->GetVezPageCount(), 5) << "kept in the list";

    // The disabled tab C is passed over.
    pager->CloseActivePage();
    EXPECT_EQ(ActiveCaption(), "D");
    ExpectConsistent(*pager);
}

TEST_F(PagerClosingTest, ARefusedCloseLeavesThePageAlone)
{
    allowClose = false;
    EXPECT_FALSE(pager->CloseActivePage());
    EXPECT_EQ(events, std::vector<std::string>{"close 0"});
    EXPECT_TRUE(pager->VezPages(0)->GetTabVisible());
    EXPECT_EQ(ActiveCaption(), "A");
    allowClose = true;
    EXPECT_TRUE(pager->CloseActivePage()) << "the refusal does not stick";
}

TEST_F(PagerClosingTest, ACloseAskedForDuringACloseIsIgnored)
{
    bool nested = true;
    pager->OnClosePage = [&](plat::TObject*, int Index, bool&) {
        events.push_back("close " + std::to_string(Index));
        if (nested)
            nested = pager->CloseActivePage();
    };
    pager->CloseActivePage();
    EXPECT_FALSE(nested) << "the nested close changes nothing";
    EXPECT_EQ(events, (std::vector<std::string>{"close 0", "closed 0"}));
    EXPECT_EQ(pager->ClosedPageCount(), 1);
    EXPECT_TRUE(pager->CloseActivePage()) << "the next close runs";
    EXPECT_EQ(pager->ClosedPageCount(), 2);
}

TEST_F(PagerClosingTest, AFailingHandlerDoesNotBlockLaterCloses)
{
    pager->OnClosePage = [](plat::TObject*, int, bool&) { throw std::runtime_error("refused"); };
    EXPECT_THROW(pager->CloseActivePage(), std::runtime_error);
    EXPECT_TRUE(pager->VezPages(0)->GetTabVisible());
    pager->OnClosePage = nullptr;
    pager->OnClosedPage = [](plat::TObject*, int) { throw std::runtime_error("late"); };
    EXPECT_THROW(pager->CloseActivePage(), std::runtime_error);
    pager->OnClosedPage = nullptr;
    EXPECT_TRUE(pager->CloseActivePage());
    EXPECT_EQ(pager->ClosedPageCount(), 2);
}

TEST_F(PagerClosingTest, CloseButtonsOnTheTabsCloseTheirOwnPage)
{
    pager->ButtonSettings().SetCloseButton(true);
    pager->SetCloseOnTab(true);
    pager->SetShowCloseOnNonSelectedTabs(true);
    for (TCloseButtonLook look : {cblOffice, cblChrome}) {
        SCOPED_TRACE(look == cblOffice ? "office" : "chrome");
        pager->ButtonSettings().SetCloseButtonLook(look);
        pager->ResetPages();
        pager->SetActivePageIndex(0);
        events.clear();
        TVezOfficePage* d = pager->VezPages(3);
        plat::TControl* button = look == cblOffice ? d->GetCloseButton() : d->GetCloseButtonChrome();
        ASSERT_NE(button, nullptr);
        ui.Simulator().Click(*button, {button->GetWidth() / 2, button->GetHeight() / 2});
        EXPECT_EQ(events, (std::vector<std::string>{"close 3", "closed 3"}));
        EXPECT_FALSE(d->GetTabVisible());
        EXPECT_FALSE(button->GetVisible());
        EXPECT_EQ(ActiveCaption(), "A") << "closing another tab keeps the active page";
        ExpectConsistent(*pager);
    }
    // The right button does not close through a glow button.
    pager->ButtonSettings().SetCloseButtonLook(cblOffice);
    plat::TControl* b = pager->VezPages(1)->GetCloseButton();
    ui.Simulator().Click(*b, {b->GetWidth() / 2, b->GetHeight() / 2}, plat::mbRight);
    EXPECT_TRUE(pager->VezPages(1)->GetTabVisible());
}

TEST_F(PagerClosingTest, AButtonWhoseTagNamesNoPageIsIgnored)
{
    pager->SetCloseOnTab(true);
    auto* stale = new TVezGlowButton(form);
    // Past the count, far past it (beyond what an int holds), before the first page.
    for (std::intptr_t tag : {std::intptr_t{5}, std::intptr_t{1} << 32, std::intptr_t{-1}}) {
        stale->SetTag(tag);
        pager->OnClosePage = [](plat::TObject*, int, bool&) { FAIL() << "nothing to close"; };
        TestCloseButtonClick(stale);
    }
    pager->OnClosePage = nullptr;
    EXPECT_EQ(pager->ClosedPageCount(), 0);
    EXPECT_TRUE(pager->CloseActivePage()) << "later closes still run";
}

TEST_F(PagerClosingTest, FreeOnClosePicksTheNextPageAmongThoseLeft)
{
    pager->SetFreeOnClose(true);
    pager->ButtonSettings().SetCloseButton(true);
    pager->SetCloseOnTab(true);
    pager->VezPages(1)->SetTabVisible(false);
    const plat::TControlRef<TVezOfficePage> a(pager->VezPages(0));
    const plat::TControlRef<plat::TControl> button(a->GetCloseButton());
    ASSERT_TRUE(button);
    pager->OnChanging = [&](plat::TObject*, int From, int To, bool&) {
        events.push_back("changing " + std::to_string(From) + ">" + std::to_string(To));
        EXPECT_FALSE(a) << "chosen once the page is gone";
    };
    pager->CloseActivePage();
    EXPECT_FALSE(a);
    EXPECT_EQ(pager->GetVezPageCount(), 4);
    EXPECT_EQ(ActiveCaption(), "D") << "B is closed, C disabled";
    EXPECT_EQ(events, (std::vector<std::string>{"close 0", "changing -1>2", "closed 0"}));
    EXPECT_TRUE(button) << "not inside the close";
    ui.Pump();
    EXPECT_FALSE(button);
    ExpectConsistent(*pager);
}

TEST_F(PagerClosingTest, FreeOnCloseWithTheSwitchRefusedLeavesNoPageActive)
{
    pager->SetFreeOnClose(true);
    pager->OnChanging = [](plat::TObject*, int, int, bool& Allow) { Allow = false; };
    const plat::TControlRef<TVezOfficePage> a(pager->VezPages(0));
    EXPECT_TRUE(pager->CloseActivePage());
    EXPECT_FALSE(a);
    EXPECT_EQ(pager->GetActivePage(), nullptr);
    ExpectConsistent(*pager);
    pager->SetCloseOnTab(true);
    auto* button = new TVezGlowButton(form);
    button->SetTag(3);
    TestCloseButtonClick(button);
    EXPECT_EQ(Captions(), "BCD");
    EXPECT_EQ(pager->GetActivePage(), nullptr) << "freeing another page activates none";

    // Freeing a page that is not active keeps the active one.
    pager->OnChanging = nullptr;
    pager->SetActivePageIndex(0);
    button->SetTag(2);
    TestCloseButtonClick(button);
    EXPECT_EQ(Captions(), "BC");
    EXPECT_EQ(ActiveCaption(), "B");
}

}  // namespace
}  // namespace skelda::pager::testing
