#include "grid/cells/TBaseGrid.h"
#include "grid/cells/TVezGridUndoRedo.h"
#include "grid/support/TCellGraphic.h"
#include "grid/text/TextKinds.h"
#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TForm.h"
#include "platform/graphics/TBrush.h"
#include "platform/grids/EInvalidGridOperation.h"
#include "platform/testing/UiTestEnvironment.h"
#include "tests/grid/cells/BlockConsistency.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace skelda::grid {
namespace {

std::string Name(int ACol, int ARow)
{
    return std::to_string(ACol) + "," + std::to_string(ARow);
}

// The grid with the steps that grids built on it reach, open to the tests.
class TTestBaseGrid : public TBaseGrid {
public:
    using TBaseGrid::TBaseGrid;
    using TBaseGrid::DeleteColumn;
    using TBaseGrid::DeleteRow;
    using TBaseGrid::KeyDown;
};

class BaseGridTest : public ::testing::Test {
protected:
    // A shown 8 x 8 grid of 64 x 24 pixel cells without frame or scroll bars, every cell
    // holding its own name as text.
    void SetUp() override
    {
        form->SetBounds(0, 0, 800, 600);
        grid = new TTestBaseGrid(form);
        grid->SetBorderStyle(plat::bsNone);
        grid->SetScrollBars(plat::ssNone);
        grid->SetBounds(0, 0, 400, 200);
        grid->SetColCount(8);
        grid->SetRowCount(8);
        grid->SetParent(form);
        form->Show();
        for (int C = 0; C < 8; ++C)
            for (int R = 0; R < 8; ++R)
                grid->SetRawCell(C, R, Name(C, R));
    }

    void ExpectConsistentBlocks() const { testing::ExpectConsistentBlocks(*grid); }

