// The questions the string grid asks its owner about single cells, its notifications, the row
// operations of the editors and the keyboard, and the dimension properties.

#include "grid/model/TVezEzuzorEvad.h"

#include "foundation/TVezHintInfo.h"
#include "grid/settings/TBackGround.h"
#include "grid/settings/TBands.h"
#include "grid/settings/TControlLook.h"
#include "grid/settings/TFloatingFooter.h"
#include "grid/settings/TMouseActions.h"
#include "grid/settings/TSyncGrid.h"
#include "grid/support/TCellGraphic.h"
#include "grid/support/TCollection.h"
#include "grid/support/TGridItem.h"
#include "grid/text/TextKinds.h"
#include "platform/core/ScopedRestore.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TFont.h"
#include "platform/grids/EInvalidGridOperation.h"
#include "platform/grids/TGridCellStore.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace skelda::grid {

namespace {

// Without control characters and blanks at either end.
std::string Trimmed(const std::string& Text)
{
    const auto Kept = [](char C) { return static_cast<unsigned char>(C) > ' '; };
    const auto First = std::find_if(Text.begin(), Text.end(), Kept);
    const auto Last = std::find_if(Text.rbegin(), Text.rend(), Kept).base();
    return First < Last ? std::string(First, Last) : std::string();
}

// A value with a blank goes into the filter list as a name/value pair whose value is quoted.
std::string FilterItem(const std::string& Text)
{
    return Text.find(' ') == std::string::npos ? Text : Text + "=\"" + Text + "\"";
}

}  // namespace

// ---- The look a new record starts with --------------------------------------------------------

TCellLookDefaults TVezEzuzorEvad::GetCellPropertyDefaults(int ACol, int ARow, plat::TBrush& Brush, plat::TFont& Font)
{
    TCellLookDefaults Look = TBaseGrid::GetCellPropertyDefaults(ACol, ARow, Brush, Font);
    const bool Fixed = ACol < GetFixedCols() || ARow < GetFixedRows();
    plat::TGridDrawState State;
    if (Fixed)
        State.Include(plat::gdFixed);
    else if (GetSelection().Contains(DisplColIndex(ACol), ARow))
        State.Include(plat::gdSelected);
    TCellVisualProperties Visual;
    Visual.WordWrap = FOwnWordWrap;
    Visual.HAlign = FDefaultAlignment;
    Visual.VAlign = FVAlignment;
    GetVisualProperties(ACol, ARow, Visual, Font, Brush, false, true, false, State);
    Look.GradientDirection = Visual.GradientDirection;
    Look.WordWrap = Visual.WordWrap;
    Look.Alignment = Visual.HAlign;
    Look.VAlignment = Visual.VAlign;
    Look.ColorTo = Visual.ColorTo;
    Look.MirrorColor = Visual.MirrorColor;
    Look.MirrorColorTo = Visual.MirrorColorTo;
    const TBackGroundDisplay Display = FBackGround->GetDisplay();
    // A record made now must not freeze a colour that only the grid's own colouring gives.
    if (IsFixed(ACol, ARow) || FBands->GetActive() || Display == bdGradientHorz || Display == bdGradientVert ||
        State.Contains(plat::gdSelected)) {
        Brush.SetColor(plat::clNone);
        Look.ColorTo = plat::clNone;
    }
    return Look;
}

bool TVezEzuzorEvad::IsFixed(int ACol, int ARow)
{
    const plat::TPoint Base = BaseCell(ACol, ARow);
    const int Col = DisplColIndex(Base.X);
    if (Base.Y >= GetRowCount() - FFixedFooters || Col >= GetColCount() - FFixedRightCols)
        return true;
    bool Result = false;
    IsFixedCell(Col, Base.Y, Result);
    return Result;
}

// ---- Queries ----------------------------------------------------------------------------------

