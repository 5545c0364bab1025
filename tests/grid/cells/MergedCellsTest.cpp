#include "FakeCellGrid.h"

#include <gtest/gtest.h>

namespace skelda::grid {
namespace {

using testing::TFakeCellGrid;

TEST(MergedCellsTest, BlockKeepsBaseSpansAndOffsets)
{
    TFakeCellGrid Grid(8, 8);
    ASSERT_TRUE(Grid.Merged.MergeCells(2, 3, 3, 2));
    Grid.ExpectConsistentBlocks();

    const TCellProperties& Base = *Grid.FindCellProperties(2, 3);
    EXPECT_TRUE(Base.GetIsBaseCell());
    EXPECT_EQ(Base.GetCellSpanX(), 2);
    EXPECT_EQ(Base.GetCellSpanY(), 1);
    const TCellProperties& Corner = *Grid.FindCellProperties(4, 4);
    EXPECT_FALSE(Corner.GetIsBaseCell());
    EXPECT_EQ(Corner.GetCellSpanX(), 2);
    EXPECT_EQ(Corner.GetCellSpanY(), 1);

    EXPECT_EQ(Grid.Merged.CellSpan(4, 4), (plat::TPoint{2, 1}));
    EXPECT_EQ(Grid.Merged.CellExt(3, 3), (plat::TPoint{1, 1}));
    EXPECT_EQ(Grid.Merged.MergeCount(), 1);
    for (int C = 2; C <= 4; ++C)
        for (int R = 3; R <= 4; ++R) {
            EXPECT_EQ(Grid.Merged.FullCell(C, R), (plat::TGridRect{2, 3, 4, 4}));
            EXPECT_EQ(Grid.Merged.BaseCell(C, R), (plat::TPoint{2, 3}));
            EXPECT_TRUE(Grid.Merged.IsMergedCell(C, R));
            EXPECT_EQ(Grid.Merged.IsBaseCell(C, R), C == 2 && R == 3);
            EXPECT_EQ(Grid.Merged.IsMergedNonBaseCell(C, R), !(C == 2 && R == 3));
        }
    // Every cell of the block repainted once.
    EXPECT_EQ(Grid.Repainted.size(), 6u);
}

TEST(MergedCellsTest, QueriesOnUnmergedOrOutsideCellsAnswerPlainCell)
{
    TFakeCellGrid Grid(4, 4);
    Grid.GetCellProperties(1, 1);
    const struct {
        int Col, Row;
    } Cells[] = {{1, 1}, {2, 2}, {-1, 0}, {0, -5}, {4, 0}, {0, 4}, {1000000, 1000000}};
    for (const auto& Cell : Cells) {
        SCOPED_TRACE(::testing::Message() << Cell.Col << "," << Cell.Row);
        EXPECT_EQ(Grid.Merged.BaseCell(Cell.Col, Cell.Row), (plat::TPoint{Cell.Col, Cell.Row}));
        int BaseCol = 0, BaseRow = 0;
        EXPECT_TRUE(Grid.Merged.FindBaseCell(Cell.Col, Cell.Row, BaseCol, BaseRow));
        EXPECT_TRUE(Grid.Merged.IsBaseCell(Cell.Col, Cell.Row));
        EXPECT_FALSE(Grid.Merged.IsMergedCell(Cell.Col, Cell.Row));
        EXPECT_FALSE(Grid.Merged.IsXMergedCell(Cell.Col, Cell.Row));
        EXPECT_EQ(Grid.Merged.CellSpan(Cell.Col, Cell.Row), (plat::TPoint{0, 0}));
        EXPECT_EQ(Grid.Merged.CellExt(Cell.Col, Cell.Row), (plat::TPoint{0, 0}));
    }
}

TEST(MergedCellsTest, TextOfAnyBlockCellIsTheBaseTextAndSplitShowsTheOthersAgain)
{
    TFakeCellGrid Grid(5, 5);
    Grid.Store.SetText(1, 1, "base");
    Grid.Store.SetText(2, 2, "hidden");
    Grid.Merged.MergeCells(1, 1, 2, 2);

    EXPECT_EQ(Grid.GetCellText(2, 2), "base");
    Grid.SetCellText(2, 1, "written");
    for (int C = 1; C <= 2; ++C)
        for (int R = 1; R <= 2; ++R)
            EXPECT_EQ(Grid.GetCellText(C, R), "written");
    EXPECT_EQ(Grid.Store.GetText(2, 1), "");

    EXPECT_TRUE(Grid.Merged.SplitCells(2, 2));
    Grid.ExpectConsistentBlocks();
    EXPECT_EQ(Grid.GetCellText(1, 1), "written");
    EXPECT_EQ(Grid.GetCellText(2, 2), "hidden");
    EXPECT_EQ(Grid.Merged.MergeCount(), 0);
    // The records stay, unmerged.
    ASSERT_NE(Grid.FindCellProperties(2, 2), nullptr);
    EXPECT_EQ(Grid.FindCellProperties(2, 2)->GetCellSpanX(), -1);
}

TEST(MergedCellsTest, MergeAndSplitKeepBlocksDisjointInsideTheGridAndCountOnlyRealBlocks)
{
    struct Step {
        enum { Merge, Split } Kind;
        int Col, Row, SpanX, SpanY;
        bool Done;
        int MergeCount;
        plat::TGridRect BlockAtCell;
    };
    const Step Steps[] = {
        {Step::Merge, 1, 1, 2, 2, true, 1, {1, 1, 2, 2}},
        // Overlaps the first block: that one is split, the new one made.
        {Step::Merge, 2, 2, 2, 2, true, 1, {2, 2, 3, 3}},
        // Reaches beyond the grid (6 x 5): cut at the edges.
        {Step::Merge, 4, 3, 10, 10, true, 2, {4, 3, 5, 4}},
        // Refused: spans below 1, a top-left cell outside.
        {Step::Merge, 0, 0, 0, 2, false, 2, {0, 0, 0, 0}},
        {Step::Merge, 0, 0, 2, -1, false, 2, {0, 0, 0, 0}},
        {Step::Merge, 6, 0, 1, 1, false, 2, {6, 0, 6, 0}},
        {Step::Merge, -1, 0, 2, 2, false, 2, {-1, 0, -1, 0}},
        // Splitting a cell in no block changes nothing.
        {Step::Split, 0, 0, 0, 0, false, 2, {0, 0, 0, 0}},
        {Step::Split, 1, 1, 0, 0, false, 2, {1, 1, 1, 1}},
        {Step::Split, 9, 9, 0, 0, false, 2, {9, 9, 9, 9}},
        // Split through a covered cell.
        {Step::Split, 5, 4, 0, 0, true, 1, {5, 4, 5, 4}},
        // A block of one cell counts as a block and is split by a block laid over it.
        {Step::Merge, 0, 0, 1, 1, true, 2, {0, 0, 0, 0}},
        {Step::Merge, 0, 0, 2, 1, true, 2, {0, 0, 1, 0}},
        // One block covering two: both go.
        {Step::Merge, 0, 0, 6, 5, true, 1, {0, 0, 5, 4}},
        {Step::Split, 3, 3, 0, 0, true, 0, {3, 3, 3, 3}},
    };
    TFakeCellGrid Grid(6, 5);
    for (const Step& S : Steps) {
        SCOPED_TRACE(::testing::Message() << (S.Kind == Step::Merge ? "merge " : "split ") << S.Col << "," << S.Row);
        const bool Done = S.Kind == Step::Merge ? Grid.Merged.MergeCells(S.Col, S.Row, S.SpanX, S.SpanY)
                                                : Grid.Merged.SplitCells(S.Col, S.Row);
        EXPECT_EQ(Done, S.Done);
        EXPECT_EQ(Grid.Merged.MergeCount(), S.MergeCount);
        EXPECT_EQ(Grid.Merged.FullCell(S.Col, S.Row), S.BlockAtCell);
        Grid.ExpectConsistentBlocks();
    }
}

TEST(MergedCellsTest, SplitNeverCreatesRecords)
{
    TFakeCellGrid Grid(3, 3);
    Grid.Merged.SplitCells(1, 1);
    EXPECT_EQ(Grid.FindCellProperties(1, 1), nullptr);
    EXPECT_EQ(Grid.Created, 0);
}

TEST(MergedCellsTest, FreeingABaseRecordSplitsItsBlock)
{
    TFakeCellGrid Grid(4, 4);
    Grid.Merged.MergeCells(0, 0, 2, 2);
    TCellProperties* Base = Grid.FindCellProperties(0, 0);
    Grid.Merged.RecordFreed(0, 0, *Base);
    Grid.Store.SetObject(0, 0, nullptr);
    delete Base;

    EXPECT_EQ(Grid.Merged.BaseCell(1, 1), (plat::TPoint{1, 1}));
    EXPECT_FALSE(Grid.Merged.IsMergedCell(1, 1));
    EXPECT_TRUE(Grid.Merged.Blocks().empty());
    EXPECT_EQ(Grid.Merged.MergeCount(), 0);
    Grid.ExpectConsistentBlocks();
}

TEST(MergedCellsTest, RowAndColumnSpanComparisons)
{
    TFakeCellGrid Grid(6, 6);
    Grid.Merged.MergeCells(0, 0, 1, 3);  // column 0, rows 0..2
    Grid.Merged.MergeCells(1, 1, 1, 2);  // column 1, rows 1..2
    Grid.Merged.MergeCells(2, 4, 2, 1);  // columns 2..3, row 4
    Grid.Merged.MergeCells(4, 5, 2, 1);  // columns 4..5, row 5

    EXPECT_EQ(Grid.Merged.MinRowSpan(1), 1);
    EXPECT_EQ(Grid.Merged.MaxRowSpan(1), 2);
    EXPECT_EQ(Grid.Merged.MinRowSpan(4), 6);
    EXPECT_EQ(Grid.Merged.MaxRowSpan(4), 0);

    const struct {
        int Row1, Row2;
        bool Identical;
    } Rows[] = {{1, 2, true}, {0, 1, true}, {0, 2, true}, {3, 4, false}, {2, 3, false}};
    for (const auto& Case : Rows)
        EXPECT_EQ(Grid.Merged.RowSpanIdentical(Case.Row1, Case.Row2), Case.Identical)
            << Case.Row1 << " " << Case.Row2;

    const struct {
        int Col1, Col2;
        bool Identical;
    } Cols[] = {
        {2, 3, true},   // one block in row 4, no horizontal span elsewhere
        {0, 1, false},  // no row merged horizontally
        {3, 4, false},  // only one of the two spans in rows 4 and 5
        {4, 5, true},
    };
    for (const auto& Case : Cols)
        EXPECT_EQ(Grid.Merged.ColSpanIdentical(Case.Col1, Case.Col2), Case.Identical)
            << Case.Col1 << " " << Case.Col2;
}

}  // namespace
}  // namespace skelda::grid
