// The questions the string grid asks its owner about single cells, and its notifications: each
// a virtual operation that applies the grid's own rule and then fires its event.

#include "grid/model/TVezEzuzorEvad.h"

#include "foundation/TVezHintInfo.h"
#include "grid/model/TVezEzuzorEvadState.h"
#include "grid/settings/TBackGround.h"
#include "grid/settings/TBands.h"
#include "grid/settings/TControlLook.h"
#include "grid/settings/TMouseActions.h"
#include "grid/support/TCellGraphic.h"
#include "platform/core/TCollection.h"
#include "grid/support/TGridItem.h"
#include "grid/text/TextKinds.h"
#include "grid/text/TextTrim.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TFont.h"

#include <string>

namespace skelda::grid {

namespace {

// A value with a blank goes into the filter list as a name/value pair whose value is quoted.
std::string FilterItem(const std::string& Text)
{
    return Text.find(' ') == std::string::npos ? Text : Text + "=\"" + Text + "\"";
}

}  // namespace

// ---- The look a new record starts with ------------------------------------------------------

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
    Visual.WordWrap = FLook->GetWordWrap();
    Visual.HAlign = FLook->GetDefaultAlignment();
    Visual.VAlign = FLook->GetVAlignment();
    GetVisualProperties(ACol, ARow, Visual, Font, Brush, false, true, false, State);
    Look.GradientDirection = Visual.GradientDirection;
    Look.WordWrap = Visual.WordWrap;
    Look.Alignment = Visual.HAlign;
    Look.VAlignment = Visual.VAlign;
    Look.ColorTo = Visual.ColorTo;
    Look.MirrorColor = Visual.MirrorColor;
    Look.MirrorColorTo = Visual.MirrorColorTo;
    const TBackGroundDisplay Display = FState->BackGround->GetDisplay();
    // A record made now must not freeze a colour that only the grid's own colouring gives.
    if (IsFixed(ACol, ARow) || FState->Bands->GetActive() || Display == bdGradientHorz || Display == bdGradientVert ||
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
    if (Base.Y >= GetRowCount() - FState->FixedFooters || Col >= GetColCount() - FState->FixedRightCols)
        return true;
    bool Result = false;
    IsFixedCell(Col, Base.Y, Result);
    return Result;
}

// ---- Queries --------------------------------------------------------------------------------

void TVezEzuzorEvad::QueryCellColor(int ACol, int ARow, plat::TFont& AFont, plat::TBrush& ABrush,
                                    plat::TGridDrawState AState)
{
    if (FLook->GetActiveCellShow()) {
        const bool RowHeader = GetFixedCols() > 0 && ARow == GetRow() && ACol == GetFixedCols() - 1;
        const bool ColHeader = GetFixedRows() > 0 && ACol == GetCol() && ARow == GetFixedRows() - 1;
        if (RowHeader || ColHeader) {
            AFont.Assign(FLook->ActiveCellFont());
            ABrush.SetColor(FLook->GetActiveCellColor());
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
    if (ACol == 0 && FState->MouseActions->GetHotmailRowSelect())
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
    const TVezEzuzorEvadState& S = *FState;
    IsFixed = (S.FixedRowAlways && ARow <= S.MinFixedRows && GetRowCount() == S.MinFixedRows) ||
              (S.FixedColAlways && ACol < S.MinFixedCols && GetColCount() == S.MinFixedCols) || ACol < GetFixedCols() ||
              ARow < GetFixedRows();
    if (!IsFixed && OnIsFixedCell)
        OnIsFixedCell(this, ARow, ACol, IsFixed);
}

void TVezEzuzorEvad::CanEditCellCheck(int ACol, int ARow, bool& CanEdit)
{
    const plat::TPoint Base = BaseCell(ACol, ARow);
    if (CanEdit && HasCellProperties(Base.X, Base.Y)) {
        CanEdit = !FindCellProperties(Base.X, Base.Y)->GetReadOnly();
        if (!GetOptions().Contains(plat::goEditing) && !FState->MouseActions->GetRangeSelectAndEdit())
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
    if (!FState->ControlLook->GetDropDownAlwaysVisible())
        return false;
    TEditorType Editor = FState->DefaultEditor;
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
    if (!FState->ControlLook->GetSpinButtonsAlwaysVisible())
        return false;
    TEditorType Editor = FState->DefaultEditor;
    GetCellEditor(ACol, ARow, Editor);
    return Editor == edSpinEdit || Editor == edFloatSpinEdit || Editor == edTimeSpinEdit || Editor == edDateSpinEdit;
}

void TVezEzuzorEvad::GetCheckTrue(int ACol, int ARow, std::string& Value)
{
    Value = FState->CheckTrue;
    if (OnGetCheckTrue)
        OnGetCheckTrue(this, ACol, ARow, Value);
}

void TVezEzuzorEvad::GetCheckFalse(int ACol, int ARow, std::string& Value)
{
    Value = FState->CheckFalse;
    if (OnGetCheckFalse)
        OnGetCheckFalse(this, ACol, ARow, Value);
}

void TVezEzuzorEvad::GetGridHint(int ACol, int ARow, std::string& WideHint, std::string& Hint)
{
    if (OnGridHint) {
        OnGridHint(this, ARow, ACol, Hint);
        FState->OfficeHint->Notes().SetText(Hint);
    }
    if (OnGridWideHint) {
        OnGridWideHint(this, ARow, ACol, WideHint);
        // A wide hint travels as the other wide texts do, in the packed form.
        if (!WideHint.empty())
            Hint = PackWideText(UnpackWideText(WideHint));
    }
    if (OnOfficeHint)
        OnOfficeHint(this, ACol, ARow, *FState->OfficeHint);
}

void TVezEzuzorEvad::GetCellCursor(int ACol, int ARow, int X, int Y)
{
    if (!OnGetCellCursor)
        return;
    plat::TCursor Cursor = FState->RestoreCursor;
    OnGetCellCursor(this, ACol, ARow, X, Y, Cursor);
    plat::TControl::SetCursor(Cursor);
}

bool TVezEzuzorEvad::GetFilterItems(int ACol)
{
    FState->FilterList->Clear();
    FState->FilterList->SetSorted(true);
    if (FState->FilterDropDownAuto && (ACol >= GetFixedCols() || FState->FilterDropDownColumns == fdAll)) {
        for (int R = GetFixedRows(); R <= GetRowCount() - FState->FixedFooters - 1; ++R)
            FState->FilterList->Add(FilterItem(std::string(TrimText(GetCellText(ACol, R)))));
        if (!FState->FilterIncremental)
            for (int I = 0; I < FHidden->NumHiddenRows(); ++I) {
                const plat::TStrings& Cells = FHidden->Rows().Item(I).Items();
                if (ACol >= 0 && ACol < Cells.Count())
                    FState->FilterList->Add(FilterItem(Cells.GetStrings(ACol)));
            }
        FState->FilterList->SetSorted(false);
        if (!FState->FilterDropDownClear.empty())
            FState->FilterList->Insert(0, FState->FilterDropDownClear);
    }
    if (OnGetColumnFilter)
        OnGetColumnFilter(this, ACol, *FState->FilterList);
    return FState->FilterList->Count() > 0;
}

bool TVezEzuzorEvad::CanShowFixedDropDown(int ACol)
{
    bool Allow = true;
    if (OnCanShowFixedDropDown)
        OnCanShowFixedDropDown(this, ACol, Allow);
    return Allow;
}

std::string TVezEzuzorEvad::GetFormattedCellText(int ACol, int ARow)
{
    return FCellLook->GetFormattedCellText(ACol, ARow);
}

// ---- Notifications --------------------------------------------------------------------------

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
    const TGridLook Look = FLook->GetLook();
    if (Look == glVista || Look == glWin7 || Look == glOffice2007) {
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

void TVezEzuzorEvad::Click()
{
    TBaseGrid::Click();
    SaveOldCellValue(GetCol(), GetRow());
}

void TVezEzuzorEvad::SaveOldCellValue(int ACol, int ARow)
{
    FState->OldCell.Col = ACol;
    FState->OldCell.Row = ARow;
    FState->OldCell.Text = ACol >= 0 && ARow >= 0 ? GetRawCell(ACol, ARow) : std::string();
    FState->OldCell.Modified = FState->Modified;
}

}  // namespace skelda::grid
