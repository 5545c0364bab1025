#include "GridTestSupport.h"

#include "platform/controls/core/VirtualKeys.h"
#include "platform/testing/EventLog.h"

#include <gmock/gmock.h>

#include <string>

using namespace plat;
using namespace plat::testing;
using ::testing::ElementsAre;

namespace {

// 10 columns by 100 rows in 400 x 300 pixels: five scrolled columns and eleven scrolled rows
// fit whole.
class GridNavigationTest : public GridTest {
protected:
    void SetUp() override
    {
        GridTest::SetUp();
        grid->SetColCount(10);
        grid->SetRowCount(100);
    }
    void Key(unsigned VirtualKey, TShiftState Shift = {}) { ui.Simulator().KeyPress(VirtualKey, Shift); }
};

TEST_F(GridNavigationTest, KeysMoveTheCurrentCellAndKeepItInView)
{
    struct Case {
        const char* what;
        int col, row;
        unsigned key;
        TShiftState shift;
        bool tabs;
        int expectedCol, expectedRow;
    };
    const Case cases[] = {
        {"down", 1, 1, VK_DOWN, {}, false, 1, 2},
        {"up at the first scrolled row", 1, 1, VK_UP, {}, false, 1, 1},
        {"right", 1, 1, VK_RIGHT, {}, false, 2, 1},
        {"left at the first scrolled column", 1, 1, VK_LEFT, {}, false, 1, 1},
        {"end", 3, 4, VK_END, {}, false, 9, 4},
        {"home", 5, 3, VK_HOME, {}, false, 1, 3},
        {"ctrl+end", 3, 4, VK_END, {ssCtrl}, false, 9, 99},
        {"ctrl+home", 5, 50, VK_HOME, {ssCtrl}, false, 1, 1},
        {"page down", 2, 1, VK_NEXT, {}, false, 2, 11},
        {"page up", 2, 50, VK_PRIOR, {}, false, 2, 40},
        {"page down at the end", 2, 95, VK_NEXT, {}, false, 2, 99},
        {"ctrl+page down: last row in view", 2, 1, VK_NEXT, {ssCtrl}, false, 2, 11},
        {"tab at the end of a row", 9, 1, VK_TAB, {}, true, 1, 2},
        {"shift+tab at the start of a row", 1, 2, VK_TAB, {ssShift}, true, 9, 1},
        {"tab at the last cell", 9, 99, VK_TAB, {}, true, 1, 1},
        {"tab without goTabs", 3, 3, VK_TAB, {}, false, 3, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TGridOptions options = grid->GetOptions();
        grid->SetOptions(c.tabs ? options.Include(goTabs) : options.Exclude(goTabs));
        grid->SetTopRow(1);
        grid->SetLeftCol(1);
        grid->SetCol(c.col);
        grid->SetRow(c.row);
        grid->SetFocus();
        Key(c.key, c.shift);
        EXPECT_EQ(grid->GetCol(), c.expectedCol);
        EXPECT_EQ(grid->GetRow(), c.expectedRow);
        EXPECT_EQ(grid->GetSelection(), (TGridRect{c.expectedCol, c.expectedRow, c.expectedCol, c.expectedRow}));
        const TRect shown = grid->CellRect(grid->GetCol(), grid->GetRow());
        EXPECT_EQ(shown.Width(), grid->GetColWidths(grid->GetCol()));
        EXPECT_EQ(shown.Height(), grid->GetRowHeights(grid->GetRow()));
    }
}

TEST_F(GridNavigationTest, ShiftExtendsTheSelectionOnlyWithRangeSelect)
{
    grid->SetCol(2);
    grid->SetRow(3);
    Key(VK_DOWN, {ssShift});
    Key(VK_RIGHT, {ssShift});
    EXPECT_EQ(grid->GetSelection(), (TGridRect{2, 3, 3, 4}));
    EXPECT_EQ(grid->GetRow(), 4);

    grid->SetOptions(grid->GetOptions().Exclude(goRangeSelect));
    Key(VK_DOWN, {ssShift});
    EXPECT_EQ(grid->GetSelection(), (TGridRect{3, 5, 3, 5}));
}

TEST_F(GridNavigationTest, RowSelectScrollsSidewaysAndSelectsWholeRows)
{
    grid->SetOptions(grid->GetOptions().Include(goRowSelect));
    grid->SetRow(4);
    Key(VK_RIGHT);
    Key(VK_RIGHT);
    EXPECT_EQ(grid->GetCol(), 1);
    EXPECT_EQ(grid->GetLeftCol(), 3);
    Key(VK_HOME);
    EXPECT_EQ(grid->GetLeftCol(), 1);
    EXPECT_EQ(grid->GetCol(), 1);
    Key(VK_DOWN);
    EXPECT_EQ(grid->GetSelection(), (TGridRect{1, 5, 9, 5}));
}

TEST_F(GridNavigationTest, SelectCellRefusalKeepsTheCurrentCellWhateverMovesIt)
{
    EventLog log;
    grid->OnSelectCell = [&](TObject*, int ACol, int ARow, bool& CanSelect) {
        log.Add(std::to_string(ACol) + "," + std::to_string(ARow));
        CanSelect = ARow != 4;
    };
    grid->SetRow(3);
    log.Clear();
    Key(VK_DOWN);
    ui.Simulator().Click(*grid, At(2, 4));
    grid->SetRow(4);
    EXPECT_EQ(grid->GetCol(), 1);
    EXPECT_EQ(grid->GetRow(), 3);
    EXPECT_THAT(log.Entries(), ElementsAre("1,4", "2,4", "1,4"));
    Key(VK_RIGHT);
    EXPECT_EQ(grid->GetCol(), 2);
}

TEST_F(GridNavigationTest, WheelMovesTheCurrentRowUnlessTheEventTakesIt)
{
    grid->SetRow(5);
    ui.Simulator().Wheel(*grid, At(2, 2), -120);
    EXPECT_EQ(grid->GetRow(), 6);
    ui.Simulator().Wheel(*grid, At(2, 2), 240);
    EXPECT_EQ(grid->GetRow(), 4);
    grid->OnMouseWheelDown = [](TObject*, TShiftState, TPoint, bool& Handled) { Handled = true; };
    ui.Simulator().Wheel(*grid, At(2, 2), -120);
    EXPECT_EQ(grid->GetRow(), 4);
}

}  // namespace
