// The current row, the top row and scrolling a cell into view, and the selection parked while no
// normal row holds it.

#include "grid/controls/TSearchPanel.h"
#include "grid/settings/TMouseActions.h"
#include "grid/settings/TSearchFooter.h"
#include "grid/settings/TSyncGrid.h"
#include "tests/grid/model/VezGridTesting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace skelda::grid::testing {
namespace {

class VezGridCursorTest : public VezGridTest {
protected:
    // 20 columns of 64 and 50 rows of 20 pixels, one fixed row and column, on a shown 400 x 220
    // grid without frame or scroll bars.
    void SetUp() override
    {
        VezGridTest::SetUp();
        grid->SetBorderStyle(plat::bsNone);
        grid->SetScrollBars(plat::ssNone);
        grid->SetBounds(0, 0, 400, 220);
        grid->SetColCount(20);
        grid->SetRowCount(50);
        grid->SetDefaultColWidth(64);
        grid->SetDefaultRowHeight(20);
        Show();
    }
    plat::TGridRect Selection() const { return grid->GetSelection(); }
};

TEST_F(VezGridCursorTest, ScrollInViewCentresACellOutOfViewAndLeavesOneInView)
{
    const int Rows = grid->GetVisibleRowCount();
    const int Cols = grid->GetVisibleColCount();
    struct Case {
        const char* Name;
        int StartTop, Col, Row;
        int Top, Left, CurrentCol, CurrentRow;  // -1: as before
    };
    const Case Cases[] = {
        {"in view: nothing moves", 1, 2, 3, 1, 1, -1, -1},
        {"below the view", 1, 2, 30, 30 - Rows / 2, 1, -1, 30},
        {"above the view, not into the fixed row", 20, 2, 2, 1, 1, -1, 2},
        {"the last row: the top row stops short", 1, 2, 49, 51 - Rows, 1, -1, 49},
        {"right of the view", 1, 15, 3, 1, 15 - Cols / 2, 15, -1},
        {"a column outside the grid", 1, 20, 30, 1, 1, -1, -1},
        {"a row outside the grid", 1, 2, 50, 1, 1, -1, -1},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        grid->SetLeftCol(1);
        grid->SetTopRow(C.StartTop);
        grid->FocusCell(1, C.StartTop);
        grid->ScrollInView(C.Col, C.Row);
        EXPECT_EQ(grid->GetTopRow(), C.Top);
        EXPECT_EQ(grid->GetLeftCol(), C.Left);
        EXPECT_EQ(grid->GetCol(), C.CurrentCol < 0 ? 1 : C.CurrentCol);
        EXPECT_EQ(grid->GetRow(), C.CurrentRow < 0 ? C.StartTop : C.CurrentRow);
    }
}

TEST_F(VezGridCursorTest, ScrollInViewKeepsTheCellAboveTheSearchFooter)
{
    grid->SearchFooter().SetVisible(true);
    ASSERT_GT(grid->SearchPanel()->GetHeight(), 0);
    grid->ScrollInView(2, 49);
    EXPECT_LE(grid->CellRect(0, 49).Bottom, grid->GetHeight() - grid->SearchPanel()->GetHeight());
}

TEST_F(VezGridCursorTest, TopRowIsTakenOnlyWithinTheNormalRows)
{
    grid->SetTopRow(5);
    for (const auto& [Value, Expected] : std::vector<std::pair<int, int>>{{0, 5}, {50, 5}, {-1, 5}, {1, 1}, {9, 9}}) {
        grid->SetTopRow(Value);
        EXPECT_EQ(grid->GetTopRow(), Expected) << Value;
    }
}

TEST_F(VezGridCursorTest, RowChangesAreToldOnceAndASynchronisedGridFollows)
{
    auto* Other = new TProbeGrid(form);
    Other->SetRowCount(50);
    Other->SetParent(form);
    grid->SyncGrid().SetGrid(Other);
    grid->SyncGrid().SetSelectionRow(true);
    std::vector<std::pair<int, int>> Told;
    grid->OnRowChanged = [&](plat::TObject*, int OldRow, int NewRow) { Told.emplace_back(OldRow, NewRow); };
    grid->SetRow(4);
    grid->SetRow(4);
    grid->SetRow(7);
    EXPECT_EQ(Told, (std::vector<std::pair<int, int>>{{1, 4}, {4, 7}}));
    EXPECT_EQ(Other->GetRow(), 7);
}

TEST_F(VezGridCursorTest, WithDisjunctRowSelectionTheNewRowIsTheOneSelectedRow)
{
    grid->MouseActions().SetDisjunctRowSelect(true);
    grid->SetRowSelect(2, true);
    grid->SetRowSelect(5, true);
    grid->SetRow(grid->GetRow());
    EXPECT_EQ(grid->RowSelectCount(), 2) << "the row did not change";
    grid->SetRow(4);
    EXPECT_EQ(grid->RowSelectCount(), 1);
    EXPECT_TRUE(grid->GetRowSelect(4));
}

TEST_F(VezGridCursorTest, SettingTheRowWithTheColumnOutsideStartsAtTheFirstNormalColumn)
{
    grid->HideSelection();
    grid->SetRow(6);
    EXPECT_EQ(grid->GetCol(), 1);
    EXPECT_EQ(grid->GetRow(), 6);
}

TEST_F(VezGridCursorTest, AParkedSelectionComesBackAsItWasOrOnTheFirstNormalCell)
{
    grid->SetSelection({2, 3, 4, 5});
    grid->HideSelection();
    EXPECT_TRUE(grid->SelectionHidden());
    EXPECT_EQ(Selection(), (plat::TGridRect{20, 50, 20, 50}));
    grid->UnHideSelection();
    EXPECT_FALSE(grid->SelectionHidden());
    EXPECT_EQ(Selection(), (plat::TGridRect{2, 3, 4, 5}));

    grid->HideSelection();
    grid->SetRowCount(3);
    grid->UnHideSelection();
    EXPECT_EQ(Selection(), (plat::TGridRect{1, 1, 1, 1})) << "the kept rectangle starts below the rows";

    grid->SetFixedRowAlways(true);
    grid->HideSelection();
    grid->SetRowCount(1);
    grid->UnHideSelection();
    EXPECT_EQ(Selection(), (plat::TGridRect{1, 0, 1, 0})) << "only the fixed row is left";
}

TEST_F(VezGridCursorTest, RowsLeavingTheLastNormalRowParkTheSelectionAndRowsComingBackRestoreIt)
{
    grid->SetFixedRowAlways(true);
    grid->SetRowCount(4);
    const std::pair<const char*, std::function<void()>> Leave[] = {
        {"hidden", [&] { grid->HideRows(1, 3); }},
        {"removed", [&] { grid->RemoveRows(1, 3); }},
    };
    const std::pair<const char*, std::function<void()>> Come[] = {
        {"shown", [&] { grid->UnHideRowsAll(); }},
        {"inserted", [&] { grid->InsertRows(1, 3); }},
    };
    for (const auto& [Left, Leaving] : Leave) {
        for (const auto& [Came, Coming] : Come) {
            SCOPED_TRACE(std::string(Left) + ", then " + Came);
            grid->ClearHiddenRows();
            grid->SetRowCount(4);
            grid->FocusCell(2, 2);
            Leaving();
            ASSERT_EQ(grid->GetRowCount(), 1);
            EXPECT_TRUE(grid->SelectionHidden());
            EXPECT_GE(grid->GetRow(), grid->GetRowCount());
            Coming();
            if (grid->GetRowCount() == 1)
                continue;  // nothing was hidden to show
            EXPECT_FALSE(grid->SelectionHidden());
            EXPECT_LT(grid->GetRow(), grid->GetRowCount());
            EXPECT_LT(grid->GetCol(), grid->GetColCount());
        }
    }
}

}  // namespace
}  // namespace skelda::grid::testing
