#include "tests/grid/model/structure/FakeStructureGrid.h"

#include <gtest/gtest.h>

namespace skelda::grid::testing {
namespace {

using Texts = std::vector<std::string>;

std::vector<std::vector<std::string>> Headers(const Texts& Row0)
{
    return {Row0, Row0};
}

TEST(LineMoves, IndexesBetweenTheEndsShiftTowardsTheLineThatLeft)
{
    struct Case {
        int From;
        int To;
        std::vector<int> After;  // of indexes 0 .. 4
    };
    for (const Case& C : {Case{1, 3, {0, 3, 1, 2, 4}}, Case{3, 1, {0, 2, 3, 1, 4}}}) {
        std::vector<int> After;
        for (int I = 0; I < 5; ++I)
            After.push_back(IndexAfterMove(I, C.From, C.To));
        EXPECT_EQ(After, C.After) << C.From << " -> " << C.To;
    }
}

TEST(LineMoves, SortColumnsAndTheCurrentColumnFollowAMove)
{
    for (int Sorted = 0; Sorted < 5; ++Sorted) {
        TFakeStructureGrid Grid(Headers({"a", "b", "c", "d", "e"}));
        Grid.SortCol = Sorted;
        Grid.IndexShow = true;
        Grid.SortIndex.AddIndex(Sorted, false);
        Grid.S.Moves.MoveColumn(1, 3);
        const int Expected = IndexAfterMove(Sorted, 1, 3);
        EXPECT_EQ(Grid.SortCol, Expected) << Sorted;
        EXPECT_EQ(Grid.SortIndex.GetSortColumn(0), Expected) << Sorted;
        EXPECT_EQ(static_cast<unsigned>(Grid.SortIndex.GetValue(0)) & TSortIndexList::DescendingFlag,
                  TSortIndexList::DescendingFlag);
        EXPECT_EQ(Grid.RawText(Expected, 0), Texts({"a", "b", "c", "d", "e"})[static_cast<std::size_t>(Sorted)]);
    }
}

TEST(LineMoves, AColumnMoveRepaintsAShownFloatingFooter)
{
    for (const bool Shown : {false, true}) {
        TFakeStructureGrid Grid(Headers({"a", "b", "c"}));
        Grid.FooterVisible = Shown;
        Grid.S.Moves.MoveColumn(0, 2);
        EXPECT_EQ(Grid.FooterRepaints, Shown ? 1 : 0);
    }
}

TEST(LineMoves, ColumnOrderIsRecordedPermutedAndRestored)
{
    TFakeStructureGrid Grid(Headers({"a", "b", "c", "d", "e"}));
    Grid.S.Moves.MoveColumn(1, 3);
    EXPECT_EQ(Grid.Order.GetValue(3), 1);
    EXPECT_EQ(Grid.S.Order.ColumnPosition(1), 3);
    EXPECT_EQ(Grid.S.Order.ColumnAtPosition(3), 1);
    Grid.S.Moves.MoveColumn(4, 0);
    EXPECT_EQ(Grid.Rows[0].Texts, (Texts{"e", "a", "c", "d", "b"}));
    Grid.Hidden[2] = true;
    Grid.S.Order.ResetColumnOrder();
    EXPECT_EQ(Grid.Rows[0].Texts, (Texts{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(Grid.NumHiddenColumns(), 0);
    EXPECT_EQ(Grid.S.Order.ColumnByHeader("d"), 3);
    EXPECT_EQ(Grid.S.Order.ColumnByHeader("D"), -1);
    // The group column counts as taken out.
    Grid.GroupCol = 1;
    EXPECT_EQ(Grid.S.Order.ColumnPosition(3), 2);
    EXPECT_EQ(Grid.S.Order.ColumnAtPosition(2), 3);
}

TEST(LineMoves, WidthsGoWithTheirColumnsOnlyWithEnhRowColMove)
{
    for (const bool Enh : {true, false}) {
        TFakeStructureGrid Grid(Headers({"a", "b", "c", "d"}));
        Grid.Widths = {10, 20, 30, 40};
        Grid.Enh = Enh;
        Grid.S.Moves.MoveColumn(0, 2);
        EXPECT_EQ(Grid.Widths, Enh ? std::vector<int>({20, 30, 10, 40}) : std::vector<int>({10, 20, 30, 40}));
        for (TFakeStructureGrid::TRow& Row : Grid.Rows)
            Row.Height = 20;
        Grid.Rows[0].Height = 5;
        Grid.S.Moves.MoveRow(0, 1);
        EXPECT_EQ(Grid.Rows[1].Height, Enh ? 5 : 20);
        EXPECT_EQ(Grid.Notices, (Texts{"column moved 0 2"}));
    }
}

TEST(LineMoves, SynchronisedGridsDoEachMoveOnceOnEach)
{
    TFakeStructureGrid Left(Headers({"a", "b", "c"}));
    TFakeStructureGrid Right(Headers({"a", "b", "c"}));
    Left.ColumnPeer = &Right.S.Moves;
    Right.ColumnPeer = &Left.S.Moves;
    Left.RowPeer = &Right.S.Moves;
    Right.RowPeer = &Left.S.Moves;
    Left.S.Moves.MoveColumn(0, 2);
    EXPECT_EQ(Left.Rows[0].Texts, (Texts{"b", "c", "a"}));
    EXPECT_EQ(Right.Rows[0].Texts, (Texts{"b", "c", "a"}));
    Right.S.Moves.MoveColumn(2, 0);
    EXPECT_EQ(Left.Rows[0].Texts, (Texts{"a", "b", "c"}));
    EXPECT_EQ(Right.Rows[0].Texts, (Texts{"a", "b", "c"}));
    Right.Rows[0].Texts[0] = "top";
    Right.S.Moves.MoveRow(0, 1);
    EXPECT_EQ(Right.Column(0), (Texts{"a", "top"}));
    EXPECT_EQ(Left.Column(0), (Texts{"a", "a"}));
    EXPECT_EQ(Left.Notices.size(), 2u);
}

TEST(LineMoves, SwapsCarryHiddenCellsSizesAndControls)
{
    TFakeStructureGrid Grid({{"a", "hidden a"}, {"b", "hidden b"}});
    Grid.Hidden[1] = true;
    Grid.Rows[0].Height = 7;
    Grid.Controls.AddControl(0, 1, nullptr);
    Grid.S.Moves.SwapRows(0, 1);
    EXPECT_EQ(Grid.Column(1), (Texts{"hidden b", "hidden a"}));
    EXPECT_EQ(Grid.Rows[1].Height, 7);
    EXPECT_EQ(Grid.Controls.GetItem(0).GetY(), 0);

    TFakeStructureGrid Cols(Headers({"a", "b", "c"}));
    Cols.Widths = {10, 20, 30};
    Cols.SortCol = 2;
    Cols.S.Moves.SwapColumns(0, 2);
    EXPECT_EQ(Cols.Rows[1].Texts, (Texts{"c", "b", "a"}));
    EXPECT_EQ(Cols.Widths, (std::vector<int>{30, 20, 10}));
    EXPECT_EQ(Cols.SortCol, 0);
}

TEST(LineMoves, NoRowTakesThePlaceOfTheFloatingFooter)
{
    TFakeStructureGrid Grid({{"a"}, {"b"}, {"sum"}});
    Grid.FooterVisible = true;
    Grid.S.Moves.MoveRow(0, 2);
    EXPECT_EQ(Grid.Column(0), (Texts{"a", "b", "sum"}));
    Grid.S.Moves.MoveRow(0, 1);
    EXPECT_EQ(Grid.Column(0), (Texts{"b", "a", "sum"}));
}

TEST(ContentMerging, RunsOfEqualTextsBecomeBlocksNestedInTheMainColumn)
{
    TFakeStructureGrid Grid({{"h", "h"}, {"a", "x"}, {"a", "x"}, {"b", "x"}, {"b", "y"}, {"b", "y"}});
    Grid.FixedRowCount = 1;
    Grid.S.Merging.MergeColumnCells(0, true);
    EXPECT_EQ(Grid.Blocks, (std::vector<plat::TGridRect>{{0, 1, 0, 2}, {0, 3, 0, 5}}));
    Grid.S.Merging.MergeColumnCells(1, false);
    EXPECT_EQ(Grid.Blocks, (std::vector<plat::TGridRect>{{0, 1, 0, 2}, {0, 3, 0, 5}, {1, 1, 1, 2}, {1, 4, 1, 5}}));
    Grid.S.Merging.SplitColumnCells(0);
    EXPECT_EQ(Grid.Blocks.size(), 2u);
    Grid.S.Merging.SplitAllCells();
    EXPECT_TRUE(Grid.Blocks.empty());
}

TEST(ContentMerging, RowRunsAndJoinedColumns)
{
    TFakeStructureGrid Grid({{"f", "a", "a", "b", "c", "c"}, {"f", " x ", "1", "", "", ""}});
    Grid.FixedColCount = 1;
    Grid.S.Merging.MergeRowCells(0, true);
    EXPECT_EQ(Grid.Blocks, (std::vector<plat::TGridRect>{{1, 0, 2, 0}, {3, 0, 3, 0}, {4, 0, 5, 0}}));
    // A block of one cell is no merged cell: there is nothing to split.
    Grid.S.Merging.SplitRowCells(0);
    EXPECT_EQ(Grid.Blocks, (std::vector<plat::TGridRect>{{3, 0, 3, 0}}));
    Grid.S.Merging.MergeCols(1, 2, "-");
    EXPECT_EQ(Grid.Rows[1].Texts, (Texts{"f", "x-1", "", "", ""}));
    EXPECT_EQ(Grid.Rows[0].Texts[1], "a-a");
}

}  // namespace
}  // namespace skelda::grid::testing
