#include "VezGridTesting.h"

#include "grid/settings/TMouseActions.h"
#include "grid/settings/TSortSettings.h"
#include "grid/settings/TSyncGrid.h"
#include "grid/support/TControlItem.h"
#include "grid/support/TControlList.h"
#include "grid/support/TIntList.h"
#include "platform/testing/ImageProbe.h"
#include "platform/testing/Screenshot.h"

#include <QImage>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace skelda::grid::testing {
namespace {

using Texts = std::vector<std::string>;

// Four columns, eight rows, one fixed row; column 0 holds "r<row>".
class VezGridStructureTest : public VezGridTest {
protected:
    void SetUp() override
    {
        VezGridTest::SetUp();
        grid->SetColCount(4);
        grid->SetRowCount(8);
        grid->SetFixedRows(1);
        grid->SetFixedCols(0);
        for (int R = 0; R < 8; ++R)
            grid->SetCellText(0, R, "r" + std::to_string(R));
        grid->OnCellsChanged = [this](plat::TObject*, const plat::TRect&) { ++CellsChanged; };
    }
    Texts Column(int ACol) const
    {
        Texts Out;
        for (int R = 0; R < grid->GetRowCount(); ++R)
            Out.push_back(grid->GetRawCell(ACol, R));
        return Out;
    }

