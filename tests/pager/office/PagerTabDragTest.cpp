// The tab drag of a pager that lets tabs go: tearing a tab off into a floating window,
// reordering along the strip, docking back, a press in the floating window's clone, locked
// tabs and the end of the drag by release or by losing the capture.

#include "pager/office/TArrowWindow.h"
#include "platform/testing/Artifacts.h"
#include "platform/testing/Screenshot.h"
#include "tests/pager/office/PagerFixture.h"

#include <QPainter>

namespace skelda::pager::testing {
namespace {

class PagerTabDragTest : public PagerTest {
protected:
    PagerTabDragTest()
    {
        AddPages(3);
        pager->SetActivePageIndex(0);
        pager->SetAllowTabUndock(true);
        RecordEvents();
        pager->OnTabUnDock = [this](plat::TObject*, TVezOfficePage* Page) { events.push_back("undock " + Page->GetCaption()); };
        pager->OnTabDock = [this](plat::TObject*, TVezOfficePage* Page) { events.push_back("dock " + Page->GetCaption()); };
    }
    plat::TPoint TabCentre(int Index) const
    {
        const plat::TRect r = pager->GetTabRect(Index);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    plat::TRect Tabs() const { return pager->Layout().GetTabsRect(); }
    // The pointer to a screen point, through the control whose window was pressed.
    void MoveTo(plat::TControl& Pressed, plat::TPoint Screen) { Mouse().MouseMove(Pressed, Pressed.ScreenToClient(Screen)); }
    plat::testing::InputSimulator& Mouse() { return ui.Simulator(); }
    TVezOfficePage* FloatingB() const { return pager->FloatingPageCount() ? pager->FloatingPages(0) : nullptr; }
};

TEST_F(PagerTabDragTest, ATabTearsOffOnlyFarEnoughFromTheStrip)
{
    struct Case {
        const char* Name;
        int X;  // relative to the tabs rectangle's left (negative) or right (positive) edge, 0: tab B
        int Y;  // relative to its bottom (positive) or top (negative) edge, 0: on the strip
        bool TearsOff;
    };
    const Case cases[] = {
        {"9 below the row", 0, 9, false},
        {"10 below the row", 0, 10, true},
        {"10 above the row", 0, -10, false},
        {"11 above the row", 0, -11, true},
        {"99 beyond the row's right end", 99, 0, false},
        {"101 beyond the row's right end", 101, 0, true},
        {"100 before the row's left end", -100, 0, false},
        {"101 before the row's left end", -101, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        events.clear();
        const plat::TRect tabs = Tabs();
        const plat::TPoint from = TabCentre(1);
        const plat::TPoint to{c.X > 0 ? tabs.Right + c.X : c.X < 0 ? tabs.Left + c.X : from.X,
                              c.Y > 0 ? tabs.Bottom + c.Y : c.Y < 0 ? tabs.Top + c.Y : from.Y};
        Mouse().MouseDown(*pager, from);
        EXPECT_TRUE(pager->GetTabDragging());
        Mouse().MouseMove(*pager, to);
        EXPECT_EQ(pager->FloatingPageCount(), c.TearsOff ? 1 : 0);
        if (c.TearsOff) {
            TVezOfficePage* b = FloatingB();
            ASSERT_NE(b, nullptr);
            EXPECT_EQ(b->GetCaption(), "B");
            EXPECT_EQ(events.back(), "undock B");
            ASSERT_NE(b->GetFloatingWindow(), nullptr);
            // The window follows the pointer.
            const plat::TCustomForm* window = b->GetFloatingWindow();
            MoveTo(*pager, pager->ClientToScreen({to.X + 30, to.Y + 40}));
            const plat::TPoint first{window->GetLeft(), window->GetTop()};
            MoveTo(*pager, pager->ClientToScreen({to.X + 60, to.Y + 70}));
            EXPECT_EQ(plat::TPoint(window->GetLeft(), window->GetTop()), plat::TPoint(first.X + 30, first.Y + 30));
            EXPECT_TRUE(window->GetVisible());
        }
        Mouse().MouseUp(*pager, to);
        EXPECT_FALSE(pager->GetTabDragging());
        EXPECT_EQ(pager->FloatingPageCount(), c.TearsOff ? 1 : 0) << "the window stays where it was left";
        pager->ResetPages();
        ExpectConsistent(*pager);
    }
}

TEST_F(PagerTabDragTest, ReordersInsideTheDragOnlyPastFivePixels)
{
    pager->SetTabReorder(true);
    for (const int distance : {5, 6}) {
        SCOPED_TRACE(distance);
        events.clear();
        const plat::TRect a = pager->GetTabRect(0);
        const plat::TPoint from{a.Right - 1, TabCentre(0).Y};
        const plat::TPoint to{from.X + distance, from.Y};
        ASSERT_EQ(pager->IndexOfTabAt(to.X, to.Y), 1) << "onto the neighbouring tab";
        Mouse().MouseDown(*pager, from);
        Mouse().MouseMove(*pager, to);
        const TArrowWindow* arrow = pager->GetArrowWindow();
        EXPECT_EQ(arrow && arrow->GetVisible(), distance == 6);
        Mouse().MouseUp(*pager, to);
        EXPECT_EQ(Captions(), distance == 6 ? "BAC" : "ABC");
        EXPECT_FALSE(arrow && arrow->GetVisible());
        EXPECT_EQ(pager->FloatingPageCount(), 0);
        pager->ResetPages();
        ExpectConsistent(*pager);
    }
}

TEST_F(PagerTabDragTest, ATornOffTabDocksBackWhenDraggedOverTheStrip)
{
    Mouse().MouseDown(*pager, TabCentre(1));
    Mouse().MouseMove(*pager, {TabCentre(1).X, Tabs().Bottom + 40});
    TVezOfficePage* b = FloatingB();
    ASSERT_NE(b, nullptr);
    const int tabIndex = b->GetTabIndex();
    const plat::TControlRef<plat::TCustomForm> window(b->GetFloatingWindow());
    events.clear();
    Mouse().MouseMove(*pager, TabCentre(0));
    EXPECT_FALSE(window) << "the window is freed";
    EXPECT_EQ(Captions(), "ACB") << "appended";
    EXPECT_EQ(pager->GetActivePage(), b);
    EXPECT_EQ(b->GetTabIndex(), tabIndex);
    EXPECT_FALSE(b->GetFloating());
    EXPECT_EQ(events.back(), "dock B");
    Mouse().MouseUp(*pager, TabCentre(0));
    EXPECT_EQ(Captions(), "ACB");
    EXPECT_EQ(pager->FloatingPageCount(), 0);
    ExpectConsistent(*pager);
}

TEST_F(PagerTabDragTest, APressInTheCloneDragsOnTheOriginWhileTheWindowMovesUnderThePointer)
{
    pager->FloatPage(pager->VezPages(1), 700, 200, -1, -1);
    TVezOfficePage* b = FloatingB();
    TVezOfficePager* clone = b->GetVezOfficePager();
    const plat::TControlRef<plat::TCustomForm> window(b->GetFloatingWindow());
    const plat::TRect tab = clone->GetTabRect(0);
    plat::TPoint cursor = clone->ClientToScreen({(tab.Left + tab.Right) / 2, (tab.Top + tab.Bottom) / 2});
    Mouse().MouseDown(*clone, clone->ScreenToClient(cursor));
    EXPECT_TRUE(pager->GetTabDragging()) << "the origin drags";
    EXPECT_FALSE(clone->GetTabDragging());
    EXPECT_TRUE(pager->GetMouseCapture());
    EXPECT_TRUE(b->GetFloating());

    // Left and up in steps: the window moves by what the pointer moved.
    for (int step = 0; step < 3; ++step) {
        const plat::TPoint before{window->GetLeft(), window->GetTop()};
        cursor = {cursor.X - 50, cursor.Y - 20};
        MoveTo(*clone, cursor);
        if (step > 0) {
            EXPECT_EQ(window->GetLeft(), before.X - 50);
            EXPECT_EQ(window->GetTop(), before.Y - 20);
        }
    }
    // Onto the origin's strip: docked back.
    events.clear();
    MoveTo(*clone, pager->ClientToScreen(TabCentre(0)));
    EXPECT_FALSE(window);
    EXPECT_EQ(events, (std::vector<std::string>{"changing 0>2", "change", "dock B"}));
    Mouse().MouseUp(*pager, TabCentre(0));
    EXPECT_FALSE(pager->GetTabDragging());
    EXPECT_EQ(Captions(), "ACB");
    ExpectConsistent(*pager);
}

TEST_F(PagerTabDragTest, PictureOfATornOffPageBesideItsPager)
{
    pager->VezPages(1)->SetCaption("Detailed data");
    Mouse().MouseDown(*pager, TabCentre(1));
    Mouse().MouseMove(*pager, {TabCentre(1).X, Tabs().Bottom + 60});
    Mouse().MouseUp(*pager, {TabCentre(1).X, Tabs().Bottom + 60});
    ASSERT_NE(FloatingB(), nullptr);
    const QImage origin = plat::testing::Screenshot(*form);
    const QImage floating = plat::testing::Screenshot(*FloatingB()->GetFloatingWindow());
    QImage both(origin.width() + 20 + floating.width(), std::max(origin.height(), floating.height() + 40),
                QImage::Format_ARGB32);
    both.fill(Qt::white);
    QPainter painter(&both);
    painter.drawImage(0, 0, origin);
    painter.drawImage(origin.width() + 20, 40, floating);
    painter.end();
    EXPECT_TRUE(both.save(QString::fromStdString(plat::testing::ArtifactPath("pager-floating-page.png"))));
    EXPECT_EQ(floating.size(), QSize(400, 200)) << "the window's client area holds the clone";
}

TEST_F(PagerTabDragTest, ReleasedAwayFromTheStripTheCloneWindowStaysWhereItWasLeft)
{
    pager->FloatPage(pager->VezPages(1), 700, 200, -1, -1);
    TVezOfficePage* b = FloatingB();
    TVezOfficePager* clone = b->GetVezOfficePager();
    const plat::TRect tab = clone->GetTabRect(0);
    const plat::TPoint cursor = clone->ClientToScreen({(tab.Left + tab.Right) / 2, (tab.Top + tab.Bottom) / 2});
    Mouse().MouseDown(*clone, clone->ScreenToClient(cursor));
    MoveTo(*clone, {cursor.X + 100, cursor.Y + 60});
    const plat::TCustomForm* window = b->GetFloatingWindow();
    const plat::TPoint left{window->GetLeft(), window->GetTop()};
    Mouse().MouseUp(*clone, clone->ScreenToClient({cursor.X + 100, cursor.Y + 60}));
    EXPECT_FALSE(pager->GetTabDragging());
    EXPECT_EQ(b->GetFloatingWindow(), window);
    EXPECT_EQ(plat::TPoint(window->GetLeft(), window->GetTop()), left);
    EXPECT_EQ(pager->FloatingPageCount(), 1);
    EXPECT_EQ(Captions(), "AC");
}

TEST_F(PagerTabDragTest, LockedTabsNeitherTearOffNorReorderThroughTheDrag)
{
    pager->VezPages(1)->SetLocked(true);
    for (const bool reorder : {false, true}) {
        SCOPED_TRACE(reorder ? "with TabReorder: the plain drag" : "without TabReorder");
        pager->SetTabReorder(reorder);
        Mouse().MouseDown(*pager, TabCentre(1));
        EXPECT_FALSE(pager->GetTabDragging());
        EXPECT_EQ(pager->Dragging(), reorder);
        Mouse().MouseMove(*pager, {TabCentre(1).X, Tabs().Bottom + 40});
        Mouse().MouseUp(*pager, {TabCentre(1).X, Tabs().Bottom + 40});
        EXPECT_EQ(pager->FloatingPageCount(), 0);
        EXPECT_EQ(Captions(), "ABC");
    }
}

TEST_F(PagerTabDragTest, LosingTheCaptureEndsTheDragAsAReleaseDoes)
{
    pager->SetTabReorder(true);
    Mouse().MouseDown(*pager, TabCentre(0));
    Mouse().MouseMove(*pager, TabCentre(2));
    ASSERT_TRUE(pager->GetArrowWindow() && pager->GetArrowWindow()->GetVisible());
    plat::ReleaseCapture();
    EXPECT_FALSE(pager->GetTabDragging());
    EXPECT_EQ(Captions(), "BCA");
    EXPECT_FALSE(pager->GetArrowWindow()->GetVisible());
    // Further moves are ordinary moves.
    Mouse().MouseMove(*pager, {TabCentre(0).X, Tabs().Bottom + 40});
    Mouse().MouseUp(*pager, {TabCentre(0).X, Tabs().Bottom + 40});
    EXPECT_EQ(pager->FloatingPageCount(), 0);
    ExpectConsistent(*pager);
}

TEST_F(PagerTabDragTest, ATabPressedAndReleasedInPlaceIsStillClicked)
{
    pager->VezPages(0)->SetShowCheckBox(true);
    const plat::TRect tab = pager->GetTabRect(0);
    bool toggled = false;
    for (int x = tab.Left; x < tab.Right && !toggled; ++x)
        for (int y = tab.Top; y < tab.Bottom && !toggled; ++y) {
            Mouse().Click(*pager, {x, y});
            toggled = pager->VezPages(0)->GetChecked();
        }
    EXPECT_TRUE(toggled) << "the check box answers with the tab drag on";
    EXPECT_FALSE(pager->GetTabDragging());
}

}  // namespace
}  // namespace skelda::pager::testing
