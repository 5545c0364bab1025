#include "VezGridTesting.h"

#include "grid/settings/TColumnSize.h"
#include "grid/settings/TNavigation.h"
#include "platform/controls/core/Messages.h"

#include <gtest/gtest.h>

namespace skelda::grid::testing {
namespace {

class VezGridMessagesTest : public VezGridTest {
protected:
    void SetUp() override
    {
        VezGridTest::SetUp();
        grid->SetBorderStyle(plat::bsNone);
        grid->SetBounds(0, 0, 400, 200);
        grid->SetColCount(6);
        grid->SetRowCount(8);
        grid->SetDefaultColWidth(50);
        grid->SetDefaultRowHeight(20);
        Show();
        Settle();
    }

    // Paint passes that happen once the queued work has run.
    int PaintPasses()
    {
        const int Before = grid->GetPaintID();
        Settle();
        return grid->GetPaintID() - Before;
    }
    void Settle() { plat::Application->ProcessMessages(); }
    void Tick() { grid->Perform(plat::WM_TIMER, TVezEzuzorEvad::GridTimerID); }
};

TEST_F(VezGridMessagesTest, NestedUpdateBlocksPaintNothingAndRepaintOnceAtTheOutermostEnd)
{
    grid->BeginUpdate();
    grid->BeginUpdate();
    for (int R = 1; R < 8; ++R)
        grid->SetCellColor(2, R, plat::clRed);
    grid->Invalidate();
    grid->EndUpdate();
    EXPECT_TRUE(grid->GetLockUpdate());
    EXPECT_EQ(PaintPasses(), 0);
    grid->EndUpdate();
    EXPECT_EQ(grid->GetUpdateCount(), 0);
    EXPECT_EQ(PaintPasses(), 1);

    // An unbalanced end stays at 0 and repaints.
    grid->EndUpdate();
    EXPECT_EQ(grid->GetUpdateCount(), 0);
    EXPECT_EQ(PaintPasses(), 1);

    // A lock released while the grid is hidden still ends.
    grid->SetLockUpdate(true);
    grid->SetVisible(false);
    grid->SetLockUpdate(false);
    EXPECT_EQ(grid->GetUpdateCount(), 0);
}

TEST_F(VezGridMessagesTest, TimerTicksBlinkTaggedCellsAndExpireTheSearchText)
{
    grid->SetCellText(2, 3, "<blink>on</blink>");
    grid->SetCellText(3, 0, "<BLINK>head</BLINK>");
    grid->SetCellText(4, 4, "<b>bold</b>");
    grid->SetEnableBlink(true);
    grid->CellRepaints = 0;
    Tick();
    EXPECT_TRUE(grid->GetGridBlink());
    EXPECT_EQ(grid->CellRepaints, 2);
    Tick();
    EXPECT_FALSE(grid->GetGridBlink());
    EXPECT_EQ(grid->GetTimerTicks(), 2);

    grid->Navigation().SetAutoGotoIncremental(true);
    grid->SetSearchInc("ab");
    for (int I = 0; I < 3; ++I)
        Tick();
    EXPECT_EQ(grid->GetSearchInc(), "ab");
    Tick();
    EXPECT_EQ(grid->GetSearchInc(), "");
}

TEST_F(VezGridMessagesTest, HoveringMovesTheCurrentCellOnlyOverNormalCells)
{
    grid->SetHovering(true);
    const auto HoverOver = [&](int ACol, int ARow) {
        const plat::TRect R = grid->CellRect(ACol, ARow);
        ui.Input().SetCursorPos(grid->ClientToScreen({R.Left + 5, R.Top + 5}));
        Tick();
    };
    grid->SetCol(1);
    grid->SetRow(1);
    HoverOver(0, 4);
    EXPECT_EQ((plat::TPoint{grid->GetCol(), grid->GetRow()}), (plat::TPoint{1, 1}));
    HoverOver(3, 4);
    EXPECT_EQ((plat::TPoint{grid->GetCol(), grid->GetRow()}), (plat::TPoint{3, 4}));
}

TEST_F(VezGridMessagesTest, ColumnsKeepTheirShareOfTheGridWidth)
{
    struct Case {
        plat::TBorderStyle Border;
        int NewWidth, Expected;
    };
    for (const Case& C : {Case{plat::bsNone, 600, 45}, Case{plat::bsSingle, 600, 45}, Case{plat::bsNone, 200, 15}}) {
        SCOPED_TRACE(C.NewWidth);
        grid->SetBorderStyle(C.Border);
        grid->SetColWidths(2, 30);
        grid->SetBounds(0, 0, 400, 200);
        grid->InitOrigColSizes();
        grid->ColumnSize().SetSynchWithGrid(true);
        grid->Perform(plat::WM_SIZE, 0, plat::MAKELPARAM(C.NewWidth, 200));
        EXPECT_EQ(grid->GetColWidths(2), C.Expected);
        grid->ColumnSize().SetSynchWithGrid(false);
    }
}

}  // namespace
}  // namespace skelda::grid::testing
