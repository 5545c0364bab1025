#include "GridTestSupport.h"

#include "platform/grids/TDrawGrid.h"
#include "platform/testing/ImageProbe.h"
#include "platform/testing/Screenshot.h"

#include <gmock/gmock.h>

#include <QImage>

#include <map>
#include <set>
#include <utility>

using namespace plat;
using namespace plat::testing;

namespace {

struct PaintedCell {
    TRect rect;
    TGridDrawState state;
};

// A draw grid that records the cells its paint loop asks for.
class RecordingGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form->SetBounds(0, 0, 800, 600);
        grid = new TDrawGrid(form);
        grid->SetBorderStyle(bsNone);
        grid->SetScrollBars(ssNone);
        grid->SetBounds(0, 0, 300, 200);
        grid->SetParent(form);
        grid->OnDrawCell = [this](TObject*, int ACol, int ARow, TRect Rect, TGridDrawState State) {
            EXPECT_TRUE(painted.emplace(std::pair{ACol, ARow}, PaintedCell{Rect, State}).second)
                << "cell " << ACol << "," << ARow << " painted twice";
        };
        form->Show();
        grid->SetFocus();
    }
    void Paint()
    {
        painted.clear();
        Screenshot(*grid);
    }

    UiTestEnvironment ui;
    TForm* form = new TForm(Application);
    TDrawGrid* grid = nullptr;
    std::map<std::pair<int, int>, PaintedCell> painted;
};

TEST_F(RecordingGridTest, DrawCellIsAskedForExactlyTheCellsInView)
{
    grid->SetColCount(12);
    grid->SetRowCount(60);
    grid->SetFixedCols(2);
    grid->SetFixedRows(1);
    NaiveAxis cols{{}, 1, 2, 5};
    NaiveAxis rows{{}, 1, 1, 20};
    for (int c = 0; c < 12; ++c) {
        cols.SizesPx.push_back(c == 7 ? 0 : 30 + 7 * (c % 4));
        grid->SetColWidths(c, cols.SizesPx.back());
    }
    for (int r = 0; r < 60; ++r) {
        rows.SizesPx.push_back(r == 22 ? 0 : r % 5 == 0 ? 35 : 20);
        grid->SetRowHeights(r, rows.SizesPx.back());
    }
    grid->SetCol(6);
    grid->SetRow(21);
    grid->SetLeftCol(5);
    grid->SetTopRow(20);
    grid->SetSelection({5, 20, 6, 21});

    Paint();
    std::set<std::pair<int, int>> expected;
    for (int c = 0; c < 12; ++c)
        for (int r = 0; r < 60; ++r)
            if (cols.Start(c) && rows.Start(r) && *cols.Start(c) < 300 && *rows.Start(r) < 200 && cols.SizesPx[c] > 0 &&
                rows.SizesPx[r] > 0)
                expected.insert({c, r});
    std::set<std::pair<int, int>> asked;
    for (const auto& [cell, paint] : painted) {
        asked.insert(cell);
        const auto [c, r] = cell;
        EXPECT_EQ(paint.rect, Bounds(*cols.Start(c), *rows.Start(r), cols.SizesPx[c], rows.SizesPx[r]));
        const bool fixed = c < 2 || r < 1;
        TGridDrawState state;
        if (fixed)
            state.Include(gdFixed);
        if (!fixed && c >= 5 && c <= 6 && r >= 20 && r <= 21)
            state.Include(gdSelected);
        if (c == 6 && r == 21)
            state.Include(gdFocused);
        EXPECT_EQ(paint.state, state) << "cell " << c << "," << r;
    }
    EXPECT_EQ(asked, expected);
}

TEST_F(RecordingGridTest, AMillionRowGridPaintsOnlyTheRowsInView)
{
    grid->SetRowCount(1000000);
    grid->SetTopRow(600000);
    Paint();
    std::set<int> rows;
    for (const auto& [cell, paint] : painted)
        rows.insert(cell.second);
    // The fixed row, then the seven rows that fill the 175 pixels below it.
    std::set<int> expected{0};
    for (int r = 600000; r < 600000 + 7; ++r)
        expected.insert(r);
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(painted.size(), 5 * expected.size());
}

TEST_F(RecordingGridTest, AfterAScrollOnlyTheCellsNowInViewArePainted)
{
    grid->SetRowCount(50);
    grid->SetColCount(30);
    Paint();
    grid->SetTopRow(40);
    grid->SetLeftCol(20);
    Paint();
    for (const auto& [cell, paint] : painted) {
        EXPECT_TRUE(cell.first == 0 || (cell.first >= 20 && cell.first <= 23)) << cell.first;
        EXPECT_TRUE(cell.second == 0 || (cell.second >= 40 && cell.second <= 46)) << cell.second;
    }
}

// A small string grid rendered headless: grid lines, fixed colour, highlight and text land on
// the pixels the layout puts them on. Columns start at 0, 65, 130, 195; rows at 0, 25, 50, 75.
TEST(StringGridRenderTest, LinesColoursAndTextLandWhereTheLayoutPutsThem)
{
    UiTestEnvironment ui;
    auto* form = new TForm(Application);
    form->SetBounds(0, 0, 500, 300);
    auto* grid = new TStringGrid(form);
    grid->SetBorderStyle(bsNone);
    grid->SetBounds(0, 0, 300, 120);
    grid->SetColCount(4);
    grid->SetRowCount(4);
    grid->SetParent(form);
    grid->SetCells(1, 0, "Band");
    grid->SetCells(2, 0, "MUF");
    grid->SetCells(1, 3, "14.2 MHz");
    grid->SetSelection({1, 1, 2, 2});
    form->Show();
    grid->SetFocus();

    const QImage image = Screenshot(*grid, "library-grid.png");
    ASSERT_EQ(image.width(), 300);
    const TColor window = ColorToRGB(clWindow);
    EXPECT_EQ(PixelAt(image, 30, 12), ColorToRGB(clBtnFace)) << "inside a fixed cell";
    EXPECT_EQ(PixelAt(image, 64, 60), clBlack) << "line right of the fixed column";
    EXPECT_EQ(PixelAt(image, 100, 24), clBlack) << "line below the fixed row";
    EXPECT_EQ(PixelAt(image, 194, 90), clSilver) << "line between scrolled columns";
    EXPECT_EQ(PixelAt(image, 100, 74), clSilver) << "line between scrolled rows";
    EXPECT_EQ(PixelAt(image, 100, 37), ColorToRGB(clHighlight)) << "selected cell";
    EXPECT_EQ(PixelAt(image, 162, 62), window) << "the current cell is not highlighted";
    EXPECT_EQ(PixelAt(image, 280, 60), window) << "beyond the last column";
    EXPECT_GT(CountPixels(image, Rect(65, 75, 129, 99), ColorToRGB(clWindowText)), 10) << "text of cell 1,3";
    EXPECT_EQ(CountPixels(image, Rect(195, 75, 259, 99), ColorToRGB(clWindowText)), 0) << "empty cell 3,3";
}

}  // namespace
