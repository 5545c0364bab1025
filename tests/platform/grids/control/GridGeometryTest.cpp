#include "GridTestSupport.h"

#include "platform/controls/core/ScrollBarCodes.h"
#include "platform/grids/EInvalidGridOperation.h"
#include "platform/grids/GridLimits.h"
#include "platform/system/SystemMetrics.h"

#include <QCoreApplication>
#include <QScrollBar>

#include <functional>
#include <string>
#include <utility>

using namespace plat;
using namespace plat::testing;

namespace {

using GridGeometryTest = GridTest;

TEST_F(GridGeometryTest, BadCountsSizesAndIndexesRaiseAndChangeNothing)
{
    struct Case {
        const char* what;
        std::function<void(TCustomGrid&)> act;
        std::string message;
    };
    const Case cases[] = {
        {"fixed columns as many as columns", [](TCustomGrid& g) { g.SetFixedCols(5); },
         "Fixed column count must be less than column count"},
        {"fixed rows beyond the rows", [](TCustomGrid& g) { g.SetFixedRows(6); },
         "Fixed row count must be less than row count"},
        {"negative fixed columns", [](TCustomGrid& g) { g.SetFixedCols(-1); }, "Grid index out of range"},
        {"rows beyond the limit", [](TCustomGrid& g) { g.SetRowCount(MaxGridRows + 1); },
         "Grid too large for operation"},
        {"columns beyond the limit", [](TCustomGrid& g) { g.SetColCount(MaxGridCols + 1); },
         "Grid too large for operation"},
        {"width of a column beyond the count", [](TCustomGrid& g) { g.SetColWidths(5, 10); },
         "Grid index out of range"},
        {"height of a negative row", [](TCustomGrid& g) { g.SetRowHeights(-1, 10); }, "Grid index out of range"},
        {"negative line width", [](TCustomGrid& g) { g.SetGridLineWidth(-1); }, "Grid size out of range"},
        {"negative default width", [](TCustomGrid& g) { g.SetDefaultColWidth(-3); }, "Grid size out of range"},
        {"current column beyond the count", [](TCustomGrid& g) { g.SetCol(5); }, "Grid index out of range"},
        {"moving a row beyond the count", [](TCustomGrid& g) { g.MoveRow(1, 5); }, "Grid index out of range"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            c.act(*grid);
            ADD_FAILURE() << "nothing raised";
        } catch (const EInvalidGridOperation& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
        EXPECT_EQ(grid->GetColCount(), 5);
        EXPECT_EQ(grid->GetRowCount(), 5);
        EXPECT_EQ(grid->GetFixedCols(), 1);
        EXPECT_EQ(grid->GetFixedRows(), 1);
        EXPECT_EQ(grid->GetColWidths(2), 64);
        EXPECT_EQ(grid->GetGridLineWidth(), 1);
        EXPECT_EQ(grid->GetCol(), 1);
    }
}

TEST_F(GridGeometryTest, ShrinkingCountsTakesFixedCountsAndTheCurrentCellAlong)
{
    grid->SetFixedRows(3);
    grid->SetRowCount(2);
    EXPECT_EQ(grid->GetFixedRows(), 1);
    grid->SetColCount(0);
    EXPECT_EQ(grid->GetColCount(), 1);
    EXPECT_EQ(grid->GetFixedCols(), 0);

    grid->SetColCount(8);
    grid->SetRowCount(8);
    grid->SetFixedCols(1);
    grid->SetFixedRows(1);
    grid->SetCol(6);
    grid->SetRow(7);
    grid->SetRowCount(4);
    grid->SetColCount(3);
    EXPECT_EQ(grid->GetCol(), 2);
    EXPECT_EQ(grid->GetRow(), 3);
    // Reading a width beyond the count answers the default, as the widget library did.
    EXPECT_EQ(grid->GetColWidths(10), grid->GetDefaultColWidth());
}

// Every cell rectangle and every client pixel's cell, against positions summed the slow way,
// for grids scrolled both ways with fixed cells, mixed sizes, hidden columns and rows and
// different line widths.
TEST_F(GridGeometryTest, CellRectAndMouseCoordAgreeWithTheLayoutEverywhere)
{
    struct Layout {
        int fixedCols, fixedRows, leftCol, topRow, lineWidthPx, hiddenCol, hiddenRow;
    };
    const Layout layouts[] = {
        {2, 1, 2, 1, 1, -1, -1},
        {2, 1, 4, 7, 1, 5, 9},
        {0, 0, 3, 10, 0, -1, 12},
        {1, 2, 1, 20, 3, 1, 2},
    };
    const int widthsPx[] = {30, 45, 64, 20, 64, 64, 70, 25, 64};
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(::testing::Message() << "fixed " << layout.fixedCols << "x" << layout.fixedRows << ", left "
                                        << layout.leftCol << ", top " << layout.topRow);
        grid->SetColCount(9);
        grid->SetRowCount(40);
        grid->SetFixedCols(layout.fixedCols);
        grid->SetFixedRows(layout.fixedRows);
        grid->SetGridLineWidth(layout.lineWidthPx);
        grid->SetBounds(0, 0, 300, 200);
        NaiveAxis cols{{}, layout.lineWidthPx, layout.fixedCols, layout.leftCol};
        NaiveAxis rows{{}, layout.lineWidthPx, layout.fixedRows, layout.topRow};
        for (int c = 0; c < 9; ++c) {
            cols.SizesPx.push_back(c == layout.hiddenCol ? 0 : widthsPx[c]);
            grid->SetColWidths(c, cols.SizesPx.back());
        }
        for (int r = 0; r < 40; ++r) {
            rows.SizesPx.push_back(r == layout.hiddenRow ? 0 : r % 3 == 0 ? 30 : 18);
            grid->SetRowHeights(r, rows.SizesPx.back());
        }
        grid->SetLeftCol(layout.leftCol);
        grid->SetTopRow(layout.topRow);
        ASSERT_EQ(grid->GetLeftCol(), layout.leftCol);
        ASSERT_EQ(grid->GetTopRow(), layout.topRow);

        for (int c = 0; c < 9; ++c) {
            for (int r = 0; r < 40; ++r) {
                const std::optional<int> x = cols.Start(c);
                const std::optional<int> y = rows.Start(r);
                TRect expected;
                if (x && y && *x < 300 && *y < 200 && cols.SizesPx[c] > 0 && rows.SizesPx[r] > 0)
                    expected = Rect(*x, *y, std::min(*x + cols.SizesPx[c], 300), std::min(*y + rows.SizesPx[r], 200));
                ASSERT_EQ(grid->CellRect(c, r), expected) << "cell " << c << "," << r;
            }
        }
        std::vector<int> colAt(300), rowAt(200);
        for (int x = 0; x < 300; ++x)
            colAt[x] = cols.IndexAt(x);
        for (int y = 0; y < 200; ++y)
            rowAt[y] = rows.IndexAt(y);
        for (int x = 0; x < 300; ++x) {
            for (int y = 0; y < 200; ++y) {
                const bool inside = colAt[x] >= 0 && rowAt[y] >= 0;
                const TGridCoord expected = inside ? TGridCoord{colAt[x], rowAt[y]} : TGridCoord{-1, -1};
                ASSERT_EQ(grid->MouseCoord(x, y), expected) << "pixel " << x << "," << y;
            }
        }
        EXPECT_EQ(grid->MouseCoord(-1, 5), (TGridCoord{-1, -1}));
        EXPECT_EQ(grid->MouseCoord(300, 5), (TGridCoord{-1, -1}));
        EXPECT_EQ(grid->CellRect(9, 0), TRect{});
        grid->SetFixedCols(0);
        grid->SetFixedRows(0);
    }
}

// 100 rows of 24 pixels and a line in a client area 300 high: the fixed row takes 25, eleven
// rows fit below it, and the last row shows whole from row 89 on.
class GridScrollTest : public GridTest {
protected:
    void SetUp() override
    {
        GridTest::SetUp();
        grid->SetRowCount(100);
        grid->SetScrollBars(ssVertical);
    }
    void Scroll(unsigned Code, int Pos = 0) { grid->Perform(WM_VSCROLL, MAKEWPARAM(static_cast<int>(Code), Pos), 0); }
    // The vertical bar on the grid's window, nullptr when none shows.
    QScrollBar* VerticalBar() const
    {
        for (QScrollBar* bar : grid->Handle()->findChildren<QScrollBar*>())
            if (bar->orientation() == Qt::Vertical && bar->isVisibleTo(grid->Handle()))
                return bar;
        return nullptr;
    }
};

TEST_F(GridScrollTest, TopRowStaysWithinTheScrolledRows)
{
    EXPECT_EQ(grid->GetVisibleRowCount(), 11);
    grid->SetTopRow(1000);
    EXPECT_EQ(grid->GetTopRow(), 99);
    EXPECT_EQ(grid->GetVisibleRowCount(), 1);
    grid->SetTopRow(-5);
    EXPECT_EQ(grid->GetTopRow(), 1);
    // A new size brings a view beyond the last full page back.
    grid->SetTopRow(95);
    grid->SetHeight(299);
    EXPECT_EQ(grid->GetTopRow(), 90);
}

TEST_F(GridScrollTest, ScrollRequestsMoveTheTopRowByRowsAndPages)
{
    struct Case {
        const char* what;
        int fromTopRow;
        unsigned code;
        int pos;
        bool thumbTracking;
        int topRow;
    };
    const Case cases[] = {
        {"line down", 1, SB_LINEDOWN, 0, false, 2},
        {"line up at the top", 1, SB_LINEUP, 0, false, 1},
        {"page down", 1, SB_PAGEDOWN, 0, false, 12},
        {"page up near the top", 5, SB_PAGEUP, 0, false, 1},
        {"line down at the bottom", 89, SB_LINEDOWN, 0, false, 89},
        {"bottom", 1, SB_BOTTOM, 0, false, 89},
        {"top", 50, SB_TOP, 0, false, 1},
        {"thumb at the end", 1, SB_THUMBPOSITION, 127, false, 89},
        {"thumb half way", 1, SB_THUMBPOSITION, 64, false, 45},
        {"thumb dragged without tracking", 1, SB_THUMBTRACK, 64, false, 1},
        {"thumb dragged with tracking", 1, SB_THUMBTRACK, 64, true, 45},
        {"end of scroll", 30, SB_ENDSCROLL, 0, false, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TGridOptions options = grid->GetOptions();
        grid->SetOptions(c.thumbTracking ? options.Include(goThumbTracking) : options.Exclude(goThumbTracking));
        grid->SetTopRow(c.fromTopRow);
        Scroll(c.code, c.pos);
        EXPECT_EQ(grid->GetTopRow(), c.topRow);
    }
    // The thumb shows where the view is: row 45 of rows 1 .. 89 is position 64 of 0 .. 127.
    grid->SetTopRow(45);
    EXPECT_EQ(grid->GetScrollInfo(SB_VERT), (TGridScrollInfo{0, 127, 0, 64, 64}));
}

TEST_F(GridScrollTest, BarsShowOnlyWhenNeededTakeTheirRoomAndScrollTheGrid)
{
    const int barWidthPx = GetSystemMetrics(SM_CXVSCROLL);
    const int barHeightPx = GetSystemMetrics(SM_CYHSCROLL);
    grid->SetScrollBars(ssBoth);
    EXPECT_EQ(grid->GetClientRect(), Rect(0, 0, 400 - barWidthPx, 300));
    grid->SetRowCount(5);
    EXPECT_EQ(grid->GetClientRect(), Rect(0, 0, 400, 300));
    grid->SetColCount(20);
    grid->SetRowCount(100);
    EXPECT_EQ(grid->GetClientRect(), Rect(0, 0, 400 - barWidthPx, 300 - barHeightPx));

    QScrollBar* vertical = VerticalBar();
    ASSERT_NE(vertical, nullptr);
    EXPECT_EQ(vertical->geometry(), QRect(400 - barWidthPx, 0, barWidthPx, 300 - barHeightPx));
    vertical->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(grid->GetTopRow(), 2);
    vertical->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(grid->GetTopRow(), grid->GetRowCount() - grid->GetVisibleRowCount());
    EXPECT_EQ(vertical->value(), 127);
}

TEST_F(GridScrollTest, AScrollHandlerMayRemakeTheWindowOrFreeTheGrid)
{
    grid->OnTopLeftChanged = [this](TObject*) { grid->SetBorderStyle(bsSingle); };
    VerticalBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(grid->GetTopRow(), 2);
    // The handler goes with the grid: nothing of it is touched after the delete.
    grid->OnTopLeftChanged = [this](TObject*) { delete std::exchange(grid, nullptr); };
    QScrollBar* bar = VerticalBar();
    ASSERT_NE(bar, nullptr);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(grid, nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
