// Reordering tabs by dragging them with the arrow that shows where they land.

#include "pager/office/TArrowWindow.h"
#include "tests/pager/office/PagerFixture.h"

namespace skelda::pager::testing {
namespace {

class PagerReorderTest : public PagerTest {
protected:
    PagerReorderTest()
    {
        AddPages(4);
        pager->SetActivePageIndex(0);
        pager->SetTabReorder(true);
        RecordEvents();
    }
    plat::TPoint TabCentre(int Index) const
    {
        const plat::TRect r = pager->GetTabRect(Index);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    plat::testing::InputSimulator& Mouse() { return ui.Simulator(); }
    bool ArrowShows() const { return pager->GetArrowWindow() && pager->GetArrowWindow()->GetVisible(); }
};

TEST_F(PagerReorderTest, DraggingATabShowsTheArrowOverTheTargetAndDropsThePageThere)
{
    pager->SetTabReorderIndicatorColor(0x00A0FF);
    Mouse().MouseDown(*pager, TabCentre(0));
    EXPECT_FALSE(ArrowShows()) << "the arrow waits for the drag";
    Mouse().MouseMove(*pager, {TabCentre(0).X + 10, TabCentre(0).Y});
    Mouse().MouseMove(*pager, TabCentre(2));
    ASSERT_TRUE(ArrowShows());
    const TArrowWindow& arrow = *pager->GetArrowWindow();
    const plat::TRect target = pager->GetTabRect(2);
    EXPECT_EQ(arrow.Dir, arrDown);
    EXPECT_EQ(arrow.GetColor(), plat::TColor{0x00A0FF});
    EXPECT_EQ(plat::TPoint(arrow.GetLeft(), arrow.GetTop()),
              pager->ClientToScreen({target.Left + target.Width() / 2, target.Top - TArrowWindow::kSidePx}));
    events.clear();
    Mouse().MouseUp(*pager, TabCentre(2));
    EXPECT_EQ(Captions(), "BCAD");
    EXPECT_EQ(events, (std::vector<std::string>{"changing 0>2", "change", "moved 0>2"}));
    EXPECT_EQ(pager->GetActivePage()->GetCaption(), "A");
    EXPECT_FALSE(ArrowShows()) << "hidden after the drop";
    ExpectConsistent(*pager);
}

TEST_F(PagerReorderTest, DropsThatMoveNothing)
{
    struct Case {
        const char* Name;
        plat::TPoint To;
        bool Reorder;
    };
    const plat::TRect page = pager->GetPageRect();
    const Case cases[] = {
        {"onto its own tab", {TabCentre(1).X + 6, TabCentre(1).Y}, true},
        {"released 3 pixels away, before the drag starts", {TabCentre(1).X + 3, TabCentre(1).Y}, true},
        {"into the page", {(page.Left + page.Right) / 2, (page.Top + page.Bottom) / 2}, true},
        {"without TabReorder", TabCentre(3), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        pager->SetTabReorder(c.Reorder);
        Mouse().Drag(*pager, TabCentre(1), c.To);
        EXPECT_EQ(Captions(), "ABCD");
        EXPECT_FALSE(ArrowShows());
        ExpectConsistent(*pager);
    }
}

TEST_F(PagerReorderTest, AVetoedSwitchStillMovesTheTabTheDragStartedOn)
{
    allowChange = false;
    Mouse().Drag(*pager, TabCentre(1), TabCentre(3));
    EXPECT_EQ(Captions(), "ACDB");
    EXPECT_EQ(pager->GetActivePage()->GetCaption(), "A");
    EXPECT_EQ(events.back(), "moved 1>3");
    ExpectConsistent(*pager);
}

TEST_F(PagerReorderTest, SideTabsGetAnArrowLeftOfTheTargetAndAPositionChangeFreesIt)
{
    pager->SetTabPosition(tpLeft);
    Mouse().MouseDown(*pager, TabCentre(3));
    Mouse().MouseMove(*pager, {TabCentre(3).X, TabCentre(3).Y - 8});
    Mouse().MouseMove(*pager, TabCentre(1));
    ASSERT_TRUE(ArrowShows());
    const TArrowWindow* arrow = pager->GetArrowWindow();
    const plat::TRect target = pager->GetTabRect(1);
    EXPECT_EQ(arrow->Dir, arrLeft);
    EXPECT_EQ(plat::TPoint(arrow->GetLeft(), arrow->GetTop()),
              pager->ClientToScreen({target.Left - TArrowWindow::kSidePx, target.Top + target.Height() / 2}));
    Mouse().KeyPress(0x1B);  // Escape
    EXPECT_FALSE(ArrowShows()) << "a cancelled drag hides it";
    Mouse().MouseUp(*pager, TabCentre(1));
    EXPECT_EQ(Captions(), "ABCD");
    const plat::TControlRef<TArrowWindow> alive(pager->GetArrowWindow());
    pager->SetTabPosition(tpTop);
    EXPECT_FALSE(alive);
    EXPECT_EQ(pager->GetArrowWindow(), nullptr);
}

}  // namespace
}  // namespace skelda::pager::testing
