#include "GridTestSupport.h"

#include "platform/core/TStringList.h"
#include "platform/grids/EInvalidGridOperation.h"
#include "platform/testing/EventLog.h"
#include "platform/testing/Screenshot.h"

#include <gmock/gmock.h>

#include <set>
#include <string>
#include <utility>

using namespace plat;
using namespace plat::testing;
using ::testing::ElementsAre;

namespace {

class StringGridTest : public GridTest {
protected:
    // The cells the paint loop asks for.
    std::set<std::pair<int, int>> PaintedCells()
    {
        std::set<std::pair<int, int>> cells;
        grid->OnDrawCell = [&](TObject*, int ACol, int ARow, TRect, TGridDrawState) { cells.insert({ACol, ARow}); };
        Screenshot(*grid);
        grid->OnDrawCell = nullptr;
        return cells;
    }
    // The texts of one column, rows 0 .. RowCount - 1.
    std::vector<std::string> Column(int ACol) const
    {
        std::vector<std::string> texts;
        for (int r = 0; r < grid->GetRowCount(); ++r)
            texts.push_back(grid->GetCells(ACol, r));
        return texts;
    }
};

TEST_F(StringGridTest, CellsBeyondTheCountsAreKeptAndShowOnceTheGridReachesThem)
{
    grid->SetCells(7, 8, "far");
    grid->SetCells(2, 3, "near");
    EXPECT_EQ(grid->GetCells(7, 8), "far");
    EXPECT_EQ(PaintedCells().count({7, 8}), 0u);

    grid->SetColCount(8);
    grid->SetRowCount(9);
    grid->SetTopRow(5);
    grid->SetLeftCol(3);
    EXPECT_EQ(PaintedCells().count({7, 8}), 1u);

    // Shrinking and growing again loses nothing.
    grid->SetRowCount(2);
    grid->SetColCount(2);
    grid->SetRowCount(9);
    grid->SetColCount(8);
    EXPECT_EQ(grid->GetCells(7, 8), "far");
    EXPECT_EQ(grid->GetCells(2, 3), "near");

    EXPECT_THROW(grid->SetCells(-1, 0, "x"), EInvalidGridOperation);
    EXPECT_THROW((void)grid->GetCells(0, -1), EInvalidGridOperation);
}

TEST_F(StringGridTest, MovingAColumnOrRowTakesItsCellsSizeAndTheCurrentCellAlong)
{
    for (const bool columns : {true, false}) {
        SCOPED_TRACE(columns ? "column" : "row");
        EventLog log;
        grid->OnColumnMoved = [&](TObject*, int From, int To) {
            log.Add("column " + std::to_string(From) + ">" + std::to_string(To));
        };
        grid->OnRowMoved = [&](TObject*, int From, int To) {
            log.Add("row " + std::to_string(From) + ">" + std::to_string(To));
        };
        for (int i = 0; i < 5; ++i)
            columns ? grid->SetCells(i, 2, "c" + std::to_string(i)) : grid->SetCells(2, i, "r" + std::to_string(i));
        columns ? grid->SetColWidths(1, 40) : grid->SetRowHeights(1, 40);
        grid->SetCol(columns ? 1 : 2);
        grid->SetRow(columns ? 2 : 1);

        columns ? grid->MoveColumn(1, 3) : grid->MoveRow(1, 3);

        std::vector<std::string> line;
        for (int i = 0; i < 5; ++i)
            line.push_back(columns ? grid->GetCells(i, 2) : grid->GetCells(2, i));
        const std::string p = columns ? "c" : "r";
        EXPECT_THAT(line, ElementsAre(p + "0", p + "2", p + "3", p + "1", p + "4"));
        EXPECT_EQ(columns ? grid->GetColWidths(3) : grid->GetRowHeights(3), 40);
        EXPECT_EQ(columns ? grid->GetCol() : grid->GetRow(), 3);
        EXPECT_THAT(log.Entries(), ElementsAre(std::string(columns ? "column" : "row") + " 1>3"));
        grid->SetDefaultColWidth(64);
        grid->SetDefaultRowHeight(24);
    }
}

TEST_F(StringGridTest, DeletingARowRemovesItsCellsForGood)
{
    for (int r = 0; r < 5; ++r)
        grid->SetCells(1, r, std::string(1, static_cast<char>('a' + r)));
    grid->SetCells(1, 6, "beyond");
    grid->SetRow(4);
    grid->DeleteRow(2);
    EXPECT_EQ(grid->GetRowCount(), 4);
    EXPECT_THAT(Column(1), ElementsAre("a", "b", "d", "e"));
    EXPECT_EQ(grid->GetRow(), 3);
    // The deleted text does not come back when the grid grows; what lay beyond moves up.
    grid->SetRowCount(6);
    EXPECT_THAT(Column(1), ElementsAre("a", "b", "d", "e", "", "beyond"));

    grid->DeleteColumn(1);
    EXPECT_EQ(grid->GetColCount(), 4);
    EXPECT_EQ(grid->GetCells(1, 0), "");

    grid->SetRowCount(1);
    grid->SetCells(0, 0, "only");
    grid->DeleteRow(0);
    EXPECT_EQ(grid->GetRowCount(), 1);
    EXPECT_EQ(grid->GetCells(0, 0), "only");
}

TEST_F(StringGridTest, RowsTakenOutAndPutBackKeepTheirCellsHeightsAndTheCurrentCell)
{
    grid->SetRowCount(8);
    for (int r = 0; r < 8; ++r) {
        grid->SetCells(1, r, std::to_string(r));
        grid->SetRowHeights(r, 10 + r);
    }
    struct Case {
        const char* name;
        int currentRow;
        std::vector<int> take;
        int rowAfterTake;  // the current row's text after the take
        const char* textAfterTake;
    };
    const Case cases[] = {
        {"current row stays", 5, {1, 3}, 3, "5"},
        {"current row taken goes to the next", 3, {3, 4}, 3, "5"},
        {"current last row taken goes to the new last", 7, {6, 7}, 5, "5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        grid->SetRow(c.currentRow);
        std::vector<int> heights;
        for (int r : c.take)
            heights.push_back(grid->GetRowHeights(r));
        std::vector<std::unique_ptr<TGridRow>> rows = grid->TakeRows(c.take);
        EXPECT_EQ(grid->GetRowCount(), 8 - static_cast<int>(c.take.size()));
        EXPECT_EQ(grid->GetRow(), c.rowAfterTake);
        EXPECT_EQ(grid->GetCells(1, grid->GetRow()), c.textAfterTake);
        grid->PutRows(c.take, std::move(rows), heights);
        EXPECT_EQ(grid->GetCells(1, grid->GetRow()), c.textAfterTake);
        for (int r = 0; r < 8; ++r) {
            EXPECT_EQ(grid->GetCells(1, r), std::to_string(r));
            EXPECT_EQ(grid->GetRowHeights(r), 10 + r);
        }
    }
    // The last row stays.
    EXPECT_THROW(grid->TakeRows(std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}), EInvalidGridOperation);
    EXPECT_EQ(grid->GetRowCount(), 8);
    EXPECT_EQ(grid->GetCells(1, 7), "7");
}

TEST_F(StringGridTest, RowsAndColsAreViewsOfTheCells)
{
    grid->Rows(1)->SetCommaText("a,b,\"c d\"");
    EXPECT_EQ(grid->GetCells(2, 1), "c d");
    EXPECT_EQ(grid->Rows(1)->GetCommaText(), "a,b,\"c d\",,");

    TStringList list;
    list.SetCommaText("x,y");
    TObject marker;
    list.SetObjects(1, &marker);
    grid->SetCells(0, 4, "old");
    grid->SetCols(0, list);
    EXPECT_THAT(Column(0), ElementsAre("x", "y", "", "", ""));
    EXPECT_EQ(grid->GetObjects(0, 1), &marker);

    const auto column = grid->Cols(3);
    EXPECT_EQ(column->Count(), 5);
    EXPECT_EQ(column->Add("first"), 0);
    EXPECT_EQ(column->Add(""), 1);
    EXPECT_EQ(grid->GetCells(3, 1), " ");
    EXPECT_THROW(column->Insert(0, "x"), EInvalidGridOperation);
    EXPECT_THROW(column->Delete(0), EInvalidGridOperation);
    column->Clear();
    EXPECT_THAT(Column(3), ElementsAre("", "", "", "", ""));
}

}  // namespace
