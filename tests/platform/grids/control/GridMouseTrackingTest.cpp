#include "GridTestSupport.h"

#include "platform/controls/core/Messages.h"
#include "platform/testing/EventLog.h"
#include "platform/testing/ImageProbe.h"
#include "platform/testing/Screenshot.h"

#include <gmock/gmock.h>

#include <QImage>

#include <string>
#include <utility>

using namespace plat;
using namespace plat::testing;
using ::testing::ElementsAre;

namespace {

// What a press starts and the release ends: selecting, sizing and moving, the scrolling while
// the pointer is held beyond the edges, and the inverted marks. 10 columns by 100 rows in
// 400 x 300 pixels: five scrolled columns and eleven scrolled rows fit whole, the view goes as
// far as column 5 and row 89.
class GridMouseTrackingTest : public GridTest {
protected:
    void SetUp() override
    {
        GridTest::SetUp();
        grid->SetColCount(10);
        grid->SetRowCount(100);
    }
    // The scroll timer's period.
    static constexpr int TickMs = 60;
};

TEST_F(GridMouseTrackingTest, ClickSelectsAndDragSelectsARange)
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

TEST_F(GridMouseTrackingTest, DraggingAHeaderLineSizesOnlyWithTheSizingOption)
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

TEST_F(GridMouseTrackingTest, DraggingAHeaderMovesItsColumnOrRowWithTheMovingOption)
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

TEST_F(GridMouseTrackingTest, APointerHeldBeyondTheEdgesScrollsEveryTickAlongWhatIsTracked)
{
    struct Case {
        const char* what;
        int startTopRow;
        TGridOptions extraOptions;
        TPoint press;
        TPoint pointer;
        int topRow;
        int leftCol;
    };
    const TPoint below{150, 320};
    const TPoint right{420, 100};
    const TPoint beyondBoth{420, 320};
    const Case cases[] = {
        {"selecting, inside", 1, {}, At(2, 2), At(3, 5), 1, 1},
        {"selecting, below", 1, {}, At(2, 2), below, 4, 1},
        {"selecting, right", 1, {}, At(2, 2), right, 1, 4},
        {"selecting, beyond both", 1, {}, At(2, 2), beyondBoth, 4, 4},
        {"selecting, over the fixed row", 10, {}, {150, 200}, {150, 5}, 7, 1},
        {"selecting, below at the last page", 88, {}, At(2, 2), below, 89, 1},
        {"moving a column", 1, {goColMoving}, At(2, 0), beyondBoth, 1, 4},
        {"moving a row", 1, {goRowMoving}, At(0, 3), beyondBoth, 4, 1},
    };
    // Whole columns only, as the rows are: the cell under the pointer never needs scrolling
    // into view, so each tick moves the view by one.
    grid->SetWidth(390);
    const TGridOptions options = grid->GetOptions();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        grid->SetOptions(options + c.extraOptions);
        grid->SetLeftCol(1);
        grid->SetTopRow(c.startTopRow);
        ui.Clock().Advance(1000);  // no double click with the last case
        ui.Simulator().MouseDown(*grid, c.press);
        ui.Simulator().MouseMove(*grid, c.pointer);
        ui.Clock().Advance(TickMs - 1);
        EXPECT_EQ(grid->GetTopRow(), c.startTopRow) << "before the first tick";
        ui.Clock().Advance(1 + 2 * TickMs);
        EXPECT_EQ(grid->GetTopRow(), c.topRow);
        EXPECT_EQ(grid->GetLeftCol(), c.leftCol);
        // The release stops the scrolling.
        ui.Simulator().MouseUp(*grid, c.pointer);
        ui.Clock().Advance(3 * TickMs);
        EXPECT_EQ(grid->GetTopRow(), c.topRow);
        EXPECT_EQ(grid->GetLeftCol(), c.leftCol);
        EXPECT_EQ(grid->GetGridState(), gsNormal);
    }
}

