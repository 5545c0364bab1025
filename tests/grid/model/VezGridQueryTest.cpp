#include "VezGridTesting.h"

#include "foundation/TVezHintInfo.h"
#include "grid/settings/TBands.h"
#include "grid/settings/TControlLook.h"
#include "grid/settings/TFloatingFooter.h"
#include "grid/settings/TMouseActions.h"
#include "grid/settings/TSyncGrid.h"
#include "grid/support/TCellGraphic.h"
#include "grid/text/TextKinds.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TPen.h"
#include "platform/grids/EInvalidGridOperation.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace skelda::grid::testing {
namespace {

std::string Pair(int A, int B)
{
    return std::to_string(A) + "," + std::to_string(B);
}

// Each operation is asked about column 2, row 5; the handler writes down the two numbers in the
// order its event passes them.
TEST_F(VezGridTest, QueryEventsPassColumnAndRowInTheirDocumentedOrder)
{
    struct TCase {
        const char* Name;
        std::function<std::string(TVezEzuzorEvad&)> Run;
        std::string Expected;
    };
    const std::vector<TCase> Cases = {
        {"OnGetCellColor",
         [](TVezEzuzorEvad& G) {
             std::string Got;
             G.OnGetCellColor = [&](plat::TObject*, int A, int B, plat::TGridDrawState, plat::TBrush&, plat::TFont&) {
                 Got = Pair(A, B);
             };
             plat::TFont Font;
             plat::TBrush Brush;
             G.QueryCellColor(2, 5, Font, Brush, {});
             return Got;
         },
         "5,2"},
        {"OnGetCellPrintColor",
         [](TVezEzuzorEvad& G) {
             std::string Got;
             G.OnGetCellPrintColor = [&](plat::TObject*, int A, int B, plat::TGridDrawState, plat::TBrush&,
                                         plat::TFont&) { Got = Pair(A, B); };
             plat::TFont Font;
             plat::TBrush Brush;
             G.GetCellPrintColor(2, 5, Font, Brush, {});
             return Got;
         },
         "5,2"},
        {"OnGetCellBorder",
         [](TVezEzuzorEvad& G) {
             std::string Got;
             G.OnGetCellBorder = [&](plat::TObject*, int A, int B, plat::TPen&, TCellBorders& Borders) {
                 Got = Pair(A, B);
                 Borders.Include(cbBottom);
             };
             TCellBorders Borders;
             plat::TPen Pen;
             G.GetCellBorder(2, 5, Borders, Pen);
             return Borders.Contains(cbBottom) ? Got : "borders not kept";
         },
         "5,2"},
        {"OnGetAlignment",
         [](TVezEzuzorEvad& G) {
             std::string Got;
             G.OnGetAlignment = [&](plat::TObject*, int A, int B, plat::TAlignment&, TVAlignment&) {
                 Got = Pair(A, B);
             };
             plat::TAlignment H = plat::taLeftJustify;
             TVAlignment V = vtaTop;
             G.QueryCellAlignment(2, 5, H, V);
             return Got;
         },
         "5,2"},
        {"OnGetEditorType",
         [](TVezEzuzorEvad& G) {
             std::string Got;
             G.OnGetEditorType = [&](plat::TObject*, int A, int B, TEditorType&) { Got = Pair(A, B); };
             TEditorType Editor = edNormal;
             G.GetCellEditor(2, 5, Editor);
             return Got;
         },
         "2,5"},
        {"OnIsFixedCell",
         [](TVezEzuzorEvad& G) {
             std::string Got;
             G.OnIsFixedCell = [&](plat::TObject*, int A, int B, bool&) { Got = Pair(A, B); };
             bool Fixed = false;
             G.IsFixedCell(2, 5, Fixed);
             return Got;
         },
         "5,2"},
        {"OnCanEditCell",
         [](TVezEzuzorEvad& G) {
             std::string Got;
             G.OnCanEditCell = [&](plat::TObject*, int A, int B, bool&) { Got = Pair(A, B); };
             bool CanEdit = true;
             G.CanEditCellCheck(2, 5, CanEdit);
             return Got;
         },
         "5,2"},
        {"OnIsPasswordCell",
         [](TVezEzuzorEvad& G) {
             std::string Got;
             G.OnIsPasswordCell = [&](plat::TObject*, int A, int B, bool&) { Got = Pair(A, B); };
             bool Password = false;
             G.QueryPasswordCell(2, 5, Password);
             return Got;
         },
         "5,2"},
        {"OnGetWordWrap",
         [](TVezEzuzorEvad& G) {
             std::string Got;
             G.OnGetWordWrap = [&](plat::TObject*, int A, int B, bool&) { Got = Pair(A, B); };
             bool Wrap = false;
             G.GetCellWordWrap(2, 5, Wrap);
             return Got;
         },
         "2,5"},
        {"OnGridHint",
         [](TVezEzuzorEvad& G) {
             std::string Got;
             G.OnGridHint = [&](plat::TObject*, int A, int B, std::string&) { Got = Pair(A, B); };
             std::string Wide, Hint;
             G.GetGridHint(2, 5, Wide, Hint);
             return Got;
         },
         "5,2"},
        {"OnOfficeHint",
         [](TVezEzuzorEvad& G) {
             std::string Got;
             G.OnOfficeHint = [&](plat::TObject*, int A, int B, foundation::TVezHintInfo&) { Got = Pair(A, B); };
             std::string Wide, Hint;
             G.GetGridHint(2, 5, Wide, Hint);
             return Got;
         },
         "2,5"},
        {"OnComboCloseUp",
         [](TVezEzuzorEvad& G) {
             std::string Got;
             G.OnComboCloseUp = [&](plat::TObject*, int A, int B) { Got = Pair(A, B); };
             G.ComboCloseUp(2, 5);
             return Got;
         },
         "5,2"},
        {"OnComboDropDown",
         [](TVezEzuzorEvad& G) {
             std::string Got;
             G.OnComboDropDown = [&](plat::TObject*, int A, int B) { Got = Pair(A, B); };
             G.ComboDropDown(2, 5);
             return Got;
         },
         "5,2"},
        {"OnGetEditorProp then OnGetEditorPropInt",
         [](TVezEzuzorEvad& G) {
             std::string Got;
             G.OnGetEditorProp = [&](plat::TObject*, int A, int B, TEditLink*) { Got += Pair(A, B) + ";"; };
             G.OnGetEditorPropInt = [&](plat::TObject*, int A, int B) { Got += Pair(A, B); };
             G.GetEditorProp(2, 5, nullptr);
             return Got;
         },
         "2,5;5,2"},
        {"OnButtonClick",
         [](TVezEzuzorEvad& G) {
             std::string Got;
             G.OnButtonClick = [&](plat::TObject*, int A, int B) { Got = Pair(A, B); };
             G.ButtonClick(2, 5);
             return Got;
         },
         "2,5"},
        {"OnCheckBoxClick",
         [](TVezEzuzorEvad& G) {
             std::string Got;
             G.OnCheckBoxClick = [&](plat::TObject*, int A, int B, bool State) {
                 Got = Pair(A, B) + (State ? " on" : " off");
             };
             G.CheckBoxClick(2, 5, true);
             return Got;
         },
         "2,5 on"},
        {"OnGetCheckTrue",
         [](TVezEzuzorEvad& G) {
             std::string Got;
             G.OnGetCheckTrue = [&](plat::TObject*, int A, int B, std::string& Value) {
                 Got = Pair(A, B) + " " + Value;
                 Value = "yes";
             };
             std::string Value;
             G.GetCheckTrue(2, 5, Value);
             return Got + " " + Value;
         },
         "2,5 Y yes"},
        {"OnGetCellCursor",
         [](TVezEzuzorEvad& G) {
             std::string Got;
             G.OnGetCellCursor = [&](plat::TObject*, int A, int B, int X, int Y, plat::TCursor&) {
                 Got = Pair(A, B) + " " + Pair(X, Y);
             };
             G.GetCellCursor(2, 5, 30, 40);
             return Got;
         },
         "2,5 30,40"},
        {"OnSearchFooterAction",
         [](TVezEzuzorEvad& G) {
             std::string Got;
             G.OnSearchFooterAction = [&](plat::TObject*, const std::string& Value, int A, int B,
                                          TSearchAction Action) {
                 Got = Value + " " + Pair(A, B) + " " + std::to_string(Action);
             };
             G.SearchFooterAction("abc", 2, 5, saFindNext);
             return Got;
         },
         "abc 2,5 2"},
        {"OnPrintGetPageNum",
         [](TVezEzuzorEvad& G) {
             G.OnPrintGetPageNum = [](plat::TObject*, int A, int B, std::string& Text) { Text = Pair(A, B); };
             std::string Text;
             G.PrintGetPageNum(2, 5, Text);
             return Text;
         },
         "2,5"},
        {"OnSelectionChanged",
         [](TVezEzuzorEvad& G) {
             std::string Got;
             G.OnSelectionChanged = [&](plat::TObject*, int L, int T, int R, int B) {
                 Got = Pair(L, T) + "," + Pair(R, B);
             };
             G.SelectionChangedNotify(2, 5, 3, 6);
             return Got;
         },
         "2,5,3,6"},
    };
    for (const TCase& Case : Cases)
        EXPECT_EQ(Case.Run(*grid), Case.Expected) << Case.Name;
}

TEST_F(VezGridTest, FixedCellRulesAskTheOwnerOnlyForNormalCells)
{
    grid->SetFixedRows(1);
    grid->SetFixedCols(1);
    int Asked = 0;
    grid->OnIsFixedCell = [&](plat::TObject*, int ARow, int, bool& IsFixed) {
        ++Asked;
        IsFixed = ARow == 7;
    };
    struct TCase {
        int Col;
        int Row;
        bool Fixed;
        int Asks;
    };
    const std::vector<TCase> Cases = {{0, 3, true, 0}, {3, 0, true, 0}, {3, 3, false, 1}, {3, 7, true, 1}};
    for (const TCase& Case : Cases) {
        Asked = 0;
        bool Fixed = false;
        grid->IsFixedCell(Case.Col, Case.Row, Fixed);
        EXPECT_EQ(Fixed, Case.Fixed) << Pair(Case.Col, Case.Row);
        EXPECT_EQ(Asked, Case.Asks) << Pair(Case.Col, Case.Row);
    }
    grid->SetFixedFooters(1);
    grid->SetFixedRightCols(1);
    EXPECT_TRUE(grid->IsFixed(2, grid->GetRowCount() - 1)) << "footer row";
    EXPECT_TRUE(grid->IsFixed(grid->GetColCount() - 1, 2)) << "right fixed column";
    EXPECT_FALSE(grid->IsFixed(2, 2));
}

TEST_F(VezGridTest, SpinButtonsNeverInFixedCellsWhileComboBoxesAreAsked)
{
    grid->SetFixedRows(1);
    grid->OnHasSpinEdit = [](plat::TObject*, int, int, bool& Has) { Has = true; };
    grid->OnHasComboBox = [](plat::TObject*, int, int, bool& Has) { Has = true; };
    EXPECT_FALSE(grid->HasSpinEdit(2, 0));
    EXPECT_TRUE(grid->HasSpinEdit(2, 2));
    EXPECT_TRUE(grid->HasComboBox(2, 0));

    grid->OnHasComboBox = nullptr;
    grid->OnHasSpinEdit = nullptr;
    grid->SetDefaultEditor(edComboList);
    EXPECT_FALSE(grid->HasComboBox(2, 2)) << "drop-down buttons are not always visible";
    grid->ControlLook().SetDropDownAlwaysVisible(true);
    EXPECT_TRUE(grid->HasComboBox(2, 2));
    grid->OnGetEditorType = [](plat::TObject*, int ACol, int, TEditorType& Editor) {
        Editor = ACol == 3 ? edSpinEdit : edNone;
    };
    grid->ControlLook().SetSpinButtonsAlwaysVisible(true);
    EXPECT_TRUE(grid->HasSpinEdit(3, 2));
    EXPECT_FALSE(grid->HasSpinEdit(4, 2));
    EXPECT_TRUE(grid->HasNoEditor(4, 2));
    EXPECT_FALSE(grid->HasNoEditor(3, 2));
}

TEST_F(VezGridTest, ReadOnlyMergedBlockIsReadOnlyInEveryCell)
{
    plat::TGridOptions Options = grid->GetOptions();
    Options.Include(plat::goEditing);
    grid->SetOptions(Options);
    grid->MergeCells(1, 1, 2, 2);
    grid->GetCellProperties(1, 1).SetReadOnly(true);
    std::vector<std::string> Asked;
    grid->OnCanEditCell = [&](plat::TObject*, int ARow, int ACol, bool&) { Asked.push_back(Pair(ACol, ARow)); };
    for (const plat::TPoint Cell : {plat::TPoint{1, 1}, plat::TPoint{2, 1}, plat::TPoint{2, 2}}) {
        bool CanEdit = true;
        grid->CanEditCellCheck(Cell.X, Cell.Y, CanEdit);
        EXPECT_FALSE(CanEdit) << Pair(Cell.X, Cell.Y);
    }
    EXPECT_EQ(Asked, (std::vector<std::string>{"1,1", "1,1", "1,1"})) << "the owner is asked about the base cell";

    bool CanEdit = true;
    grid->CanEditCellCheck(3, 3, CanEdit);
    EXPECT_TRUE(CanEdit) << "no record: nothing refuses";
}

TEST_F(VezGridTest, FilterItemsQuoteValuesWithBlanksAndPutTheClearItemFirst)
{
    grid->SetFixedRows(1);
    grid->SetFilterDropDownAuto(true);
    const std::vector<std::string> Texts = {"header", "beta", " alpha ", "two words", "beta", "alpha"};
    for (int R = 0; R < static_cast<int>(Texts.size()); ++R)
        grid->SetCellText(1, R, Texts[static_cast<size_t>(R)]);
    grid->SetRowCount(static_cast<int>(Texts.size()));
    int Told = 0;
    grid->OnGetColumnFilter = [&](plat::TObject*, int Column, plat::TStrings& Filter) {
        ++Told;
        EXPECT_EQ(Column, 1);
        EXPECT_EQ(Filter.Count(), 4);
    };
    EXPECT_TRUE(grid->GetFilterItems(1));
    EXPECT_EQ(grid->FilterList().GetCommaText(), "(All),alpha,beta,\"two words=\"\"two words\"\"\"");
    EXPECT_EQ(Told, 1);

    grid->SetFilterDropDownAuto(false);
    grid->OnGetColumnFilter = [&](plat::TObject*, int, plat::TStrings&) { ++Told; };
    EXPECT_FALSE(grid->GetFilterItems(1));
    EXPECT_EQ(Told, 2) << "the event fires in every case";
}

TEST_F(VezGridTest, FixedRowAlwaysKeepsOneFixedRowAndRemembersTheRequest)
{
    grid->SetFixedRowAlways(true);
    grid->SetFixedRows(0);
    EXPECT_EQ(grid->GetFixedRows(), 1);
    grid->SetRowCount(3);
    grid->SetFixedRows(5);
    EXPECT_EQ(grid->GetFixedRows(), 2);
    EXPECT_EQ(grid->GetMinFixedRows(), 5);
    grid->SetRowCount(8);
    EXPECT_EQ(grid->GetFixedRows(), 5);

    grid->SetFixedRowAlways(false);
    EXPECT_THROW(grid->SetFixedRows(8), plat::EInvalidGridOperation);
    grid->SetFixedColAlways(true);
    grid->SetColCount(2);
    grid->SetFixedCols(4);
    EXPECT_EQ(grid->GetFixedCols(), 1);
    grid->SetColCount(6);
    EXPECT_EQ(grid->GetFixedCols(), 4);
    EXPECT_EQ(grid->GetMaxColCount(), 6);
}

TEST_F(VezGridTest, FloatingFooterRowFollowsTheRowCount)
{
    grid->FloatingFooter().SetVisible(true);
    for (int C = 0; C < grid->GetColCount(); ++C)
        grid->SetCellText(C, 9, "sum " + std::to_string(C));
    grid->SetCellColor(1, 9, plat::clYellow);
    grid->SetCellText(1, 8, "data");
    grid->SetRowCount(12);
    for (int C = 0; C < grid->GetColCount(); ++C) {
        EXPECT_EQ(grid->GetCellText(C, 11), "sum " + std::to_string(C));
        EXPECT_EQ(grid->GetCellText(C, 9), "");
    }
    EXPECT_EQ(grid->GetCellColor(1, 11), plat::clYellow);
    EXPECT_FALSE(grid->HasCellProperties(1, 9));
    EXPECT_EQ(grid->FindCellProperties(1, 11)->GetOwnerRow(), 11);
    grid->SetRowCount(9);
    EXPECT_EQ(grid->GetCellText(2, 8), "sum 2") << "shrinking moves the footer up over the last data row";
    EXPECT_EQ(grid->GetCellColor(1, 8), plat::clYellow);
    ExpectConsistentBlocks(*grid);
}

// The library grid's count setters are not the string grid's: a count set through the library
// type must keep the same bookkeeping.
TEST_F(VezGridTest, CountsSetAsTheLibraryGridKeepTheStringGridsBookkeeping)
{
    plat::TCustomGrid& Library = *grid;
    std::vector<int> Asked;
    grid->OnGetDisplText = [&](plat::TObject*, int, int ARow, std::string&) { Asked.push_back(ARow); };
    Library.SetRowCount(20);
    EXPECT_EQ(grid->GetNormalRowCount(), 20);
    EXPECT_EQ(grid->GetMaxRowCount(), 20);
    grid->GetCellText(1, 15);
    EXPECT_EQ(Asked, std::vector<int>{15}) << "row 15 passes through the display-text event";

    grid->FloatingFooter().SetVisible(true);
    grid->SetCellText(1, 19, "sum");
    grid->MergeCells(2, 19, 2, 1);
    Library.SetRowCount(24);
    EXPECT_EQ(grid->GetRawCell(1, 23), "sum");
    EXPECT_EQ(grid->GetRawCell(1, 19), "");
    ExpectConsistentBlocks(*grid);
    // Lowered, the footer row's blocks are split while the row is still there to split.
    grid->MergeCells(2, 23, 2, 1);
    Library.SetRowCount(21);
    EXPECT_EQ(grid->GetRawCell(1, 20), "sum");
    EXPECT_EQ(grid->GetMergeCount(), 0);
    ExpectConsistentBlocks(*grid);

    grid->SetFixedColAlways(true);
    Library.SetFixedCols(3);
    EXPECT_EQ(grid->GetMinFixedCols(), 3);
    Library.SetFixedRows(2);
    EXPECT_EQ(grid->GetMinFixedRows(), 2);
    Library.SetColCount(2);
    Library.SetColCount(7);
    EXPECT_EQ(grid->GetFixedCols(), 3);
    EXPECT_EQ(grid->GetMaxColCount(), 7);
}

TEST_F(VezGridTest, RowsInsertedAndRemovedOneAtATime)
{
    grid->SetFixedRows(1);
    grid->SetRowCount(4);
    for (int R = 0; R < 4; ++R)
        grid->SetCellText(1, R, "r" + std::to_string(R));
    grid->MergeCells(2, 1, 2, 2);
    grid->InsertRowAt(2);
    EXPECT_EQ(grid->GetRowCount(), 5);
    EXPECT_EQ(grid->GetCellText(1, 2), "");
    EXPECT_EQ(grid->GetCellText(1, 3), "r2");
    EXPECT_EQ(grid->GetNormalRowCount(), 5);
    ExpectConsistentBlocks(*grid);
    EXPECT_THROW(grid->InsertRowAt(9), plat::EInvalidGridOperation);

    std::vector<int> Deleted;
    grid->OnAutoDeleteRow = [&](plat::TObject*, int ARow) { Deleted.push_back(ARow); };
    grid->RemoveRowAt(3);
    EXPECT_EQ(grid->GetCellText(1, 3), "r3");
    ExpectConsistentBlocks(*grid);
    grid->SetRowCount(2);
    grid->SetCellColor(1, 1, plat::clRed);
    grid->RemoveRowAt(1);
    EXPECT_EQ(grid->GetRowCount(), 2) << "the only normal row is emptied, not removed";
    EXPECT_EQ(grid->GetCellText(1, 1), "");
    EXPECT_FALSE(grid->HasCellProperties(1, 1));
    EXPECT_EQ(Deleted, (std::vector<int>{3, 1}));
}

TEST_F(VezGridTest, NewRecordsTakeNoColourOnlyTheGridGives)
{
    grid->SetColor(plat::clWhite);
    grid->SetFixedRows(1);
    grid->SetSelection({3, 3, 3, 3});
    struct TCase {
        const char* Name;
        int Col;
        int Row;
        plat::TColor Brush;
    };
    for (const TCase& Case : {TCase{"normal", 1, 2, plat::clWhite}, TCase{"fixed", 1, 0, plat::clNone},
                              TCase{"selected", 3, 3, plat::clNone}}) {
        plat::TBrush Brush;
        plat::TFont Font;
        grid->GetCellPropertyDefaults(Case.Col, Case.Row, Brush, Font);
        EXPECT_EQ(Brush.GetColor(), Case.Brush) << Case.Name;
    }
    grid->Bands().SetActive(true);
    plat::TBrush Brush;
    plat::TFont Font;
    grid->GetCellPropertyDefaults(1, 2, Brush, Font);
    EXPECT_EQ(Brush.GetColor(), plat::clNone) << "bands";
}

TEST_F(VezGridTest, CellColourQueryAppliesTheRecordBeforeTheEvent)
{
    grid->SetCellColor(1, 1, plat::clRed);
    grid->SetCellFontStyle(1, 1, {plat::fsItalic});
    auto* Check = new TCellGraphic;
    Check->SetCellType(ctCheckBox);
    grid->SetGraphicObject(2, 1, Check);
    grid->SetCellColor(2, 1, plat::clRed);
    plat::TColor SeenByEvent = 0;
    grid->OnGetCellColor = [&](plat::TObject*, int, int, plat::TGridDrawState, plat::TBrush& Brush, plat::TFont&) {
        SeenByEvent = Brush.GetColor();
    };
    plat::TFont Font;
    plat::TBrush Brush;
    Brush.SetColor(plat::clWhite);
    grid->QueryCellColor(1, 1, Font, Brush, {});
    EXPECT_EQ(SeenByEvent, plat::clRed);
    EXPECT_TRUE(Font.GetStyle().Contains(plat::fsItalic));
    Brush.SetColor(plat::clWhite);
    grid->QueryCellColor(2, 1, Font, Brush, {});
    EXPECT_EQ(SeenByEvent, plat::clWhite) << "a check-box cell keeps the grid's background";
}

TEST_F(VezGridTest, HintsFillTheOfficeHintAndPreferTheWideText)
{
    grid->OnGridHint = [](plat::TObject*, int, int, std::string& Hint) { Hint = "plain"; };
    std::string Wide, Hint;
    grid->GetGridHint(1, 1, Wide, Hint);
    EXPECT_EQ(Hint, "plain");
    EXPECT_EQ(grid->OfficeHint().Notes().GetStrings(0), "plain");
    // "wide Ω": the hint comes back packed, every character kept.
    grid->OnGridWideHint = [](plat::TObject*, int, int, std::string& Hint) { Hint = "wide \xCE\xA9"; };
    grid->GetGridHint(1, 1, Wide, Hint);
    EXPECT_EQ(Hint, PackWideText(u"wide \u03A9"));
    EXPECT_EQ(GetTextKind(Hint, false), tkPackedWide);
}

TEST_F(VezGridTest, SyncedGridsFollowEachOthersColumnWithoutLooping)
{
    auto* Other = new TVezEzuzorEvad(form);
    grid->SyncGrid().SetGrid(Other);
    grid->SyncGrid().SetSelectionColumn(true);
    Other->SyncGrid().SetGrid(grid);
    Other->SyncGrid().SetSelectionColumn(true);
    grid->SetCol(3);
    EXPECT_EQ(Other->GetCol(), 3);
    Other->SetCol(2);
    EXPECT_EQ(grid->GetCol(), 2);
    delete Other;
    EXPECT_EQ(grid->SyncGrid().GetGrid(), nullptr);
    grid->SetCol(1);
}

TEST_F(VezGridTest, ExpandClickSetsTheRowHeightForTheNewState)
{
    auto* Expand = new TCellGraphic;
    Expand->SetCellType(ctExpand);
    Expand->SetCellAngle(60);
    Expand->SetCellIndex(22);
    grid->SetGraphicObject(1, 2, Expand);
    std::vector<bool> States;
    grid->OnExpandClick = [&](plat::TObject*, int, int, bool Expanded) { States.push_back(Expanded); };
    grid->ExpandClick(1, 2, true);
    EXPECT_EQ(grid->GetRowHeights(2), 60);
    grid->ExpandClick(1, 2, false);
    EXPECT_EQ(grid->GetRowHeights(2), 22);
    EXPECT_EQ(States, (std::vector<bool>{true, false}));
    EXPECT_EQ(grid->GetExpandHeight(3, 3, true), grid->GetDefaultRowHeight());
}

TEST_F(VezGridTest, ClickRemembersTheCellItStartedOn)
{
    grid->SetCellText(2, 3, "before");
    grid->FocusCell(2, 3);
    grid->SetModified(true);
    grid->Click();
    EXPECT_EQ(grid->OldCell().Col, 2);
    EXPECT_EQ(grid->OldCell().Row, 3);
    EXPECT_EQ(grid->OldCell().Text, "before");
    EXPECT_TRUE(grid->OldCell().Modified);
}

}  // namespace
}  // namespace skelda::grid::testing
