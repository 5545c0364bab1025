// The office pager under the mouse: tab presses and the page switch they cause, the hot and
// pressed tabs, the insert button, check boxes on tabs, double clicks and tab hints.

#include "pager/office/TPageButtonSettings.h"
#include "platform/controls/forms/HintInfo.h"
#include "tests/pager/office/PagerFixture.h"

namespace skelda::pager::testing {
namespace {

class PagerMouseTest : public PagerTest {
protected:
    PagerMouseTest()
    {
        AddPages(4);
        pager->SetActivePageIndex(0);
        RecordEvents();
        pager->OnTabClick = [this](plat::TObject*, int i) { events.push_back("click " + std::to_string(i)); };
        pager->OnTabRightClick = [this](plat::TObject*, int i) { events.push_back("right " + std::to_string(i)); };
        pager->OnTabDblClick = [this](plat::TObject*, int i) { events.push_back("double " + std::to_string(i)); };
        pager->OnTabCheckBoxClick = [this](plat::TObject*, int i) { events.push_back("check " + std::to_string(i)); };
        pager->OnTabMouseEnter = [this](plat::TObject*, int i) { events.push_back("enter " + std::to_string(i)); };
        pager->OnTabMouseLeave = [this](plat::TObject*, int i) { events.push_back("leave " + std::to_string(i)); };
    }
    plat::TPoint TabCentre(int Index) const
    {
        const plat::TRect r = pager->GetTabRect(Index);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    plat::TPoint InPage() const
    {
        const plat::TRect r = pager->GetPageRect();
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    plat::testing::InputSimulator& Mouse() { return ui.Simulator(); }
};

TEST_F(PagerMouseTest, PressesOnTabsClickThenSwitch)
{
    pager->VezPages(2)->SetTabEnabled(false);
    struct Case {
        const char* Name;
        int Tab;
        plat::TMouseButton Button;
        std::vector<std::string> Events;
        int Active;
        int Down;
    };
    const Case cases[] = {
        {"left on another tab", 1, plat::mbLeft, {"click 1", "changing 0>1", "change"}, 1, -1},
        {"right on another tab", 3, plat::mbRight, {"right 3", "changing 0>3", "change"}, 3, -1},
        {"left on the active tab", 0, plat::mbLeft, {"click 0"}, 0, 0},
        {"left on a disabled tab", 2, plat::mbLeft, {"click 2"}, 0, 2},
        {"middle on another tab", 1, plat::mbMiddle, {}, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        pager->SetActivePageIndex(0);
        events.clear();
        Mouse().MouseDown(*pager, TabCentre(c.Tab), c.Button);
        EXPECT_EQ(events, c.Events);
        EXPECT_EQ(pager->GetActivePageIndex(), c.Active);
        EXPECT_EQ(pager->GetDownPageIndex(), c.Down) << "pressed until release";
        Mouse().MouseUp(*pager, TabCentre(c.Tab), c.Button);
        EXPECT_EQ(pager->GetDownPageIndex(), -1);
        ExpectConsistent(*pager);
    }
}

TEST_F(PagerMouseTest, VetoedSwitchKeepsThePageAndPressesInThePageDoNothing)
{
    allowChange = false;
    Mouse().MouseDown(*pager, TabCentre(1));
    Mouse().MouseUp(*pager, TabCentre(1));
    EXPECT_EQ(events, (std::vector<std::string>{"click 1", "changing 0>1"}));
    EXPECT_EQ(pager->GetActivePageIndex(), 0);
    EXPECT_TRUE(pager->VezPages(0)->GetVisible());

    events.clear();
    Mouse().MouseDown(*pager, InPage());
    Mouse().MouseUp(*pager, InPage());
    EXPECT_TRUE(events.empty());
}

TEST_F(PagerMouseTest, HotTabFollowsTheMouseAndLeavesWithIt)
{
    pager->VezPages(2)->SetTabEnabled(false);
    Mouse().MouseMove(*pager, TabCentre(1));
    EXPECT_EQ(pager->GetHotPageIndex(), 1);
    EXPECT_EQ(pager->GetHintPageIndex(), 1);
    Mouse().MouseMove(*pager, TabCentre(2));
    EXPECT_EQ(pager->GetHotPageIndex(), -1) << "a disabled tab is never hot";
    EXPECT_EQ(pager->GetHintPageIndex(), 2);
    Mouse().MouseMove(*pager, TabCentre(3));
    EXPECT_EQ(pager->GetHotPageIndex(), 3);
    EXPECT_EQ(events, (std::vector<std::string>{"enter 1", "leave 1", "enter 2", "enter 3"}));

    events.clear();
    const plat::TRect strip = pager->GetTabStripRect();
    Mouse().MouseMove(*pager, {strip.Right - 2, strip.Top + 1});
    EXPECT_EQ(pager->GetHotPageIndex(), -1);
    EXPECT_EQ(pager->GetHintPageIndex(), -1);
    EXPECT_EQ(events, (std::vector<std::string>{"leave 3"}));

    Mouse().MouseMove(*pager, TabCentre(1));
    events.clear();
    Mouse().MouseMove(*form, {pager->GetLeft() + pager->GetWidth() + 20, 280});
    EXPECT_EQ(pager->GetHotPageIndex(), -1) << "leaving the pager";
    EXPECT_EQ(pager->GetHintPageIndex(), -1);
    EXPECT_TRUE(events.empty()) << "leaving the pager fires no tab leave";
}

TEST_F(PagerMouseTest, MovesWithinADisabledTabEnterItOnceAndKeepItPressed)
{
    pager->VezPages(2)->SetTabEnabled(false);
    const plat::TPoint centre = TabCentre(2);
    Mouse().MouseMove(*pager, centre);
    Mouse().MouseDown(*pager, centre);
    Mouse().MouseMove(*pager, {centre.X + 1, centre.Y});
    Mouse().MouseMove(*pager, {centre.X + 2, centre.Y});
    EXPECT_EQ(std::count(events.begin(), events.end(), "enter 2"), 1);
    EXPECT_EQ(pager->GetDownPageIndex(), 2);
    Mouse().MouseUp(*pager, centre);
    Mouse().MouseMove(*pager, TabCentre(1));
    Mouse().MouseMove(*pager, centre);
    EXPECT_EQ(std::count(events.begin(), events.end(), "enter 2"), 2) << "entered again after leaving";
}

TEST_F(PagerMouseTest, MovingOffAPressedTabReleasesIt)
{
    Mouse().MouseMove(*pager, TabCentre(0));
    Mouse().MouseDown(*pager, TabCentre(0));
    EXPECT_EQ(pager->GetDownPageIndex(), 0);
    Mouse().MouseMove(*pager, TabCentre(1));
    EXPECT_EQ(pager->GetDownPageIndex(), -1);
    EXPECT_EQ(pager->GetHotPageIndex(), 1);
    Mouse().MouseUp(*pager, TabCentre(1));
    EXPECT_EQ(pager->GetActivePageIndex(), 0) << "a release switches nothing";
}

TEST_F(PagerMouseTest, InsertButtonAddsAPageOnlyWhenReleasedOnIt)
{
    pager->ButtonSettings().SetShowInsertButton(true);
    pager->UpdateScroller();
    const plat::TRect r = pager->Layout().GetInsertButtonRect();
    ASSERT_FALSE(r.IsEmpty());
    const plat::TPoint onInsert{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    int inserted = 0;
    pager->OnInsertPage = [&](plat::TObject*, TVezOfficePage*) { ++inserted; };

    Mouse().MouseMove(*pager, onInsert);
    EXPECT_TRUE(pager->GetInsertButtonHot());
    Mouse().MouseDown(*pager, onInsert);
    EXPECT_TRUE(pager->GetInsertButtonDown());
    Mouse().MouseMove(*pager, InPage());
    Mouse().MouseUp(*pager, InPage());
    EXPECT_FALSE(pager->GetInsertButtonDown());
    EXPECT_EQ(inserted, 0);
    EXPECT_EQ(pager->GetVezPageCount(), 4);

    Mouse().Click(*pager, onInsert);
    EXPECT_EQ(inserted, 1);
    ASSERT_EQ(pager->GetVezPageCount(), 5);
    EXPECT_EQ(pager->GetActivePage()->GetCaption(), "VezOfficePage4");
    ExpectConsistent(*pager);

    Mouse().MouseMove(*form, {pager->GetLeft() + pager->GetWidth() + 20, 280});
    EXPECT_FALSE(pager->GetInsertButtonHot()) << "the mouse has gone";
}

TEST_F(PagerMouseTest, CheckBoxTogglesOncePerReleaseInsideIt)
{
    pager->VezPages(1)->SetShowCheckBox(true);
    pager->UpdateScroller();
    const plat::TRect box = pager->Layout().GetCheckBoxRect(1);
    ASSERT_FALSE(box.IsEmpty());
    const plat::TPoint inBox{(box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2};
    Mouse().Click(*pager, inBox);
    EXPECT_TRUE(pager->VezPages(1)->GetChecked());
    Mouse().Click(*pager, inBox);
    EXPECT_FALSE(pager->VezPages(1)->GetChecked());
    EXPECT_EQ(std::count(events.begin(), events.end(), "check 1"), 2);

    events.clear();
    const plat::TRect tab = pager->GetTabRect(1);
    Mouse().Click(*pager, {box.Left > tab.Left + 2 ? tab.Left + 1 : tab.Right - 2, (tab.Top + tab.Bottom) / 2});
    EXPECT_FALSE(pager->VezPages(1)->GetChecked()) << "the tab outside its box";
    EXPECT_EQ(std::count(events.begin(), events.end(), "check 1"), 0);
}

TEST_F(PagerMouseTest, DoubleClickOnATabOnly)
{
    Mouse().DoubleClick(*pager, TabCentre(2));
    EXPECT_EQ(std::count(events.begin(), events.end(), "double 2"), 1);
    events.clear();
    Mouse().DoubleClick(*pager, InPage());
    EXPECT_EQ(std::count(events.begin(), events.end(), "double 2"), 0);
}

TEST_F(PagerMouseTest, HintsNameTheTabTheInsertButtonOrNothing)
{
    pager->VezPages(1)->SetTabHint("second page");
    pager->ButtonSettings().SetShowInsertButton(true);
    pager->ButtonSettings().SetInsertButtonHint("add one");
    pager->UpdateScroller();
    const plat::TRect r = pager->Layout().GetInsertButtonRect();
    const plat::TPoint onInsert{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    auto hintAt = [&](plat::TPoint Pos) {
        Mouse().MouseMove(*pager, Pos);
        plat::THintInfo info;
        info.HintControl = pager;
        info.CursorPos = Pos;
        info.HintStr = "pager hint";
        pager->Perform(plat::CM_HINTSHOW, 0, reinterpret_cast<plat::LPARAM>(&info));
        return info.HintStr;
    };
    EXPECT_EQ(hintAt(TabCentre(1)), "") << "tab hints are off";
    EXPECT_EQ(hintAt(onInsert), "add one");
    pager->SetShowTabHint(true);
    EXPECT_EQ(hintAt(TabCentre(1)), "second page");
    EXPECT_EQ(hintAt(InPage()), "pager hint");
    EXPECT_EQ(hintAt(TabCentre(1)), "second page");
    const plat::TRect page = pager->GetPageRect();
    EXPECT_EQ(hintAt({page.Left, page.Top + 1}), "pager hint") << "the page's edge, off the tabs";
    EXPECT_EQ(pager->GetHotPageIndex(), -1);
}

}  // namespace
}  // namespace skelda::pager::testing