TEST_F(GridMouseTrackingTest, ASelectionDraggedBelowTheGridGrowsWithTheView)
{
    ui.Simulator().MouseDown(*grid, At(2, 2));
    ui.Simulator().MouseMove(*grid, {150, 320});
    ui.Clock().Advance(TickMs);
    // The range reaches the last row in view, in the column under the pointer.
    EXPECT_EQ(grid->GetSelection(), (TGridRect{2, 2, 2, 12}));
    ui.Clock().Advance(2 * TickMs);
    EXPECT_EQ(grid->GetSelection(), (TGridRect{2, 2, 2, 14}));
    ui.Simulator().MouseUp(*grid, {150, 320});
    EXPECT_EQ(grid->GetSelection(), (TGridRect{2, 2, 2, 14}));
    EXPECT_EQ(grid->GetRow(), 2);
}

TEST_F(GridMouseTrackingTest, CancelModeEndsTrackingAndTheReleaseAppliesNothing)
{
    grid->SetOptions(grid->GetOptions() + TGridOptions{goColSizing, goColMoving});
    const TRect header = grid->CellRect(2, 0);
    struct Case {
        const char* what;
        TPoint press;
        TPoint pointer;
        TGridState state;
    };
    const Case cases[] = {
        {"sizing", {header.Right - 1, 10}, {header.Right + 30, 10}, gsColSizing},
        {"moving", At(2, 0), {420, 10}, gsColMoving},
        {"selecting", At(2, 2), {150, 320}, gsSelecting},
    };
    grid->SetCells(2, 0, "C2");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        grid->SetLeftCol(1);
        grid->SetTopRow(1);
        ui.Clock().Advance(1000);
        ui.Simulator().MouseDown(*grid, c.press);
        ui.Simulator().MouseMove(*grid, c.pointer);
        EXPECT_EQ(grid->GetGridState(), c.state);
        grid->Perform(WM_CANCELMODE);
        EXPECT_EQ(grid->GetGridState(), gsNormal);
        ui.Clock().Advance(3 * TickMs);
        ui.Simulator().MouseUp(*grid, c.pointer);
        EXPECT_EQ(grid->GetColWidths(2), 64);
        EXPECT_EQ(grid->GetCells(2, 0), "C2");
        EXPECT_EQ(grid->GetTopRow(), 1);
        EXPECT_EQ(grid->GetLeftCol(), 1);
    }
}

TEST_F(GridMouseTrackingTest, TheMoveMarkShowsWhereTheColumnWouldLandAndGoesWithTheRelease)
{
    grid->SetOptions(grid->GetOptions() + TGridOptions{goColMoving});
    const int y = At(2, 3).Y;
    // Column 2 dragged onto column 4 lands after it: the mark straddles the line between
    // columns 4 and 5, inverting the white cells next to it.
    const int edgePx = grid->CellRect(5, 3).Left;
    ui.Simulator().MouseDown(*grid, At(2, 0));
    ui.Simulator().MouseMove(*grid, At(4, 0));
    QImage image = Screenshot(*grid, "grid-move-mark.png");
    EXPECT_EQ(PixelAt(image, edgePx - 2, y), clWhite) << "left of the mark";
    EXPECT_EQ(PixelAt(image, edgePx + 1, y), clBlack) << "inside the mark";
    EXPECT_EQ(PixelAt(image, edgePx + 2, y), clWhite) << "right of the mark";
    // Back over its own column, the mark moves to the column's left edge.
    ui.Simulator().MouseMove(*grid, At(2, 0));
    image = Screenshot(*grid);
    EXPECT_EQ(PixelAt(image, edgePx + 1, y), clWhite);
    EXPECT_EQ(PixelAt(image, grid->CellRect(2, 3).Left, y), clBlack);
    ui.Simulator().MouseUp(*grid, At(2, 0));
    image = Screenshot(*grid);
    EXPECT_EQ(PixelAt(image, grid->CellRect(2, 3).Left, y), clWhite);
}

TEST_F(GridMouseTrackingTest, AHandlerThatFreesTheGridDuringADragStopsIt)
{
    // Row 11 is cut off at the bottom edge; dragging onto it scrolls it into view. The grid
    // must not be touched after the handler: the sanitizer build reports any use of it.
    grid->SetHeight(290);
    grid->OnTopLeftChanged = [this](TObject*) { delete std::exchange(grid, nullptr); };
    const int x = At(2, 2).X;
    ui.Simulator().MouseDown(*grid, At(2, 2));
    ui.Simulator().MouseMove(*form, {x, 285});
    EXPECT_EQ(grid, nullptr);
    ui.Simulator().MouseUp(*form, {x, 285});
    ui.Clock().Advance(3 * TickMs);
}

}  // namespace
