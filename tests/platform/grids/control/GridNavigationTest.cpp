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
    // The centre of a cell in view.
    TPoint At(int ACol, int ARow) const
    {
        const TRect r = grid->CellRect(ACol, ARow);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
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

TEST_F(GridNavigationTest, ClickSelectsAndDragSelectsARange)
{
    EventLog log;
    grid->OnClick = log.Notify("click");
    ui.Simulator().Click(*grid, At(3, 2));
    EXPECT_EQ(grid->GetCol(), 3);
    EXPECT_EQ(grid->GetRow(), 2);
    EXPECT_THAT(log.Entries(), ElementsAre("click"));

    ui.Simulator().Drag(*grid, At(2, 2), At(4, 5));
    EXPECT_EQ(grid->GetSelection(), (TGridRect{2, 2, 4, 5}));
    // The cell pressed stays the current one; the range grows from it.
    EXPECT_EQ(grid->GetCol(), 2);
    EXPECT_EQ(grid->GetRow(), 2);
    EXPECT_EQ(grid->GetGridState(), gsNormal);

    ui.Simulator().Click(*grid, At(5, 6), mbLeft, {ssShift});
    EXPECT_EQ(grid->GetSelection(), (TGridRect{2, 2, 5, 6}));

    // Fixed cells take no selection.
    ui.Simulator().Click(*grid, At(0, 7));
    EXPECT_EQ(grid->GetSelection(), (TGridRect{2, 2, 5, 6}));
}

TEST_F(GridNavigationTest, DraggingAHeaderLineSizesOnlyWithTheSizingOption)
{
    struct Case {
        bool columns;
        bool allowed;
    };
    for (const Case c : {Case{true, false}, Case{true, true}, Case{false, false}, Case{false, true}}) {
        SCOPED_TRACE(::testing::Message() << (c.columns ? "column" : "row")
                                          << (c.allowed ? " allowed" : " not allowed"));
        grid->SetDefaultColWidth(64);
        grid->SetDefaultRowHeight(24);
        TGridOptions options = grid->GetOptions().Exclude(goColSizing).Exclude(goRowSizing);
        if (c.allowed)
            options.Include(c.columns ? goColSizing : goRowSizing);
        grid->SetOptions(options);
        // The line after column 2 (row 2), grabbed one pixel inside it, in the header.
        const TRect cell = grid->CellRect(2, 2);
        const TPoint from = c.columns ? TPoint{cell.Right - 1, 10} : TPoint{10, cell.Bottom - 1};
        const TPoint to = c.columns ? TPoint{from.X + 30, 10} : TPoint{10, from.Y + 15};
        ui.Clock().Advance(1000);
        ui.Simulator().Drag(*grid, from, to);
        EXPECT_EQ(grid->GetColWidths(2), c.columns && c.allowed ? 94 : 64);
        EXPECT_EQ(grid->GetRowHeights(2), !c.columns && c.allowed ? 39 : 24);
        EXPECT_EQ(grid->GetGridState(), gsNormal);
    }
}

TEST_F(GridNavigationTest, DraggingAHeaderMovesItsColumnOrRowWithTheMovingOption)
{
    EventLog log;
    grid->OnColumnMoved = [&](TObject*, int From, int To) {
        log.Add("column " + std::to_string(From) + ">" + std::to_string(To));
    };
    grid->OnRowMoved = [&](TObject*, int From, int To) {
        log.Add("row " + std::to_string(From) + ">" + std::to_string(To));
    };
    grid->SetCells(2, 0, "C2");
    grid->SetCells(0, 3, "R3");

    ui.Simulator().Drag(*grid, At(2, 0), At(4, 0));
    ui.Simulator().Drag(*grid, At(0, 3), At(0, 1));
    EXPECT_THAT(log.Entries(), ::testing::IsEmpty());

    grid->SetOptions(grid->GetOptions().Include(goColMoving).Include(goRowMoving));
    ui.Simulator().Drag(*grid, At(2, 0), At(4, 0));
    ui.Simulator().Drag(*grid, At(0, 3), At(0, 1));
    EXPECT_THAT(log.Entries(), ElementsAre("column 2>4", "row 3>1"));
    EXPECT_EQ(grid->GetCells(4, 0), "C2");
    EXPECT_EQ(grid->GetCells(0, 1), "R3");
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