    int CellsChanged = 0;
};

// Whatever the road (a block, a bulk removal, an insertion), what the grid keeps per row
// stays with its row: the record, the height, the modified mark and the selection flag.
TEST_F(VezGridStructureTest, RowListsFollowTheirRowsThroughInsertionAndRemoval)
{
    struct Case {
        const char* Name;
        void (*Run)(TVezEzuzorEvad&);
        int Shift;  // where row 5 ends, relative to 5
    };
    const Case Cases[] = {
        {"RemoveRows", [](TVezEzuzorEvad& G) { G.RemoveRows(1, 2); }, -2},
        {"RemoveRows of one row", [](TVezEzuzorEvad& G) { G.RemoveRows(3, 1); }, -1},
        {"RemoveSelectedRows", [](TVezEzuzorEvad& G) { G.RemoveSelectedRows(); }, -2},
        {"InsertRows", [](TVezEzuzorEvad& G) { G.InsertRows(2, 3); }, 3},
    };
    for (const Case& C : Cases) {
        SetUp();
        grid->MouseActions().SetDisjunctRowSelect(true);
        grid->SetCellColor(1, 5, plat::clRed);
        grid->SetCellColor(1, 2, plat::clBlue);
        grid->SetRowHeights(5, 41);
        grid->SetRowModified(5, true);
        grid->SetRowSelect(6, true);
        grid->SetRowSelect(1, true);
        grid->SetRowSelect(2, true);
        grid->ControlList().AddControl(1, 5, nullptr);
        CellsChanged = 0;
        C.Run(*grid);
        const int Row = 5 + C.Shift;
        EXPECT_EQ(grid->GetRawCell(0, Row), "r5") << C.Name;
        EXPECT_EQ(grid->GetCellColor(1, Row), plat::clRed) << C.Name;
        EXPECT_EQ(grid->GetRowHeights(Row), 41) << C.Name;
        EXPECT_TRUE(grid->GetRowModified(Row)) << C.Name;
        EXPECT_EQ(grid->ModifiedRowCount(), 1) << C.Name;
        EXPECT_EQ(grid->ControlList().GetItem(0).GetY(), Row) << C.Name;
        // Removing the selected rows clears the selection.
        EXPECT_EQ(grid->GetRowSelect(6 + C.Shift), std::string(C.Name) != "RemoveSelectedRows") << C.Name;
        EXPECT_EQ(grid->GetRowHeights(Row - 1), grid->GetDefaultRowHeight()) << C.Name;
        EXPECT_LE(CellsChanged, 1) << C.Name;
        ExpectConsistentBlocks(*grid);
    }
}

TEST_F(VezGridStructureTest, InsertedRowsAreEmptyEvenWhereTheStoreKeptOldCells)
{
    grid->SetCellColor(2, 7, plat::clRed);
    grid->SetRowCount(6);
    grid->InsertRows(1, 2);
    EXPECT_EQ(Column(0), (Texts{"r0", "", "", "r1", "r2", "r3", "r4", "r5"}));
    EXPECT_EQ(grid->GetCellColor(2, 7), plat::clNone);
    EXPECT_EQ(grid->GetCellColor(2, 1), plat::clNone);
}

TEST_F(VezGridStructureTest, RemoveDuplicatesGoesInOnePassWithOneNotification)
{
    const Texts Cells{"hdr", "x", "X", "y", "x", "z", "y", "end"};
    for (int R = 0; R < 8; ++R)
        grid->SetCellText(1, R, Cells[static_cast<std::size_t>(R)]);
    grid->SetRowHeights(7, 33);
    CellsChanged = 0;
    grid->RemoveDuplicates(1, true);
    EXPECT_EQ(CellsChanged, 1);
    EXPECT_EQ(Column(1), (Texts{"hdr", "x", "X", "y", "z", "end"}));
    EXPECT_EQ(grid->GetRowHeights(5), 33);
    EXPECT_EQ(grid->GetRowCount(), 6);
}

TEST_F(VezGridStructureTest, LinesLeaveMergedBlocksOnlyAfterTheBlockIsSplit)
{
    grid->MergeCells(1, 2, 2, 3);
    grid->RemoveRows(3, 1);
    EXPECT_FALSE(grid->IsMergedCell(1, 2));
    EXPECT_EQ(grid->GetMergeCount(), 0);
    ExpectConsistentBlocks(*grid);

    grid->MergeCells(1, 1, 1, 2);
    grid->MergeCells(2, 4, 1, 2);
    grid->MoveRow(2, 5);
    EXPECT_FALSE(grid->IsMergedCell(1, 1));
    EXPECT_TRUE(grid->IsMergedCell(2, 3)) << "a block between the ends moves whole";
    ExpectConsistentBlocks(*grid);
}

TEST_F(VezGridStructureTest, BlocksAreCutWhenTheCountsShrinkPastThem)
{
    grid->MergeCells(1, 4, 2, 3);  // rows 4 .. 6
    grid->MergeCells(0, 6, 1, 2);  // rows 6 .. 7
    grid->SetRowCount(6);
    EXPECT_EQ(grid->GetMergeCount(), 1);
    EXPECT_EQ(grid->CellSpan(1, 4), (plat::TPoint{1, 1}));
    EXPECT_EQ(grid->CellRect(1, 4).Bottom, grid->CellRect(0, 5).Bottom);
    grid->SetColCount(2);
    EXPECT_EQ(grid->CellSpan(1, 4), (plat::TPoint{0, 1}));
    grid->SetRowCount(8);
    grid->SetColCount(4);
    EXPECT_FALSE(grid->IsMergedCell(0, 7));
    EXPECT_FALSE(grid->IsMergedCell(2, 4));
    ExpectConsistentBlocks(*grid);
}

TEST_F(VezGridStructureTest, ClearingLeavesTheRecordFlagWhileRecordsRemainPastTheCounts)
{
    grid->SetCellColor(1, 7, plat::clRed);
    grid->SetRowCount(5);
    grid->Clear();
    EXPECT_TRUE(grid->GetHasCellProps());
    grid->SetRowCount(8);
    EXPECT_EQ(grid->GetCellColor(1, 7), plat::clRed);
    grid->Clear();
    EXPECT_FALSE(grid->GetHasCellProps());
    EXPECT_EQ(Column(0), Texts(8, ""));
}

TEST_F(VezGridStructureTest, MovesCarryRecordsSortColumnAndCurrentColumn)
{
    struct Case {
        int From;
        int To;
        int Sorted;
        int SortedAfter;
    };
    for (const Case& C : {Case{0, 2, 2, 1}, Case{0, 2, 1, 0}, Case{0, 2, 0, 2}, Case{3, 1, 1, 2}, Case{0, 2, 3, 3}}) {
        SetUp();
        for (int Col = 0; Col < 4; ++Col)
            grid->SetCellText(Col, 0, std::string(1, static_cast<char>('a' + Col)));
        grid->SetCellColor(C.From, 3, plat::clRed);
        grid->SortSettings().SetColumn(C.Sorted);
        grid->SetCol(C.Sorted);
        grid->MoveColumn(C.From, C.To);
        EXPECT_EQ(grid->GetCellColor(C.To, 3), plat::clRed);
        EXPECT_EQ(grid->GetRawCell(C.To, 0), std::string(1, static_cast<char>('a' + C.From)));
        EXPECT_EQ(grid->SortSettings().GetColumn(), C.SortedAfter) << C.From << " -> " << C.To << " sorted " << C.Sorted;
        EXPECT_EQ(grid->GetCol(), C.SortedAfter) << C.From << " -> " << C.To << " current " << C.Sorted;
        EXPECT_EQ(grid->ColumnPosition(C.From), C.To);
    }
}

TEST_F(VezGridStructureTest, SynchronisedGridsDoAMoveOnceEach)
{
    auto* Other = new TProbeGrid(form);
    Other->SetColCount(4);
    for (TVezEzuzorEvad* G : {static_cast<TVezEzuzorEvad*>(grid), static_cast<TVezEzuzorEvad*>(Other)}) {
        for (int Col = 0; Col < 4; ++Col)
            G->SetCellText(Col, 0, std::string(1, static_cast<char>('a' + Col)));
    }
    grid->SyncGrid().SetGrid(Other);
    grid->SyncGrid().SetMoveColumn(true);
    Other->SyncGrid().SetGrid(grid);
    Other->SyncGrid().SetMoveColumn(true);
    grid->MoveColumn(0, 3);
    Other->MoveColumn(1, 0);
    for (TVezEzuzorEvad* G : {static_cast<TVezEzuzorEvad*>(grid), static_cast<TVezEzuzorEvad*>(Other)})
        EXPECT_EQ(G->GetRawCell(0, 0) + G->GetRawCell(1, 0) + G->GetRawCell(2, 0) + G->GetRawCell(3, 0), "cbda");
    grid->SyncGrid().SetGrid(nullptr);
    Other->SyncGrid().SetGrid(nullptr);
}

// A row that moves up into the place of a removed one takes its own height, also when that is
// the default height and the removed row had one of its own.
TEST_F(VezGridStructureTest, RowsMovingUpKeepTheirOwnHeight)
{
    grid->SetRowHeights(2, 40);
    grid->SetRowHeights(3, 41);
    grid->HideRow(4);
    grid->RemoveRows(2, 2);
    EXPECT_EQ(Column(0), (Texts{"r0", "r1", "r5", "r6", "r7"}));
    for (int R = 0; R < grid->GetRowCount(); ++R)
        EXPECT_EQ(grid->GetRowHeights(R), grid->GetDefaultRowHeight()) << "row " << R;
}

// The structure operations and the hidden lines together: rows keep their real places through
// insertion above a filtered row, cleared grids empty the hidden rows too, and a column moved
// past a hidden one carries its own cells.
TEST_F(VezGridStructureTest, HiddenLinesFollowTheStructureOperations)
{
    grid->SetRowCount(5);
    grid->SetFixedRows(0);
    TIntList Filtered(-1, -1);
    Filtered.Add(2);
    grid->HideRowList(Filtered);
    grid->InsertRows(0, 1);
    grid->SetCellText(0, 0, "x");
    grid->UnHideRowList();
    EXPECT_EQ(Column(0), (Texts{"x", "r0", "r1", "r2", "r3", "r4"}));

    for (int C = 0; C < 4; ++C)
        grid->SetCellText(C, 1, "c" + std::to_string(C));
    grid->HideColumn(1);
    grid->MoveColumn(0, 2);  // display columns: real 0 goes where real 3 was
    EXPECT_EQ(grid->GetRawCell(3, 1), "c0");
    EXPECT_EQ(grid->GetRawCell(0, 1), "c1");
    EXPECT_TRUE(grid->IsHiddenColumn(0));

    grid->HideRow(4);
    grid->ClearAll();
    grid->UnHideRowsAll();
    EXPECT_EQ(Column(0), Texts(6, ""));
}

// Controls in cells are kept by real row: with a row hidden above, they follow the rows opened
// and closed by their real places, and stay where they are when the insertion asks so.
TEST_F(VezGridStructureTest, CellControlsFollowRealRowsPastHiddenOnes)
{
    grid->HideRow(2);
    grid->ControlList().AddControl(1, 5, nullptr);  // real row 5, shown at display row 4
    CellsChanged = 0;
    grid->InsertRows(5, 2);  // at real row 6
    EXPECT_EQ(CellsChanged, 1);
    EXPECT_EQ(grid->ControlList().GetItem(0).GetY(), 5);
    grid->InsertRows(0, 1, false);
    EXPECT_EQ(grid->ControlList().GetItem(0).GetY(), 5);
    grid->RemoveRows(4, 1);  // display row 4 is real row 5 now, the control's
    EXPECT_EQ(grid->ControlList().Count(), 0);
}

TEST_F(VezGridStructureTest, RemovedColumnsTakeTheirFlagsAndRecords)
{
    grid->MouseActions().SetDisjunctColSelect(true);
    grid->SetColSelect(3, true);
    grid->SetCellColor(3, 2, plat::clRed);
    grid->InsertCols(1, 1);
    EXPECT_TRUE(grid->GetColSelect(4));
    EXPECT_EQ(grid->GetCellColor(4, 2), plat::clRed);
    grid->RemoveUnSelectedCols();
    EXPECT_EQ(grid->GetColCount(), 1);
    EXPECT_EQ(grid->GetCellColor(0, 2), plat::clRed);
}

TEST_F(VezGridStructureTest, MergedColumnsPaintAsOneCell)
{
    const Texts Group{"Band", "20 m", "20 m", "20 m", "40 m", "40 m", "80 m", "80 m"};
    const Texts Mode{"Mode", "CW", "SSB", "CW", "CW", "CW", "FT8", "SSB"};
    for (int R = 0; R < 8; ++R) {
        grid->SetCellText(1, R, Group[static_cast<std::size_t>(R)]);
        grid->SetCellText(2, R, Mode[static_cast<std::size_t>(R)]);
    }
    grid->SetColor(plat::clWhite);
    grid->MergeColumnCells(1, true);
    grid->MergeColumnCells(2, false);
    // Rows 3 .. 5 all say CW, but row 3 belongs to the 20 m block and rows 4 .. 5 to the 40 m one.
    EXPECT_EQ(grid->GetMergeCount(), 4);
    EXPECT_FALSE(grid->IsMergedCell(2, 3));
    EXPECT_EQ(grid->CellSpan(2, 4), (plat::TPoint{0, 1}));
    Show();
    const QImage Image = plat::testing::Screenshot(*grid, "vez-grid-merged-columns.png");
    // No grid line runs between the rows of a block; one runs below it.
    const plat::TRect Block = grid->CellRect(1, 1);
    const int Inner = grid->CalcCellRect(1, 1).Bottom;
    const auto WhiteIn = [&](int Y) {
        return plat::testing::CountPixels(Image, plat::TRect{Block.Right - 12, Y, Block.Right - 2, Y + 1}, plat::clWhite);
    };
    // The line of a row lies just past its rectangle's bottom.
    EXPECT_EQ(WhiteIn(Inner + 1), 10);
    EXPECT_EQ(WhiteIn(Block.Bottom + 1), 0);
}

}  // namespace
}  // namespace skelda::grid::testing
