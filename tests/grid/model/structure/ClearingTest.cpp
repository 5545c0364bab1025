#include "tests/grid/model/structure/FakeStructureGrid.h"

#include <gtest/gtest.h>

#include <functional>

namespace skelda::grid::testing {
namespace {

using Texts = std::vector<std::string>;

// Six real columns with real column 3 hidden (five shown), one fixed column and one right fixed
// column; five rows: a fixed row, three normal rows and a footer. Every cell holds "x" and a record.
struct TFramedGrid : TFakeStructureGrid {
    TFramedGrid();
};

TFramedGrid::TFramedGrid()
    : TFakeStructureGrid(std::vector<std::vector<std::string>>(5, Texts(6, "x")))
{
    TFakeStructureGrid& Grid = *this;
    Grid.Hidden[3] = true;
    Grid.FixedColCount = 1;
    Grid.RightCols = 1;
    Grid.FixedRowCount = 1;
    Grid.Footers = 1;
    for (int R = 0; R < 5; ++R)
        for (int C = 0; C < 6; ++C)
            Grid.SetRecord(C, R);
}

// One string per row, one character per real column: "x" kept, "." emptied with its record.
Texts Picture(const TFakeStructureGrid& Grid)
{
    Texts Out;
    for (int R = 0; R < Grid.RowCount(); ++R) {
        std::string Line;
        for (int C = 0; C < Grid.TotalColCount(); ++C) {
            const bool Text = !Grid.RawText(C, R).empty();
            EXPECT_EQ(Text, Grid.Record(C, R)) << "text and record part at " << C << ", " << R;
            Line += Text ? 'x' : '.';
        }
        Out.push_back(Line);
    }
    return Out;
}

TEST(GridClearing, EachClearerTouchesItsCells)
{
    struct Case {
        const char* Name;
        bool SaveHidden;
        std::function<void(TGridClearing&)> Run;
        Texts After;
    };
    const Case Cases[] = {
        {"ClearRows", false, [](TGridClearing& G) { G.ClearRows(1, 2); },
         {"xxxxxx", "......", "......", "xxxxxx", "xxxxxx"}},
        {"ClearNormalRows", false, [](TGridClearing& G) { G.ClearNormalRows(1, 1); },
         {"xxxxxx", "x....x", "xxxxxx", "xxxxxx", "xxxxxx"}},
        {"ClearCols", false, [](TGridClearing& G) { G.ClearCols(1, 1); },
         {"x.xxxx", "x.xxxx", "x.xxxx", "x.xxxx", "x.xxxx"}},
        {"ClearNormalCols", false, [](TGridClearing& G) { G.ClearNormalCols(2, 2); },
         {"xxxxxx", "xx..xx", "xx..xx", "xx..xx", "xxxxxx"}},
        {"ClearNormalCols on display columns", true, [](TGridClearing& G) { G.ClearNormalCols(2, 2); },
         {"xxxxxx", "xx.x.x", "xx.x.x", "xx.x.x", "xxxxxx"}},
        {"ClearNormalCells", false, [](TGridClearing& G) { G.ClearNormalCells(); },
         {"xxxxxx", "x....x", "x....x", "x....x", "xxxxxx"}},
        {"Clear", false, [](TGridClearing& G) { G.Clear(); },
         {"......", "......", "......", "......", "......"}},
        {"ClearRect", false, [](TGridClearing& G) { G.ClearRect(4, 3, 5, 4); },
         {"xxxxxx", "xxxxxx", "xxxxxx", "xxxx..", "xxxx.."}},
    };
    for (const Case& C : Cases) {
        TFramedGrid Grid;
        Grid.SaveHidden = C.SaveHidden;
        C.Run(Grid.S.Clearing);
        EXPECT_EQ(Picture(Grid), C.After) << C.Name;
    }
}

TEST(GridClearing, TheGridIsMarkedRecordlessOnlyOnceNoRecordIsLeft)
{
    // The displayed block covers real columns 0 .. 4: the record in real column 5 stays.
    TFramedGrid Grid;
    Grid.S.Clearing.ClearRect(0, 0, Grid.ColCount() - 1, Grid.RowCount() - 1);
    EXPECT_TRUE(Grid.Record(5, 2));
    EXPECT_FALSE(Grid.MarkedRecordless);
    Grid.S.Clearing.Clear();
    EXPECT_TRUE(Grid.MarkedRecordless);
}

TEST(GridClearing, ClearTextOnlyKeepsRecords)
{
    TFramedGrid Grid;
    Grid.TextOnly = true;
    Grid.S.Clearing.ClearRows(2, 1);
    EXPECT_EQ(Grid.RawText(2, 2), "");
    EXPECT_TRUE(Grid.Record(2, 2));
    EXPECT_EQ(Grid.Freed, 0);
    EXPECT_EQ(Grid.Changed.back(), (plat::TRect{0, 2, 5, 2}));
}

TEST(GridClearing, ClearSelectionFollowsTheSelectionKind)
{
    TFramedGrid Grid;
    Grid.RowSelect = true;
    Grid.SelectedRows = {{2, true}};
    Grid.S.Clearing.ClearSelection();
    EXPECT_EQ(Picture(Grid)[2], "......");
    Grid.RowSelect = false;
    Grid.Sel = {1, 1, 2, 1};
    Grid.S.Clearing.ClearSelection();
    EXPECT_EQ(Picture(Grid)[1], "x..xxx");
    Grid.ColSelect = true;
    Grid.SelectedCols = {{4, true}};
    Grid.S.Clearing.ClearSelection();
    EXPECT_EQ(Picture(Grid)[0], "xxxx.x");
}

TEST(GridClearing, TrimColourAndCellQueries)
{
    TFakeStructureGrid Grid({{" a\t", "b "}, {"|\\wide", "Abc"}});
    Grid.S.Clearing.TrimRow(0);
    EXPECT_EQ(Grid.Rows[0].Texts, (Texts{"a", "b"}));
    Grid.S.Clearing.ColorRect(0, 0, 1, 0, plat::clRed);
    Grid.S.Clearing.ColorRect(0, 1, 1, 0, plat::clBlue);
    EXPECT_EQ(Grid.Colors.size(), 2u);
    EXPECT_TRUE(Grid.S.Clearing.IsWideCell(0, 1));
    EXPECT_FALSE(Grid.S.Clearing.IsWideCell(1, 1));
    int Col = -1;
    int Row = -1;
    EXPECT_FALSE(Grid.S.Clearing.IsCell("abc", Col, Row));
    EXPECT_FALSE(Grid.S.Clearing.IsCell("Ab", Col, Row));
    ASSERT_TRUE(Grid.S.Clearing.IsCell("Abc", Col, Row));
    EXPECT_EQ(plat::TPoint(Col, Row), plat::TPoint(1, 1));
}

}  // namespace
}  // namespace skelda::grid::testing