void TVezEzuzorEvad::QueryCellColor(int ACol, int ARow, plat::TFont& AFont, plat::TBrush& ABrush,
                                    plat::TGridDrawState AState)
{
    if (FActiveCellShow) {
        const bool RowHeader = GetFixedCols() > 0 && ARow == GetRow() && ACol == GetFixedCols() - 1;
        const bool ColHeader = GetFixedRows() > 0 && ACol == GetCol() && ARow == GetFixedRows() - 1;
        if (RowHeader || ColHeader) {
            AFont.Assign(*FActiveCellFont);
            ABrush.SetColor(FActiveCellColor);
        }
    }
    if (const TCellProperties* Record = HasCellProperties(ACol, ARow) ? FindCellProperties(ACol, ARow) : nullptr) {
        switch (GetCellType(ACol, ARow)) {
        case ctIcon:
        case ctNone:
        case ctImageList:
        case ctEmpty:
        case ctImages:
        case ctComment:
            if (Record->GetBrushColor() != plat::clNone)
                ABrush.SetColor(Record->GetBrushColor());
            break;
        default:
            break;
        }
        if (Record->GetFontColor() != plat::clNone)
            AFont.SetColor(Record->GetFontColor());
        if (!Record->GetFontStyle().Empty())
            AFont.SetStyle(Record->GetFontStyle());
        if (Record->GetFontSize() != 0)
            AFont.SetSize(Record->GetFontSize());
        if (!Record->GetFontName().empty())
            AFont.SetName(Record->GetFontName());
    }
    if (OnGetCellColor)
        OnGetCellColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TVezEzuzorEvad::GetCellPrintColor(int ACol, int ARow, plat::TFont& AFont, plat::TBrush& ABrush,
                                       plat::TGridDrawState AState)
{
    if (OnGetCellPrintColor)
        OnGetCellPrintColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TVezEzuzorEvad::GetCellBorder(int ACol, int ARow, TCellBorders& Borders, plat::TPen& APen)
{
    if (OnGetCellBorder)
        OnGetCellBorder(this, ARow, ACol, APen, Borders);
}

void TVezEzuzorEvad::GetCellPrintBorder(int ACol, int ARow, plat::TPen& APen, TCellBorders& Borders)
{
    if (OnGetCellPrintBorder)
        OnGetCellPrintBorder(this, ARow, ACol, APen, Borders);
}

void TVezEzuzorEvad::QueryCellAlignment(int ACol, int ARow, plat::TAlignment& HAlign, TVAlignment& VAlign)
{
    if (ACol == 0 && FMouseActions->GetHotmailRowSelect())
        HAlign = plat::taCenter;
    if (OnGetAlignment)
        OnGetAlignment(this, ARow, ACol, HAlign, VAlign);
}

void TVezEzuzorEvad::GetCellFormat(int ACol, TSortStyle& Style, std::string& Prefix, std::string& Suffix)
{
    if (OnGetFormat)
        OnGetFormat(this, ACol, Style, Prefix, Suffix);
}

void TVezEzuzorEvad::GetCellEditor(int ACol, int ARow, TEditorType& Editor)
{
    if (OnGetEditorType)
        OnGetEditorType(this, ACol, ARow, Editor);
}

void TVezEzuzorEvad::GetCellEditorForShow(int ACol, int ARow, TEditorType& Editor)
{
    if (OnGetEditorType)
        OnGetEditorType(this, ACol, ARow, Editor);
}

bool TVezEzuzorEvad::HasNoEditor(int ACol, int ARow)
{
    if (!OnGetEditorType)
        return false;
    TEditorType Editor = edNormal;
    OnGetEditorType(this, ACol, ARow, Editor);
    return Editor == edNone;
}

void TVezEzuzorEvad::IsFixedCell(int ACol, int ARow, bool& IsFixed)
{
    if (IsFixed)
        return;
    IsFixed = (FFixedRowAlways && ARow <= FMinFixedRows && GetRowCount() == FMinFixedRows) ||
              (FFixedColAlways && ACol < FMinFixedCols && GetColCount() == FMinFixedCols) || ACol < GetFixedCols() ||
              ARow < GetFixedRows();
    if (!IsFixed && OnIsFixedCell)
        OnIsFixedCell(this, ARow, ACol, IsFixed);
}

void TVezEzuzorEvad::CanEditCellCheck(int ACol, int ARow, bool& CanEdit)
{
    const plat::TPoint Base = BaseCell(ACol, ARow);
    if (CanEdit && HasCellProperties(Base.X, Base.Y)) {
        CanEdit = !FindCellProperties(Base.X, Base.Y)->GetReadOnly();
        if (!GetOptions().Contains(plat::goEditing) && !FMouseActions->GetRangeSelectAndEdit())
            CanEdit = false;
    }
    if (Base.X < GetColCount() + NumHiddenColumns())
        CanEditCell(Base.X, Base.Y, CanEdit);
    else
        CanEdit = true;
}

void TVezEzuzorEvad::QueryPasswordCell(int ACol, int ARow, bool& IsPassword)
{
    if (OnIsPasswordCell)
        OnIsPasswordCell(this, ARow, ACol, IsPassword);
}

void TVezEzuzorEvad::GetCellWordWrap(int ACol, int ARow, bool& WordWrap)
{
    if (OnGetWordWrap)
        OnGetWordWrap(this, ACol, ARow, WordWrap);
}

bool TVezEzuzorEvad::HasComboBox(int ACol, int ARow)
{
    bool Result = false;
    if (OnHasComboBox) {
        OnHasComboBox(this, ACol, ARow, Result);
        return Result;
    }
    if (!FControlLook->GetDropDownAlwaysVisible())
        return false;
    TEditorType Editor = FDefaultEditor;
    GetCellEditorForShow(ACol, ARow, Editor);
    return Editor == edComboEdit || Editor == edComboList;
}

bool TVezEzuzorEvad::HasSpinEdit(int ACol, int ARow)
{
    if (ACol < GetFixedCols() || ARow < GetFixedRows())
        return false;
    bool Result = false;
    if (OnHasSpinEdit) {
        OnHasSpinEdit(this, ACol, ARow, Result);
        return Result;
    }
    if (!FControlLook->GetSpinButtonsAlwaysVisible())
        return false;
    TEditorType Editor = FDefaultEditor;
    GetCellEditor(ACol, ARow, Editor);
    return Editor == edSpinEdit || Editor == edFloatSpinEdit || Editor == edTimeSpinEdit || Editor == edDateSpinEdit;
}

void TVezEzuzorEvad::GetCheckTrue(int ACol, int ARow, std::string& Value)
{
    Value = FCheckTrue;
    if (OnGetCheckTrue)
        OnGetCheckTrue(this, ACol, ARow, Value);
}

void TVezEzuzorEvad::GetCheckFalse(int ACol, int ARow, std::string& Value)
{
    Value = FCheckFalse;
    if (OnGetCheckFalse)
        OnGetCheckFalse(this, ACol, ARow, Value);
}

void TVezEzuzorEvad::GetGridHint(int ACol, int ARow, std::string& WideHint, std::string& Hint)
{
    if (OnGridHint) {
        OnGridHint(this, ARow, ACol, Hint);
        FOfficeHint->Notes().SetText(Hint);
    }
    if (OnGridWideHint) {
        OnGridWideHint(this, ARow, ACol, WideHint);
        // A wide hint travels as the other wide texts do, in the packed form.
        if (!WideHint.empty())
            Hint = PackWideText(UnpackWideText(WideHint));
    }
    if (OnOfficeHint)
        OnOfficeHint(this, ACol, ARow, *FOfficeHint);
}

void TVezEzuzorEvad::GetCellCursor(int ACol, int ARow, int X, int Y)
{
    if (!OnGetCellCursor)
        return;
    plat::TCursor Cursor = FRestoreCursor;
    OnGetCellCursor(this, ACol, ARow, X, Y, Cursor);
    plat::TControl::SetCursor(Cursor);
}

bool TVezEzuzorEvad::GetFilterItems(int ACol)
{
    FFilterList->Clear();
    FFilterList->SetSorted(true);
    if (FFilterDropDownAuto && (ACol >= GetFixedCols() || FFilterDropDownColumns == fdAll)) {
        for (int R = GetFixedRows(); R <= GetRowCount() - FFixedFooters - 1; ++R)
            FFilterList->Add(FilterItem(Trimmed(GetCellText(ACol, R))));
        if (!FFilterIncremental)
            for (int I = 0; I < FHiddenRows->Count(); ++I) {
                const plat::TStringList& Cells = FHiddenRows->GetItem(I).Items();
                if (ACol >= 0 && ACol < Cells.Count())
                    FFilterList->Add(FilterItem(Cells.GetStrings(ACol)));
            }
        FFilterList->SetSorted(false);
        if (!FFilterDropDownClear.empty())
            FFilterList->Insert(0, FFilterDropDownClear);
    }
    if (OnGetColumnFilter)
        OnGetColumnFilter(this, ACol, *FFilterList);
    return FFilterList->Count() > 0;
}

// ---- Notifications ----------------------------------------------------------------------------

void TVezEzuzorEvad::CanEditCell(int ACol, int ARow, bool& CanEdit)
{
    if (OnCanEditCell)
        OnCanEditCell(this, ARow, ACol, CanEdit);
}

void TVezEzuzorEvad::SearchFooterAction(const std::string& Value, int ACol, int ARow, TSearchAction Action)
{
    if (OnSearchFooterAction)
        OnSearchFooterAction(this, Value, ACol, ARow, Action);
}

void TVezEzuzorEvad::ButtonClick(int ACol, int ARow)
{
    if (OnButtonClick)
        OnButtonClick(this, ACol, ARow);
}

void TVezEzuzorEvad::ExpandClick(int ACol, int ARow, bool Expanded)
{
    if (OnExpandClick)
        OnExpandClick(this, ACol, ARow, Expanded);
    SetRowHeights(ARow, GetExpandHeight(ACol, ARow, Expanded));
}

int TVezEzuzorEvad::GetExpandHeight(int ACol, int ARow, bool Expanded)
{
    const plat::TPoint Base = BaseCell(ACol, ARow);
    const auto* Graphic = dynamic_cast<const TCellGraphic*>(GetGraphicObject(Base.X, Base.Y));
    if (!Graphic)
        return GetDefaultRowHeight();
    return Expanded ? Graphic->GetCellAngle() : Graphic->GetCellIndex();
}

void TVezEzuzorEvad::ComboCloseUp(int ACol, int ARow)
{
    if (OnComboCloseUp)
        OnComboCloseUp(this, ARow, ACol);
}

void TVezEzuzorEvad::ComboDropDown(int ACol, int ARow)
{
    if (OnComboDropDown)
        OnComboDropDown(this, ARow, ACol);
}

void TVezEzuzorEvad::PrintGetPageNum(int PageNum, int PageColNum, std::string& Text)
{
    if (OnPrintGetPageNum)
        OnPrintGetPageNum(this, PageNum, PageColNum, Text);
}

void TVezEzuzorEvad::GetEditorProp(int ACol, int ARow, TEditLink* EditLink)
{
    if (OnGetEditorProp)
        OnGetEditorProp(this, ACol, ARow, EditLink);
    if (OnGetEditorPropInt)
        OnGetEditorPropInt(this, ARow, ACol);
}

void TVezEzuzorEvad::CheckBoxClick(int ACol, int ARow, bool State)
{
    if (OnCheckBoxClick)
        OnCheckBoxClick(this, ACol, ARow, State);
}

void TVezEzuzorEvad::FixedEdit(int ACol, int ARow, TGridFixedCellEditor& Editor, plat::TStrings& Values)
{
    if (OnFixedEdit)
        OnFixedEdit(this, ACol, ARow, Editor, Values);
}

void TVezEzuzorEvad::FilterDone()
{
    if (OnFilterDone)
        OnFilterDone(this);
}

void TVezEzuzorEvad::SelectionChangedNotify(int ALeft, int ATop, int ARight, int ABottom)
{
    if (FLook == glVista || FLook == glWin7 || FLook == glOffice2007) {
        const plat::TGridRect Selection = GetSelection();
        RepaintRect({Selection.Left, Selection.Top, Selection.Right, Selection.Bottom});
    }
    if (OnSelectionChanged)
        OnSelectionChanged(this, ALeft, ATop, ARight, ABottom);
}

void TVezEzuzorEvad::UpdateFooterCalc(int ACol)
{
    CalcFooter(ACol);
}

void TVezEzuzorEvad::UpdateAllFooterCalc()
{
    CalcFooter(-1);
}

void TVezEzuzorEvad::RichTextSelChange(plat::TObject*)
{
    if (OnRichEditSelectionChange)
        OnRichEditSelectionChange(this);
}

// ---- Rows of the editors and the keyboard -----------------------------------------------------

void TVezEzuzorEvad::InsertRowAt(int ARow)
{
    const int OldCount = GetRowCount();
    if (ARow < 0 || ARow > OldCount)
        plat::GridIndexError();
    const plat::TScopedRestore Shifting(FRowsShifting, true);
    plat::TStringGrid::SetRowCount(OldCount + 1);
    // The row past the old count may still hold cells of an earlier, larger grid.
    const int Cols = std::max(TotalColCount(), CellStore().ColExtent());
    FreeCellProperties(0, OldCount, INT_MAX, OldCount);
    for (int C = 0; C < Cols; ++C)
        SetRawCell(C, OldCount, "");
    if (ARow < OldCount)
        MoveRow(OldCount, ARow);
}

void TVezEzuzorEvad::RemoveRowAt(int ARow)
{
    plat::CheckGridIndex(ARow, GetRowCount());
    if (GetRowCount() - GetFixedRows() - FFixedFooters == 1 && !FFixedRowAlways) {
        FreeCellProperties(0, ARow, INT_MAX, ARow);
        for (int C = 0; C < TotalColCount(); ++C)
            SetCellText(C, ARow, "");
    } else {
        DeleteRow(ARow);
    }
    if (OnAutoDeleteRow)
        OnAutoDeleteRow(this, ARow);
}

void TVezEzuzorEvad::IncRowCount()
{
    SetRowCount(GetRowCount() + 1);
}

void TVezEzuzorEvad::Click()
{
    TBaseGrid::Click();
    SaveOldCellValue(GetCol(), GetRow());
}

void TVezEzuzorEvad::SaveOldCellValue(int ACol, int ARow)
{
    FOldCell.Col = ACol;
    FOldCell.Row = ARow;
    FOldCell.Text = ACol >= 0 && ARow >= 0 ? GetRawCell(ACol, ARow) : std::string();
    FOldCell.Modified = FModified;
}

// ---- Dimensions -------------------------------------------------------------------------------

void TVezEzuzorEvad::SetRowCount(int Value)
{
    const int OldCount = GetRowCount();
    // Blocks in the footer row are split while that row still lies inside the grid.
    if (FFloatingFooter->GetVisible() && std::max(Value, 1) != OldCount)
        SplitBlocksInRow(OldCount - 1);
    plat::TStringGrid::SetRowCount(Value);
    // An unchanged count reaches no SizeChanged, yet the setter settles the fixed rows all the same.
    if (GetRowCount() == OldCount)
        RowCountSet(OldCount);
}

void TVezEzuzorEvad::SetColCount(int Value)
{
    const int OldCount = GetColCount();
    plat::TStringGrid::SetColCount(Value);
    if (GetColCount() == OldCount)
        ColCountSet();
}

// The library grid calls this on every change of the counts, also when it is reached as the
// library type, whose count setters are not the string grid's.
void TVezEzuzorEvad::SizeChanged(int OldColCount, int OldRowCount)
{
    TBaseGrid::SizeChanged(OldColCount, OldRowCount);
    if (GetColCount() != OldColCount)
        ColCountSet();
    if (GetRowCount() == OldRowCount)
        return;
    // Rows inserted or deleted take the footer row along with the others.
    if (FRowsShifting)
        RowCountChanged();
    else
        RowCountSet(OldRowCount);
}

void TVezEzuzorEvad::DeleteRow(int ARow)
{
    const plat::TScopedRestore Shifting(FRowsShifting, true);
    TBaseGrid::DeleteRow(ARow);
}

void TVezEzuzorEvad::RowCountSet(int OldCount)
{
    if (FFixedRowAlways && FMinFixedRows < GetRowCount())
        SetFixedRows(FMinFixedRows);
    RowCountChanged();
    if (!FFloatingFooter->GetVisible() || GetRowCount() == OldCount)
        return;
    // SetRowCount split the footer row's blocks already; a count set as the library type comes
    // here first, and a row that grew is still inside the grid to be split.
    SplitBlocksInRow(OldCount - 1);
    MoveFooterRow(OldCount - 1, GetRowCount() - 1);
    CalcFooter(-1);
}

void TVezEzuzorEvad::RowCountChanged()
{
    FMaxRowCount = std::max(FMaxRowCount, GetRowCount());
    SetNormalRowCount(GetRowCount());
    RepaintFooter();
    UpdateScrollBarsAlways(false);
}

void TVezEzuzorEvad::SplitBlocksInRow(int ARow)
{
    if (ARow < 0 || ARow >= GetRowCount())
        return;
    for (int C = 0; C < TotalColCount(); ++C)
        if (IsMergedCell(C, ARow))
            SplitCells(C, ARow);
}

// The footer row keeps its texts and records when the row count changes; the row it leaves is
// emptied, and whatever the row it lands on held gives way.
void TVezEzuzorEvad::MoveFooterRow(int OldLast, int NewLast)
{
    const int Cols = std::max(TotalColCount(), CellStore().ColExtent());
    FreeCellProperties(0, NewLast, Cols - 1, NewLast);
    for (int C = 0; C < Cols; ++C) {
        const std::string Text = GetRawCell(C, OldLast);
        SetRawCell(C, NewLast, Text);
        SetRawCell(C, OldLast, "");
        plat::TObject* Object = GetObjects(C, OldLast);
        SetObjects(C, OldLast, nullptr);
        SetObjects(C, NewLast, Object);
        if (auto* Record = static_cast<TCellProperties*>(Object))
            Record->SetOwnerRow(NewLast);
    }
    Invalidate();
}

void TVezEzuzorEvad::ColCountSet()
{
    if (FFixedColAlways && FMinFixedCols < GetColCount())
        SetFixedCols(FMinFixedCols);
    FMaxColCount = std::max(FMaxColCount, GetColCount());
    RepaintFooter();
    SetBounds(GetLeft(), GetTop(), GetWidth(), GetHeight());
    UpdateScrollBarsAlways(false);
}

int TVezEzuzorEvad::GetFixedRows() const
{
    const int Count = plat::TStringGrid::GetFixedRows();
    return Count == 0 && FFixedRowAlways ? 1 : Count;
}

void TVezEzuzorEvad::SetFixedRows(int Value)
{
    plat::TStringGrid::SetFixedRows(FFixedRowAlways && Value >= GetRowCount() ? GetRowCount() - 1 : Value);
    if (!IsLoading())
        FMinFixedRows = Value;
}

int TVezEzuzorEvad::GetFixedCols() const
{
    const int Count = plat::TStringGrid::GetFixedCols();
    return Count == 0 && FFixedColAlways ? 1 : Count;
}

void TVezEzuzorEvad::SetFixedCols(int Value)
{
    plat::TStringGrid::SetFixedCols(FFixedColAlways && Value >= GetColCount() ? GetColCount() - 1 : Value);
    if (!IsLoading())
        FMinFixedCols = Value;
}

void TVezEzuzorEvad::SetFixedFooters(int Value)
{
    FFixedFooters = Value;
    Invalidate();
}

void TVezEzuzorEvad::SetFixedRightCols(int Value)
{
    FFixedRightCols = Value;
    Invalidate();
}

void TVezEzuzorEvad::SetDefaultRowHeight(int Value)
{
    plat::TStringGrid::SetDefaultRowHeight(Value);
    if (ComponentState().Contains(plat::csDesigning))
        FFixedRowHeight = Value;
    FFloatingFooter->SetHeight(Value);
    FooterHeightChanged(Value);
}

void TVezEzuzorEvad::SetFixedRowHeight(int Value)
{
    FFixedRowHeight = Value;
    if (IsLoading())
        return;
    if (Value == GetDefaultRowHeight()) {
        SetDefaultRowHeight(Value);
        return;
    }
    for (int R = 0; R < GetFixedRows() && R < GetRowCount(); ++R)
        SetRowHeights(R, Value);
}

void TVezEzuzorEvad::SetFixedColWidth(int Value)
{
    if (IsLoading() || Value == GetDefaultColWidth())
        return;
    for (int C = 0; C < GetFixedCols() && C < GetColCount(); ++C)
        SetColWidths(C, Value);
}

void TVezEzuzorEvad::SetDefaultAlignment(plat::TAlignment Value)
{
    RepaintIfChanged(std::exchange(FDefaultAlignment, Value) != Value);
}

void TVezEzuzorEvad::SetCol(int Value)
{
    plat::TStringGrid::SetCol(Value);
    if (!FSyncGrid->GetSelectionColumn())
        return;
    auto* Other = dynamic_cast<TVezEzuzorEvad*>(FSyncGrid->GetGrid());
    // Two grids that follow each other stop once both stand on the column.
    if (Other && Other != this && Value < Other->GetColCount() && Other->GetCol() != Value)
        Other->SetCol(Value);
}

void TVezEzuzorEvad::SetWordWrap(bool Value)
{
    TBaseGrid::SetWordWrap(Value);
    FOwnWordWrap = Value;
    if (!Updating())
        Invalidate();
}

}  // namespace skelda::grid
