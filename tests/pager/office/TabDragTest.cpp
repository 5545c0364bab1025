// The tab drag's steps on a fake pager: which way the pointer must go, and how far, before a tab
// tears off or is reordered, for a row of tabs and for a column.

#include "pager/office/TPagerTabDrag.h"
#include "pager/office/TVezOfficePage.h"
#include "platform/testing/UiTestEnvironment.h"

#include <gtest/gtest.h>

#include <string>

namespace skelda::pager {
namespace {

// A pager whose client coordinates are the screen's, its tabs in Tabs; it records what the drag
// asks of it.
class FakeTabDragHost : public ITabDragHost {
public:
    void SetDragCapture(bool) override {}
    std::optional<TTabDragSpot> SpotOf(const TVezOfficePage&, plat::TPoint Screen) const override
    {
        return TTabDragSpot{Tabs, Screen, true};
    }
    plat::TCustomForm* TearOff(TVezOfficePage&, plat::TPoint) override
    {
        Done += "tear off;";
        return nullptr;
    }
    bool ShowReorderTarget(TVezOfficePage&, plat::TPoint) override
    {
        Done += "reorder;";
        return true;
    }
    void HideReorderTarget(TVezOfficePage&) override {}
    bool DocksHere(const TVezOfficePage&) const override { return true; }
    void DockBack(TVezOfficePage&) override { Done += "dock;"; }
    void FinishReorder(TVezOfficePage&, plat::TPoint, bool Drop) override
    {
        if (Drop)
            Done += "drop;";
    }
    void TabDragEnded(TVezOfficePage*) override {}

    plat::TRect Tabs;
    std::string Done;
};

TEST(TabDragTest, TearOffAndReorderGoByTheAxesOfTheTabs)
{
    plat::testing::UiTestEnvironment ui;
    TVezOfficePage page(nullptr);
    const plat::TRect row{0, 0, 300, 24};
    const plat::TRect column{0, 0, 24, 300};
    const plat::TPoint pressed{12, 100};
    const struct {
        const char* Name;
        bool Row;
        plat::TPoint To;
        const char* Done;
    } cases[] = {
        {"row: 9 below", true, {100, 33}, ""},
        {"row: 10 below", true, {100, 34}, "tear off;"},
        {"row: 100 beyond its end", true, {400, 12}, ""},
        {"row: 101 beyond its end", true, {401, 12}, "tear off;"},
        {"row: 6 along", true, {18, 12}, "reorder;drop;"},
        {"column: 9 right of it", false, {33, 100}, ""},
        {"column: 10 right of it", false, {34, 100}, "tear off;"},
        {"column: 10 left of it", false, {-10, 100}, ""},
        {"column: 11 left of it", false, {-11, 100}, "tear off;"},
        {"column: 100 above it", false, {12, -100}, ""},
        {"column: 101 above it", false, {12, -101}, "tear off;"},
        {"column: 101 below it", false, {12, 401}, "tear off;"},
        {"column: 5 along", false, {12, 105}, ""},
        {"column: 6 along", false, {12, 106}, "reorder;drop;"},
        {"column: 6 across, inside", false, {18, 100}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        FakeTabDragHost host;
        host.Tabs = c.Row ? row : column;
        TPagerTabDrag drag(host);
        drag.Begin(page, c.Row ? plat::TPoint{12, 12} : pressed, {}, {}, c.Row);
        drag.Move(c.To);
        const bool dragged = drag.Release(c.To);
        EXPECT_EQ(host.Done, c.Done);
        EXPECT_EQ(dragged, !host.Done.empty()) << "a press that moved nothing is a click";
        EXPECT_FALSE(drag.Dragging());
    }
}

}  // namespace
}  // namespace skelda::pager
