#include "VezGridTesting.h"

#include "grid/model/ZOdeVuzeViriz.h"
#include "grid/settings/TMouseActions.h"
#include "grid/settings/TNavigation.h"
#include "grid/support/TCellGraphic.h"
#include "grid/support/TCellSelection.h"
#include "grid/support/TIntList.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/TStringList.h"
#include "platform/grids/EInvalidGridOperation.h"
#include "platform/system/DateTime.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace skelda::grid::testing {
namespace {

class VezGridCellOpsTest : public VezGridTest {
protected:
    void SetUp() override
    {
        VezGridTest::SetUp();
        grid->SetColCount(6);
        grid->SetRowCount(8);
        grid->SetFixedRows(0);
        grid->SetFixedCols(0);
        grid->SetColor(plat::clWhite);
    }

    TCellGraphic& AddCheckBox(int ACol, int ARow)
    {
        auto* Graphic = new TCellGraphic;
        Graphic->SetCellType(ctCheckBox);
        grid->SetGraphicObject(ACol, ARow, Graphic);
        return *Graphic;
    }
};

TEST_F(VezGridCellOpsTest, CellColourMakesARecordWithTheCellsPresentLook)
{
    EXPECT_EQ(grid->GetCellColor(3, 4), plat::clNone);
    EXPECT_FALSE(grid->HasCellProperties(3, 4)) << "reading a colour makes no record";
    grid->SetCellColor(3, 4, plat::clRed);
    const TCellProperties* Record = grid->FindCellProperties(3, 4);
    ASSERT_NE(Record, nullptr);
    EXPECT_EQ(Record->GetBrushColor(), plat::clRed);
    EXPECT_EQ(Record->GetFontColor(), grid->Font().GetColor());
    EXPECT_EQ(Record->GetFontName(), grid->Font().GetName());
    EXPECT_EQ(grid->GetCellColor(3, 4), plat::clRed);
    EXPECT_THROW(grid->SetCellColor(3, 8, plat::clRed), plat::EInvalidGridOperation);
}

TEST_F(VezGridCellOpsTest, UpdateBlockHoldsBackOnlyTheGridsOwnCellRepaint)
{
    struct TCase {
        const char* Name;
        std::function<void(TVezEzuzorEvad&)> Set;
        int Outside;
        int Inside;
    };
    const std::vector<TCase> Cases = {
        {"SetCellColor", [](TVezEzuzorEvad& G) { G.SetCellColor(2, 2, plat::clRed); }, 2, 1},
        {"SetCellColorTo", [](TVezEzuzorEvad& G) { G.SetCellColorTo(2, 2, plat::clRed); }, 2, 2},
        {"SetCellFontColor", [](TVezEzuzorEvad& G) { G.SetCellFontColor(2, 2, plat::clRed); }, 1, 1},
    };
    for (const TCase& Case : Cases) {
        grid->GetCellProperties(2, 2);
        grid->CellRepaints = 0;
        Case.Set(*grid);
        EXPECT_EQ(grid->CellRepaints, Case.Outside) << Case.Name;
        grid->BeginUpdate();
        grid->BeginUpdate();
        grid->CellRepaints = 0;
        Case.Set(*grid);
        EXPECT_EQ(grid->CellRepaints, Case.Inside) << Case.Name;
        grid->EndUpdate();
        EXPECT_EQ(grid->GetUpdateCount(), 1);
        grid->EndUpdate();
        grid->EndUpdate();
        EXPECT_EQ(grid->GetUpdateCount(), 0) << "an extra EndUpdate is ignored";
    }
}

// Clearing one colour of a row keeps everything else its cells carry; a record goes only when
// nothing of its own is left.
TEST_F(VezGridCellOpsTest, ClearingARowColourKeepsWhatCellsStillCarry)
{
    grid->SetFixedCols(1);
    const int Row = 3;
    grid->SetRowColor(Row, plat::clYellow);
    EXPECT_FALSE(grid->HasCellProperties(0, Row)) << "fixed columns are left alone";
    TCellGraphic& Check = AddCheckBox(1, Row);
    grid->SetCellFontStyle(2, Row, {plat::fsBold});
    grid->MergeCells(3, Row, 2, 2);
    grid->SetRowFontColor(Row, plat::clBlue);

    grid->SetRowColor(Row, plat::clNone);
    EXPECT_EQ(grid->GetGraphicObject(1, Row), &Check);
    EXPECT_EQ(grid->GetCellColor(1, Row), plat::clNone);
    EXPECT_TRUE(grid->FindCellProperties(2, Row)->GetFontStyle().Contains(plat::fsBold));
    EXPECT_EQ(grid->CellSpan(3, Row), (plat::TPoint{1, 1}));
    EXPECT_EQ(grid->FindCellProperties(5, Row)->GetFontColor(), plat::clBlue) << "font colour is not the field cleared";
    ExpectConsistentBlocks(*grid);

    grid->SetRowFontColor(Row, plat::clNone);
    EXPECT_FALSE(grid->HasCellProperties(5, Row)) << "nothing of its own left";
    EXPECT_TRUE(grid->HasCellProperties(1, Row));
    EXPECT_TRUE(grid->HasCellProperties(2, Row));
    EXPECT_EQ(grid->CellSpan(3, Row), (plat::TPoint{1, 1}));
    ExpectConsistentBlocks(*grid);
}

TEST_F(VezGridCellOpsTest, RowColourSettersTable)
{
    struct TCase {
        const char* Name;
        std::function<void(TVezEzuzorEvad&, int)> Set;
        std::function<void(TVezEzuzorEvad&, int)> Clear;
        std::function<bool(const TCellProperties&)> Holds;
        std::function<void(TVezEzuzorEvad&, int)> KeepOther;
    };
    const std::vector<TCase> Cases = {
        {"background", [](TVezEzuzorEvad& G, int R) { G.SetRowColor(R, plat::clRed); },
         [](TVezEzuzorEvad& G, int R) { G.SetRowColor(R, plat::clNone); },
         [](const TCellProperties& P) { return P.GetBrushColor() == plat::clRed; },
         [](TVezEzuzorEvad& G, int R) { G.SetCellFontColor(1, R, plat::clGreen); }},
        {"colour-to", [](TVezEzuzorEvad& G, int R) { G.SetRowColorTo(R, plat::clRed); },
         [](TVezEzuzorEvad& G, int R) { G.SetRowColorTo(R, plat::clNone); },
         [](const TCellProperties& P) { return P.GetBrushColorTo() == plat::clRed; },
         [](TVezEzuzorEvad& G, int R) { G.SetCellColor(1, R, plat::clGreen); }},
        {"font", [](TVezEzuzorEvad& G, int R) { G.SetRowFontColor(R, plat::clRed); },
         [](TVezEzuzorEvad& G, int R) { G.SetRowFontColor(R, plat::clNone); },
         [](const TCellProperties& P) { return P.GetFontColor() == plat::clRed; },
         [](TVezEzuzorEvad& G, int R) { G.SetCellColor(1, R, plat::clGreen); }},
    };
    for (const TCase& Case : Cases) {
        const int Row = 5;
        Case.Set(*grid, Row);
        for (int C = 0; C < grid->GetAllColCount(); ++C) {
            const TCellProperties* Record = grid->FindCellProperties(C, Row);
            ASSERT_NE(Record, nullptr) << Case.Name << " " << C;
            EXPECT_TRUE(Case.Holds(*Record)) << Case.Name << " " << C;
        }
        Case.KeepOther(*grid, Row);
        Case.Clear(*grid, Row);
        EXPECT_TRUE(grid->HasCellProperties(1, Row)) << Case.Name << ": another colour of its own";
        for (int C = 0; C < grid->GetAllColCount(); ++C)
            if (C != 1) {
                EXPECT_FALSE(grid->HasCellProperties(C, Row)) << Case.Name << " " << C;
            }
        grid->FreeCellProperty(1, Row);
        Case.Clear(*grid, Row);
        EXPECT_FALSE(grid->HasCellProperties(1, Row)) << Case.Name << ": clearing makes no record";
        EXPECT_THROW(Case.Set(*grid, -1), plat::EInvalidGridOperation) << Case.Name;
        EXPECT_THROW(Case.Clear(*grid, grid->GetRowCount()), plat::EInvalidGridOperation) << Case.Name;
    }
}

TEST_F(VezGridCellOpsTest, FillsWriteTheNormalCellsUnlessAskedForAll)
{
    grid->SetFixedRows(1);
    grid->SetFixedCols(1);
    grid->LinearFill(false);
    EXPECT_EQ(grid->GetCellText(1, 1), "1:1");
    EXPECT_EQ(grid->GetCellText(5, 7), "5:7");
    EXPECT_EQ(grid->GetCellText(0, 0), "");
    grid->SetFixedFooters(1);
    grid->SetFixedRightCols(1);
    grid->TextFill(false, "x");
    EXPECT_EQ(grid->GetCellText(4, 6), "x");
    EXPECT_EQ(grid->GetCellText(5, 6), "5:6") << "right fixed column kept";
    EXPECT_EQ(grid->GetCellText(4, 7), "4:7") << "footer row kept";
    grid->FormatFill(true, "%d/%d");
    EXPECT_EQ(grid->GetCellText(0, 0), "0/0");
    EXPECT_EQ(grid->GetCellText(5, 7), "5/7");
    EXPECT_THROW(grid->FormatFill(true, "%s"), plat::EConvertError);
    grid->RandomFill(true, 3);
    for (int C = 0; C < 6; ++C)
        for (int R = 0; R < 8; ++R) {
            const std::string Text = grid->GetCellText(C, R);
            EXPECT_TRUE(Text == "0" || Text == "1" || Text == "2") << Text;
        }
}

TEST_F(VezGridCellOpsTest, IndexErrorsRaiseTheGridsExceptionWithItsMessages)
{
    grid->SetColCount(3);
    struct TCase {
        const char* Name;
        std::function<void()> Run;
        std::string Message;
    };
    const std::vector<TCase> Cases = {
        {"GetColSelect", [&] { grid->GetColSelect(5); }, "Invalid column accessed"},
        {"SetColSelect", [&] { grid->SetColSelect(-1, true); }, "Invalid column accessed"},
        {"GetRowSelect", [&] { grid->GetRowSelect(-1); }, "Invalid row -1 accessed"},
        {"GetRowSelect past end", [&] { grid->GetRowSelect(8); }, "Invalid row 8 accessed"},
        {"SetRowSelect", [&] { grid->SetRowSelect(-1, true); }, "Invalid row accessed"},
        {"SetRowSelect past end", [&] { grid->SetRowSelect(8, true); }, "Invalid row accessed"},
    };
    for (const TCase& Case : Cases) {
        try {
            Case.Run();
            ADD_FAILURE() << Case.Name << " did not raise";
        } catch (const ZOdeVuzeViriz& Error) {
            EXPECT_EQ(Error.Message(), Case.Message) << Case.Name;
        }
    }
}

TEST_F(VezGridCellOpsTest, DisjunctRowSelectionAsksFirstAndKeepsOrder)
{
    grid->MouseActions().SetDisjunctRowSelect(true);
    std::vector<std::string> Log;
    grid->OnRowDisjunctSelect = [&](plat::TObject*, int ARow, bool AState, bool& Allow) {
        Log.push_back("ask " + std::to_string(ARow) + (AState ? " on" : " off"));
        Allow = ARow != 6;
    };
    grid->OnRowDisjunctSelected = [&](plat::TObject*, int ARow) { Log.push_back("done " + std::to_string(ARow)); };
    grid->SetRowSelect(4, true);
    grid->SetRowSelect(2, true);
    grid->SetRowSelect(4, true);
    grid->SetRowSelect(6, true);
    EXPECT_EQ(Log, (std::vector<std::string>{"ask 4 on", "done 4", "ask 2 on", "done 2", "done 4", "ask 6 on"}));
    EXPECT_EQ(grid->SelectedRows(), (std::vector<int>{4, 2}));
    EXPECT_TRUE(grid->GetRowSelect(2));
    EXPECT_FALSE(grid->GetRowSelect(6));
    EXPECT_EQ(grid->RowSelectCount(), 2);
    EXPECT_EQ(grid->SelectedRowCount(), 2);
    grid->UnSelectRows(4, 10);
    EXPECT_EQ(grid->SelectedRows(), (std::vector<int>{2}));
    grid->ClearRowSelect();
    EXPECT_EQ(grid->RowSelectCount(), 0);
}

TEST_F(VezGridCellOpsTest, DisjunctColumnCountIgnoresFlagsGrownByReads)
{
    grid->MouseActions().SetDisjunctColSelect(true);
    grid->SelectCols(1, 2);
    for (int C = 0; C < grid->GetColCount(); ++C)
        (void)grid->GetColSelect(C);
    EXPECT_EQ(grid->SelectedColCount(), 2);
    EXPECT_EQ(grid->ColSelectCount(), 2);
    grid->UnSelectCols(2, 1);
    EXPECT_EQ(grid->SelectedColCount(), 1);
}

TEST_F(VezGridCellOpsTest, SelectionCountsAllowForAMergedBlockAtTheEdge)
{
    grid->MergeCells(1, 2, 2, 3);
    struct TCase {
        plat::TGridRect Selection;
        int Rows;
        int Cols;
    };
    const std::vector<TCase> Cases = {
        {{1, 2, 1, 2}, 3, 2},
        {{1, 2, 3, 5}, 4, 3},
        {{1, 0, 1, 3}, 6, 1},
        {{0, 3, 1, 3}, 1, 3},
        {{3, 1, 4, 6}, 6, 2},
    };
    for (const TCase& Case : Cases) {
        grid->SetSelection(Case.Selection);
        EXPECT_EQ(grid->SelectedRowCount(), Case.Rows) << Case.Selection.Left << "," << Case.Selection.Top;
        EXPECT_EQ(grid->SelectedColCount(), Case.Cols) << Case.Selection.Left << "," << Case.Selection.Top;
    }
}

TEST_F(VezGridCellOpsTest, SelectedCellsCountAndSixtyFourBitCellKeys)
{
    grid->SetSelection({1, 1, 3, 4});
    EXPECT_EQ(grid->SelectedCellsCount(), 12);
    grid->SetSelection({2, 2, 2, 2});
    EXPECT_EQ(grid->SelectedCellsCount(), 1);

    grid->SetRowCount(70000);
    grid->MouseActions().SetDisjunctCellSelect(true);
    grid->SelectedCells().Clear();
    EXPECT_TRUE(grid->SelectedCells().Add(1, 65537));
    EXPECT_FALSE(grid->SelectedCells().Contains(1, 1)) << "row 65537 is not row 1";
    EXPECT_TRUE(grid->SelectedCells().Add(1, 1));
    EXPECT_TRUE(grid->SelectedCells().Add(65536 + 1, 0));
    EXPECT_FALSE(grid->SelectedCells().Contains(1, 0));
    EXPECT_EQ(grid->SelectedCellsCount(), 3);
    grid->ClearSelectedCells();
    EXPECT_EQ(grid->SelectedCellsCount(), 0);
    EXPECT_EQ(grid->GetSelection(), (plat::TGridRect{0, 0, 0, 0}));
}

TEST_F(VezGridCellOpsTest, SortCrossReferenceMapsBothWays)
{
    EXPECT_EQ(grid->UnSortedRowIndex(3), 3) << "empty list";
    for (int Value : {2, 0, 1})
        grid->SortXRef().Add(Value);
    EXPECT_EQ(grid->SortedRowIndex(0), 2);
    EXPECT_EQ(grid->SortedRowIndex(7), 7);
    EXPECT_EQ(grid->UnSortedRowIndex(1), 2);
    EXPECT_EQ(grid->UnSortedRowIndex(9), 3) << "not listed: the list's length";
}

TEST_F(VezGridCellOpsTest, SwapCellsExchangesTextsAndRecordsAndSplitsBlocks)
{
    grid->SetCellText(1, 1, "merged");
    grid->MergeCells(1, 1, 2, 2);
    grid->SetCellText(4, 5, "plain");
    grid->SetCellColor(4, 5, plat::clRed);
    grid->SwapCells({2, 2}, {4, 5});
    ExpectConsistentBlocks(*grid);
    EXPECT_FALSE(grid->IsMergedCell(1, 1));
    EXPECT_EQ(grid->GetCellText(2, 2), "plain");
    EXPECT_EQ(grid->GetCellColor(2, 2), plat::clRed);
    EXPECT_EQ(grid->FindCellProperties(2, 2)->GetOwnerCol(), 2);
    EXPECT_EQ(grid->GetCellText(1, 1), "merged");
    EXPECT_THROW(grid->SwapCells({0, 0}, {6, 0}), plat::EInvalidGridOperation);
}

TEST_F(VezGridCellOpsTest, RowMarksGrowOnDemand)
{
    EXPECT_FALSE(grid->GetRowModified(5));
    grid->SetRowModified(5, true);
    grid->SetRowModified(2, true);
    grid->SetRowModified(2, false);
    grid->SetRowModified(-3, true);
    EXPECT_TRUE(grid->GetRowModified(5));
    EXPECT_FALSE(grid->GetRowModified(-3));
    EXPECT_EQ(grid->ModifiedRowCount(), 1);
    grid->ClearModifiedRows();
    EXPECT_EQ(grid->ModifiedRowCount(), 0);
    EXPECT_TRUE(grid->GetRowEnabled(3));
}

TEST_F(VezGridCellOpsTest, HeadersGoIntoTheFixedCellsOnly)
{
    grid->ColumnHeaders().SetCommaText("One,Two\\nLines");
    EXPECT_EQ(grid->GetCellText(0, 0), "") << "no fixed row";
    grid->SetFixedRows(1);
    grid->SetFixedCols(1);
    grid->SetCellText(2, 0, "old");
    plat::TStringList Headers;
    Headers.SetCommaText("A,B");
    grid->SetColumnHeaders(Headers);
    EXPECT_EQ(grid->GetCellText(1, 0), "B");
    EXPECT_EQ(grid->GetCellText(2, 0), "") << "row 0 emptied first";
    grid->ColumnHeaders().Add("Multi\\nline");
    EXPECT_EQ(grid->GetCellText(2, 0), "Multi\rline");
    grid->RowHeaders().SetCommaText("r0,r1,r2");
    EXPECT_EQ(grid->GetCellText(0, 2), "r2");
}

TEST_F(VezGridCellOpsTest, TextAccessVariants)
{
    grid->SetCellText(1, 1, "<b>bold</b> text");
    EXPECT_EQ(grid->GetCellPlainText(1, 1), "bold text");
    EXPECT_EQ(grid->GetAllCellText(1, 1), "<b>bold</b> text");
    EXPECT_EQ(grid->GetAllCellText(1, -1), "");
    EXPECT_EQ(grid->GetAllCellObject(1, -1), 0);

    plat::FormatSettings().ShortDateFormat = "yyyy-mm-dd";
    grid->SetCellDate(2, 2, plat::EncodeDate(2012, 3, 4));
    EXPECT_EQ(grid->GetCellText(2, 2), "2012-03-04");
    grid->SetShowNullDates(false);
    grid->SetCellDate(2, 2, 0);
    EXPECT_EQ(grid->GetCellText(2, 2), "");
    plat::FormatSettings() = plat::DefaultFormatSettings();

    grid->SetCellText(3, 3, "base");
    grid->MergeCells(3, 3, 2, 2);
    grid->FocusCell(4, 4);
    EXPECT_EQ(grid->GetCurrentCell(), "base");
    grid->SetCurrentCell("changed");
    EXPECT_EQ(grid->GetCellText(3, 3), "changed");
}

TEST_F(VezGridCellOpsTest, LookSettersKeepTheirRules)
{
    grid->SetSelectionColorMixerFactor(150);
    EXPECT_EQ(grid->GetSelectionColorMixerFactor(), 100);
    grid->SetSelectionColorMixerFactor(-5);
    EXPECT_EQ(grid->GetSelectionColorMixerFactor(), 0);
    grid->SetShowSelection(false);
    EXPECT_FALSE(grid->GetShowSel());
    grid->SetZORGradientFrom(plat::clBtnFace);
    EXPECT_EQ(grid->GetZORGradientFrom(), plat::ColorToRGB(plat::clBtnFace));

    grid->SetSpreadSheet(false);
    EXPECT_TRUE(grid->GetSelectionRectangle());
    EXPECT_TRUE(grid->GetSelectionResizer());
    EXPECT_TRUE(grid->Navigation().GetAllowSmartClipboard());
    EXPECT_TRUE(grid->GetOptions().Contains(plat::goRangeSelect));
    EXPECT_TRUE(grid->GetOptions().Contains(plat::goEditing));
    EXPECT_TRUE(grid->MouseActions().GetRangeSelectAndEdit());
}

TEST_F(VezGridCellOpsTest, SizingBorderIsNearAnEdgeOfAFixedCell)
{
    Show();
    grid->SetFixedRows(1);
    plat::TGridOptions Options = grid->GetOptions();
    Options.Include(plat::goColSizing);
    grid->SetOptions(Options);
    const plat::TRect Header = grid->CellRect(2, 0);
    const plat::TRect Normal = grid->CellRect(2, 3);
    EXPECT_TRUE(grid->IsOnSizingBorder(Header.Right - 1, Header.Top + 5));
    EXPECT_FALSE(grid->IsOnSizingBorder((Header.Left + Header.Right) / 2, Header.Top + 5));
    EXPECT_FALSE(grid->IsOnSizingBorder(Normal.Right - 1, Normal.Top + 5)) << "not in a normal row";
}

}  // namespace
}  // namespace skelda::grid::testing