    plat::testing::UiTestEnvironment ui;
    plat::TForm* form = new plat::TForm(plat::Application);
    TTestBaseGrid* grid = nullptr;
};

TEST_F(BaseGridTest, StartsWithTheGridsOwnLineAndLookSettings)
{
    EXPECT_EQ(grid->GetGridLineWidth(), 1);
    EXPECT_FALSE(grid->GetDefaultDrawing());
    EXPECT_EQ(grid->plat::TCustomGrid::GetGridLineWidth(), 0);
    EXPECT_FALSE(grid->plat::TCustomGrid::GetDefaultDrawing());
    EXPECT_EQ(grid->GetGridLineColor(), 0xC0C0C0);
    EXPECT_EQ(grid->GetGridFixedLineColor(), 0x808080);
    EXPECT_EQ(grid->GetActiveRowColor(), static_cast<plat::TColor>(0xFF000018));
    EXPECT_EQ(grid->GetActiveRowColorTo(), plat::clNone);
    EXPECT_EQ(grid->GetHoverRowIdx(), -1);
    EXPECT_EQ(grid->GetSelectionStyle(), ssDefault);
    EXPECT_TRUE(grid->GetWordWrap());
    EXPECT_TRUE(grid->GetShowSel());
    EXPECT_EQ(grid->GetMergeCount(), 0);

    // Setting the own settings keeps the library's lines and drawing off.
    grid->SetGridLineWidth(3);
    grid->SetDefaultDrawing(true);
    EXPECT_EQ(grid->GetGridLineWidth(), 3);
    EXPECT_EQ(grid->plat::TCustomGrid::GetGridLineWidth(), 0);
    EXPECT_FALSE(grid->plat::TCustomGrid::GetDefaultDrawing());
}

TEST_F(BaseGridTest, EveryCellOfABlockReadsAndWritesItsBaseAndSplitShowsTheOthersAgain)
{
    ASSERT_TRUE(grid->MergeCells(2, 3, 3, 2));
    EXPECT_EQ(grid->GetMergeCount(), 1);
    ExpectConsistentBlocks();
    for (int C = 2; C <= 4; ++C)
        for (int R = 3; R <= 4; ++R) {
            EXPECT_EQ(grid->GetCellText(C, R), "2,3") << Name(C, R);
            EXPECT_EQ(grid->BaseCell(C, R), (plat::TPoint{2, 3})) << Name(C, R);
            EXPECT_EQ(grid->CellSpan(C, R), (plat::TPoint{2, 1})) << Name(C, R);
            EXPECT_TRUE(grid->IsMergedCell(C, R)) << Name(C, R);
            EXPECT_EQ(grid->IsBaseCell(C, R), C == 2 && R == 3) << Name(C, R);
        }
    EXPECT_EQ(grid->GetCellText(5, 3), "5,3");
    EXPECT_FALSE(grid->IsMergedCell(5, 3));

    grid->SetCellText(4, 4, "block");
    EXPECT_EQ(grid->GetRawCell(2, 3), "block");
    EXPECT_EQ(grid->GetRawCell(4, 4), "4,4");
    EXPECT_EQ(grid->GetCellText(3, 3), "block");

    ASSERT_TRUE(grid->SplitCells(3, 4));
    EXPECT_EQ(grid->GetMergeCount(), 0);
    ExpectConsistentBlocks();
    EXPECT_EQ(grid->GetCellText(2, 3), "block");
    EXPECT_EQ(grid->GetCellText(4, 4), "4,4");
    EXPECT_EQ(grid->GetCellText(3, 3), "3,3");
    EXPECT_FALSE(grid->SplitCells(3, 4));
    EXPECT_EQ(grid->GetMergeCount(), 0);
}

TEST_F(BaseGridTest, BlocksStayConsistentThroughEveryKindOfChange)
{
    struct Step {
        const char* What;
        std::function<void(TBaseGrid&)> Change;
        int MergeCount;
    };
    const Step Steps[] = {
        {"merge 1,1 3x3", [](TBaseGrid& G) { G.MergeCells(1, 1, 3, 3); }, 1},
        {"merge 5,0 2x2", [](TBaseGrid& G) { G.MergeCells(5, 0, 2, 2); }, 2},
        {"overlapping merge splits both", [](TBaseGrid& G) { G.MergeCells(3, 1, 3, 1); }, 1},
        {"merge cut at the grid's edge", [](TBaseGrid& G) { G.MergeCells(6, 6, 5, 5); }, 2},
        {"free the base record", [](TBaseGrid& G) { G.FreeCellProperty(6, 6); }, 1},
        {"merge 0,5 2x2", [](TBaseGrid& G) { G.MergeCells(0, 5, 2, 2); }, 2},
        {"free a covered record", [](TBaseGrid& G) { G.FreeCellProperty(1, 6); }, 1},
        {"merge 0,5 2x2 again", [](TBaseGrid& G) { G.MergeCells(0, 5, 2, 2); }, 2},
        {"replace a covered record",
         [](TBaseGrid& G) { G.SetCellProperties(1, 5, std::make_unique<TCellProperties>(&G, 1, 5)); }, 1},
        {"merge 2,4 3x3", [](TBaseGrid& G) { G.MergeCells(2, 4, 3, 3); }, 2},
        {"free a block from its middle", [](TBaseGrid& G) { G.FreeCellProperties(3, 5, 7, 7); }, 1},
        {"split by a covered cell", [](TBaseGrid& G) { G.SplitCells(4, 1); }, 0},
    };
    for (const Step& S : Steps) {
        SCOPED_TRACE(S.What);
        S.Change(*grid);
        EXPECT_EQ(grid->GetMergeCount(), S.MergeCount);
        ExpectConsistentBlocks();
    }
}

TEST_F(BaseGridTest, BlocksFollowMovedAndDeletedLinesOrSplitWhenTornApart)
{
    struct Step {
        const char* What;
        std::function<void(TTestBaseGrid&)> Change;
        int MergeCount;
        plat::TPoint Probe;
        plat::TGridRect ProbeBlock;
    };
    const Step Steps[] = {
        {"two blocks", [](TTestBaseGrid& G) { G.MergeCells(1, 1, 2, 2); G.MergeCells(4, 4, 2, 2); }, 2, {2, 2}, {1, 1, 2, 2}},
        {"rows shift under a whole block", [](TTestBaseGrid& G) { G.MoveRow(0, 3); }, 2, {2, 1}, {1, 0, 2, 1}},
        {"a move through a block splits it", [](TTestBaseGrid& G) { G.MoveRow(7, 5); }, 1, {5, 5}, {5, 5, 5, 5}},
        {"columns shift under a whole block",
         [](TTestBaseGrid& G) { G.MergeCells(3, 5, 3, 2); G.MoveColumn(7, 3); }, 2, {6, 6}, {4, 5, 6, 6}},
        {"deleting a row of a block splits it", [](TTestBaseGrid& G) { G.DeleteRow(5); }, 1, {5, 5}, {5, 5, 5, 5}},
        {"blocks below a deleted row move up",
         [](TTestBaseGrid& G) { G.MergeCells(0, 4, 2, 3); G.DeleteRow(2); }, 2, {1, 5}, {0, 3, 1, 5}},
        {"deleting a column splits the blocks holding it", [](TTestBaseGrid& G) { G.DeleteColumn(1); }, 0, {0, 3}, {0, 3, 0, 3}},
        {"blocks right of a deleted column move left",
         [](TTestBaseGrid& G) { G.MergeCells(3, 3, 2, 2); G.DeleteColumn(0); }, 1, {3, 4}, {2, 3, 3, 4}},
    };
    for (const Step& S : Steps) {
        SCOPED_TRACE(S.What);
        S.Change(*grid);
        EXPECT_EQ(grid->GetMergeCount(), S.MergeCount);
        EXPECT_EQ(grid->MergedCells().FullCell(S.Probe.X, S.Probe.Y), S.ProbeBlock);
        ExpectConsistentBlocks();
    }
    // The base keeps its text through the shift; every cell of the block reads it.
    EXPECT_EQ(grid->GetCellText(3, 4), grid->GetRawCell(2, 3));
}

TEST_F(BaseGridTest, ArrowKeysLeaveABlockAsOneCellAndLandOnBases)
{
    grid->SetFixedCols(1);
    grid->SetFixedRows(1);
    grid->MergeCells(2, 2, 3, 2);
    struct Case {
        plat::TPoint From;
        unsigned Key;
        plat::TPoint To;
    };
    const Case Cases[] = {
        {{2, 2}, plat::VK_RIGHT, {5, 2}},
        {{2, 2}, plat::VK_DOWN, {2, 4}},
        {{3, 3}, plat::VK_UP, {3, 1}},
        {{4, 3}, plat::VK_LEFT, {1, 3}},
        {{5, 3}, plat::VK_LEFT, {2, 2}},
        {{3, 1}, plat::VK_DOWN, {2, 2}},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(::testing::Message() << Name(C.From.X, C.From.Y) << " key " << C.Key);
        grid->SetCol(C.From.X);
        grid->SetRow(C.From.Y);
        unsigned Key = C.Key;
        grid->KeyDown(Key, {});
        EXPECT_EQ((plat::TPoint{grid->GetCol(), grid->GetRow()}), C.To);
    }
}

TEST_F(BaseGridTest, PageDownStopsAboveAHiddenLastRow)
{
    grid->SetRowCount(20);
    grid->SetHideLastRow(true);
    grid->SetTopRow(grid->GetRowCount() - 1 + grid->GetFixedRows() - grid->GetVisibleRowCount());
    grid->SetRow(grid->GetTopRow());
    unsigned Key = plat::VK_NEXT;
    grid->KeyDown(Key, {});
    EXPECT_EQ(grid->GetRow(), 18);
}

TEST_F(BaseGridTest, DisplayTextEventRewritesOnlyNormalRowsWithTheBaseCoordinates)
{
    std::vector<std::string> Asked;
    grid->OnGetDisplText = [&](plat::TObject*, int ACol, int ARow, std::string& Value) {
        Asked.push_back(Name(ACol, ARow));
        Value = "<" + Value + ">";
    };
    grid->SetNormalRowCount(4);
    grid->MergeCells(1, 2, 2, 2);

    EXPECT_EQ(grid->GetCellText(2, 3), "<1,2>");
    EXPECT_EQ(grid->GetCellText(0, 0), "<0,0>");
    EXPECT_EQ(Asked, (std::vector<std::string>{"1,2", "0,0"}));
    Asked.clear();
    EXPECT_EQ(grid->GetCellText(0, 4), "0,4");
    EXPECT_EQ(grid->GetCellText(0, 7), "0,7");
    EXPECT_TRUE(Asked.empty());
}

TEST_F(BaseGridTest, WideDisplayTextComesBackPackedAfterTheNarrowEvent)
{
    grid->SetNormalRowCount(4);
    grid->OnGetDisplText = [](plat::TObject*, int ACol, int, std::string& Value) {
        if (ACol == 0)
            Value += "!";
    };
    std::vector<std::u16string> Seen;
    grid->OnGetDisplWideText = [&](plat::TObject*, int ACol, int, std::u16string& Value) {
        Seen.push_back(Value);
        if (ACol == 1)
            Value.assign(1, u'\u03a9');
    };
    grid->SetRawCell(2, 0, PackWideText(u"\u20ac"));

    EXPECT_EQ(grid->GetCellText(0, 0), PackWideText(u"0,0!"));
    EXPECT_EQ(grid->GetCellText(1, 0), PackWideText(u"\u03a9"));
    EXPECT_EQ(UnpackWideText(grid->GetCellText(2, 0)), u"\u20ac");
    EXPECT_EQ(Seen.front(), u"0,0!");
    // Rows from NormalRowCount on pass no event at all.
    EXPECT_EQ(grid->GetCellText(0, 5), "0,5");
    EXPECT_EQ(Seen.size(), 3u);
}

TEST_F(BaseGridTest, StoringAnObjectKeepsTheStoredTextEvenWhenTheDisplayHidesIt)
{
    grid->SetNormalRowCount(8);
    grid->OnGetDisplText = [](plat::TObject*, int ACol, int, std::string& Value) {
        if (ACol == 1)
            Value.clear();
    };
    grid->SetRawCell(3, 0, "");
    struct Case {
        int Col;
        int Row;
        std::string StoredAfter;
    };
    const Case Cases[] = {
        {1, 1, "1,1"},  // shown empty, stored value kept
        {3, 0, ""},     // empty stays empty
        {2, 2, "2,2"},  // text unchanged
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(Name(C.Col, C.Row));
        grid->SetCellObject(C.Col, C.Row, 7);
        EXPECT_EQ(grid->GetRawCell(C.Col, C.Row), C.StoredAfter);
        EXPECT_EQ(grid->GetCellObject(C.Col, C.Row), 7);

        auto* Owned = new TCellGraphic;
        grid->SetGraphicObject(C.Col, C.Row, Owned);
        EXPECT_EQ(grid->GetRawCell(C.Col, C.Row), C.StoredAfter);
        EXPECT_EQ(grid->GetGraphicObject(C.Col, C.Row), Owned);
    }
    EXPECT_EQ(grid->GetCellObject(5, 5), 0);
    EXPECT_EQ(grid->GetGraphicObject(5, 5), nullptr);
}

TEST_F(BaseGridTest, NewRecordTakesThePresentLookAndReadingTextMakesNone)
{
    grid->GetCellText(1, 1);
    grid->SetCellText(1, 1, "x");
    EXPECT_FALSE(grid->GetHasCellProps());
    EXPECT_FALSE(grid->HasCellProperties(1, 1));

    grid->SetColor(plat::clYellow);
    grid->Font().SetColor(plat::clRed);
    grid->SetWordWrap(false);
    const TCellProperties& Record = grid->GetCellProperties(1, 1);
    EXPECT_TRUE(grid->GetHasCellProps());
    EXPECT_TRUE(grid->HasCellProperties(1, 1));
    EXPECT_EQ(Record.GetBrushColor(), plat::clYellow);
    EXPECT_EQ(Record.GetFontColor(), plat::clRed);
    EXPECT_FALSE(Record.GetWordWrap());
    EXPECT_EQ(&grid->GetCellProperties(1, 1), &Record);
}

TEST_F(BaseGridTest, MergedCellRectangleCoversTheBlockAlsoOutOfViewAndOverHiddenColumns)
{
    const plat::TRect Plain = grid->CellRect(1, 1);
    EXPECT_EQ(Plain, (plat::TRect{64, 24, 128, 48}));
    grid->MergeCells(1, 1, 1, 1);
    EXPECT_FALSE(grid->IsMergedCell(1, 1));
    EXPECT_EQ(grid->CellRect(1, 1), Plain);

    grid->MergeCells(2, 2, 3, 2);
    for (int C = 2; C <= 4; ++C)
        EXPECT_EQ(grid->CellRect(C, 3), (plat::TRect{128, 48, 320, 96})) << C;

    grid->SetFixedCols(1);
    grid->SetFixedRows(1);
    grid->SetLeftCol(3);
    grid->SetTopRow(3);
    ASSERT_EQ(grid->GetLeftCol(), 3);
    ASSERT_EQ(grid->GetTopRow(), 3);
    EXPECT_EQ(grid->CalcCellRect(2, 2), (plat::TRect{0, 0, 64, 24}));
    EXPECT_EQ(grid->CellRect(4, 3), (plat::TRect{0, 0, 192, 48}));
    grid->SetLeftCol(4);
    EXPECT_EQ(grid->CellRect(3, 2), (plat::TRect{-64, 0, 128, 48}));

    grid->SetLeftCol(1);
    grid->SetTopRow(1);
    grid->SetColWidths(2, 0);
    grid->SetColWidths(3, 0);
    grid->SetColWidths(4, 0);
    const plat::TRect Hidden = grid->CellRect(3, 2);
    EXPECT_GE(Hidden.Width(), 1);
}

TEST_F(BaseGridTest, OutOfRangeChangesRaiseTheGridErrorAndQueriesAnswerAPlainCell)
{
    struct Cell {
        int Col;
        int Row;
    };
    const Cell Outside[] = {{-1, 0}, {0, -1}, {8, 0}, {0, 8}};
    for (const Cell& C : Outside) {
        SCOPED_TRACE(Name(C.Col, C.Row));
        EXPECT_THROW(grid->GetCellProperties(C.Col, C.Row), plat::EInvalidGridOperation);
        EXPECT_THROW(grid->SetCellProperties(C.Col, C.Row, nullptr), plat::EInvalidGridOperation);
        EXPECT_THROW(grid->FreeCellProperty(C.Col, C.Row), plat::EInvalidGridOperation);
        EXPECT_THROW(grid->MergeCells(C.Col, C.Row, 2, 2), plat::EInvalidGridOperation);
        EXPECT_THROW(grid->SplitCells(C.Col, C.Row), plat::EInvalidGridOperation);
        EXPECT_THROW(grid->SetCellObject(C.Col, C.Row, 1), plat::EInvalidGridOperation);
        EXPECT_THROW(grid->SetGraphicObject(C.Col, C.Row, nullptr), plat::EInvalidGridOperation);
        EXPECT_THROW(grid->CalcCellRect(C.Col, C.Row), plat::EInvalidGridOperation);

        EXPECT_FALSE(grid->HasCellProperties(C.Col, C.Row));
        EXPECT_FALSE(grid->IsMergedCell(C.Col, C.Row));
        EXPECT_TRUE(grid->IsBaseCell(C.Col, C.Row));
        EXPECT_EQ(grid->CellSpan(C.Col, C.Row), (plat::TPoint{0, 0}));
        EXPECT_EQ(grid->GetCellObject(C.Col, C.Row), 0);
        EXPECT_TRUE(grid->CellRect(C.Col, C.Row).IsEmpty());
    }
    EXPECT_THROW(grid->GetCellText(-1, 0), plat::EInvalidGridOperation);
    EXPECT_THROW(grid->SetCellText(0, -1, "x"), plat::EInvalidGridOperation);
    EXPECT_FALSE(grid->GetHasCellProps());
}

TEST(BaseGridLifetimeTest, RecordsAndTheirCellGraphicsGoWithTheGridOtherObjectsStay)
{
    plat::testing::UiTestEnvironment Ui;
    plat::TBrush Foreign;
    Foreign.SetColor(plat::clRed);
    auto* Grid = new TBaseGrid(nullptr);
    Grid->SetColCount(4);
    Grid->SetRowCount(10);
    Grid->MergeCells(0, 0, 2, 2);
    Grid->SetGraphicObject(1, 1, new TCellGraphic);
    Grid->SetGraphicObject(3, 8, new TCellGraphic);
    // A record left beyond the counts when they shrink is still the grid's.
    Grid->SetRowCount(5);
    Grid->SetColCount(2);
    Grid->GetCellProperties(1, 4).SetGraphicObject(&Foreign);
    delete Grid;
    EXPECT_EQ(Foreign.GetColor(), plat::clRed);
}

TEST(BaseGridLifetimeTest, UndoLinkFollowsTheLatestComponentAndDropsWithWhicheverSideGoesFirst)
{
    plat::testing::UiTestEnvironment Ui;
    {
        auto* Grid = new TBaseGrid(nullptr);
        auto* Undo = new TVezGridUndoRedo(nullptr);
        Grid->SetUndoRedo(Undo);
        EXPECT_EQ(Undo->GetGrid(), Grid);
        delete Undo;
        EXPECT_EQ(Grid->GetUndoRedo(), nullptr);
        delete Grid;
    }
    {
        auto* Grid = new TBaseGrid(nullptr);
        auto* Old = new TVezGridUndoRedo(nullptr);
        auto* Undo = new TVezGridUndoRedo(nullptr);
        Grid->SetUndoRedo(Old);
        Grid->SetUndoRedo(Undo);
        EXPECT_EQ(Old->GetGrid(), nullptr);
        EXPECT_EQ(Undo->GetGrid(), Grid);
        delete Grid;
        EXPECT_EQ(Undo->GetGrid(), nullptr);
        delete Undo;
        delete Old;
    }
}

}  // namespace
}  // namespace skelda::grid
