#include "grid/support/TCellGraphic.h"
#include "grid/support/TIntList.h"
#include "platform/core/TStrings.h"
#include "platform/testing/Screenshot.h"
#include "tests/grid/model/VezGridTesting.h"

#include <gtest/gtest.h>

#include <string>

namespace skelda::grid::testing {
namespace {

class HiddenLinesGridTest : public VezGridTest {
protected:
    // 6 columns by 8 rows; cell (c, r) holds "c:r", row r is 20 + r high, every cell of column 3
    // has a record with the application value 100 * r + 3.
    void SetUp() override
    {
        VezGridTest::SetUp();
        grid->SetColCount(6);
        grid->SetRowCount(8);
        for (int R = 0; R < 8; ++R) {
            for (int C = 0; C < 6; ++C)
                grid->SetCellText(C, R, std::to_string(C) + ":" + std::to_string(R));
            grid->SetRowHeights(R, 20 + R);
            grid->SetCellObject(3, R, 100 * R + 3);
        }
    }
    // Texts, records, values and heights of all rows as they were set up.
    void ExpectWhole()
    {
        ASSERT_EQ(grid->GetRowCount(), 8);
        ASSERT_EQ(grid->TotalColCount(), 6);
        for (int R = 0; R < 8; ++R) {
            SCOPED_TRACE("row " + std::to_string(R));
            for (int C = 0; C < 6; ++C)
                EXPECT_EQ(grid->GetCellText(C, R), std::to_string(C) + ":" + std::to_string(R));
            EXPECT_EQ(grid->GetCellObject(3, R), 100 * R + 3);
            EXPECT_EQ(grid->GetRowHeights(R), 20 + R);
        }
    }
};

TEST_F(HiddenLinesGridTest, RowsUnderAHiddenColumnComeBackWithTextsRecordsObjectsAndHeights)
{
    grid->SetGraphicObject(3, 5, new TCellGraphic());
    grid->HideColumn(3);
    EXPECT_EQ(grid->GetColCount(), 5);
    EXPECT_EQ(grid->RealColIndex(3), 4);
    grid->HideRows(4, 5);
    TIntList Filtered(-1, -1);
    Filtered.Add(1);
    grid->HideRowList(Filtered);
    EXPECT_EQ(grid->GetRowCount(), 5);
    EXPECT_EQ(grid->TotalRowCount(), 8);
    EXPECT_EQ(grid->GetCellText(0, 1), "0:2");
    // Hidden rows answer by real row, the hidden column included.
    EXPECT_EQ(grid->GetAllCellText(3, 5), "3:5");
    EXPECT_EQ(grid->GetAllCellObject(3, 4), 403);
    EXPECT_EQ(grid->GetAllCellText(3, 6), "3:6");
    ASSERT_NE(grid->GetHiddenRowStrings(1), nullptr);
    EXPECT_EQ(grid->GetHiddenRowStrings(1)->GetStrings(5), "5:1");

    grid->UnHideRowList();
    grid->UnHideRowsAll();
    grid->UnHideColumnsAll();
    ExpectWhole();
    EXPECT_NE(grid->GetGraphicObject(3, 5), nullptr);
}

TEST_F(HiddenLinesGridTest, AMergedBlockIsSplitByHidingOneOfItsRowsAndTravelsWhenHiddenWhole)
{
    grid->MergeCells(1, 2, 2, 2);  // rows 2 and 3
    grid->MergeCells(1, 5, 2, 2);  // rows 5 and 6
    grid->HideRow(3);
    EXPECT_FALSE(grid->IsMergedCell(1, 2)) << "the block no longer covers a row it holds";
    EXPECT_TRUE(grid->IsMergedCell(2, 5)) << "a block below moves up with its rows";
    EXPECT_EQ(grid->BaseCell(2, 5), (plat::TPoint{1, 4}));
    grid->HideRows(5, 6);
    grid->UnHideRowsAll();
    EXPECT_TRUE(grid->IsMergedCell(2, 6)) << "the block hidden whole came back";
    EXPECT_EQ(grid->BaseCell(2, 6), (plat::TPoint{1, 5}));
    EXPECT_FALSE(grid->IsMergedCell(1, 3));
    ExpectConsistentBlocks(*grid);
}

TEST_F(HiddenLinesGridTest, RowMarksTravelWithTheirRows)
{
    grid->SetRowModified(5, true);
    grid->SetRowEnabled(6, false);
    grid->HideRows(2, 3);
    EXPECT_TRUE(grid->GetRowModified(3));
    EXPECT_FALSE(grid->GetRowEnabled(4));
    grid->UnHideRowsAll();
    EXPECT_TRUE(grid->GetRowModified(5));
    EXPECT_FALSE(grid->GetRowEnabled(6));
    EXPECT_EQ(grid->ModifiedRowCount(), 1);
}

TEST_F(HiddenLinesGridTest, HiddenAndFilteredLinesLeaveTheirPlaceToTheLinesAfterThem)
{
    grid->SetBounds(0, 0, 420, 220);
    grid->SetCellColor(3, 3, plat::clYellow);
    Show();
    const QImage Whole = plat::testing::Screenshot(*grid);
    grid->HideColumn(4);
    grid->HideRows(1, 2);
    const QImage Hidden = plat::testing::Screenshot(*grid, "grid-hidden-columns-and-rows.png");
    // Real row 3 now shows as display row 1.
    const plat::TRect Yellow = grid->CellRect(3, 1);
    EXPECT_EQ(Hidden.pixel(Yellow.Left + 2, Yellow.Top + 2), qRgb(255, 255, 0));
    EXPECT_NE(Whole.pixel(Yellow.Left + 2, Yellow.Top + 2), qRgb(255, 255, 0));
    grid->UnHideRowsAll();
    grid->UnHideColumnsAll();
    TIntList Filtered(-1, -1);
    for (int Row : {2, 4, 5})
        Filtered.Add(Row);
    grid->HideRowList(Filtered);
    const QImage Filter = plat::testing::Screenshot(*grid, "grid-filtered-rows.png");
    const plat::TRect Moved = grid->CellRect(3, 2);
    EXPECT_EQ(Filter.pixel(Moved.Left + 2, Moved.Top + 2), qRgb(255, 255, 0)) << "real row 3 shows as row 2";
}

TEST_F(HiddenLinesGridTest, ACellRightOfAHiddenColumnPaintsItsColourWhereItShows)
{
    grid->SetBounds(0, 0, 420, 220);
    grid->SetCellColor(4, 2, plat::clYellow);
    Show();
    grid->HideColumn(2);
    const QImage Image = plat::testing::Screenshot(*grid);
    const auto Yellow = [&](int ADisplCol) {
        const plat::TRect R = grid->CellRect(ADisplCol, 2);
        return Image.pixel(R.Left + 2, R.Top + 2) == qRgb(255, 255, 0);
    };
    EXPECT_TRUE(Yellow(3)) << "real column 4 shows as display column 3";
    EXPECT_FALSE(Yellow(4));
}

}  // namespace
}  // namespace skelda::grid::testing
