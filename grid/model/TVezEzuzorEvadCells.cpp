// Cell-level operations of the string grid: per-cell and per-row look, text access, fills,
// repaints, the current cell, the disjunct selections, row marks, headers and the look setters.

#include "grid/model/TVezEzuzorEvad.h"

#include "grid/model/ZOdeVuzeViriz.h"
#include "grid/settings/TBackGround.h"
#include "grid/settings/TMouseActions.h"
#include "grid/settings/TNavigation.h"
#include "grid/settings/TSearchFooter.h"
#include "grid/support/TCellGraphic.h"
#include "grid/support/TCellSelection.h"
#include "grid/support/TCollection.h"
#include "grid/support/TGridItem.h"
#include "grid/support/TIntList.h"
#include "grid/support/TLineSelection.h"
#include "grid/text/HtmlTags.h"
#include "grid/text/LineBreakForms.h"
#include "platform/core/Format.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/TBitmap.h"
#include "platform/grids/EInvalidGridOperation.h"
#include "platform/grids/GridLimits.h"
#include "platform/grids/TInplaceEdit.h"
#include "platform/system/DateTimeFormat.h"

#include <algorithm>
#include <cstdlib>
#include <random>
#include <utility>

namespace skelda::grid {

namespace {

// Rows a row-parallel list may grow to; an index beyond any grid would only cost memory.
bool IsListableRow(int ARow)
{
    return ARow >= 0 && ARow < plat::MaxGridRows;
}

void ClearBrushColor(TCellProperties& Record)
{
    Record.SetBrushColor(plat::clNone);
}

void ClearBrushColorTo(TCellProperties& Record)
{
    Record.SetBrushColorTo(plat::clNone);
}

void ClearFontColor(TCellProperties& Record)
{
    Record.SetFontColor(plat::clNone);
}

}  // namespace

TCellType TVezEzuzorEvad::GetCellType(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return ctEmpty;
    if (ACol == 0 && FMouseActions->GetHotmailRowSelect())
        return ctRowCheckBox;
    const auto* Graphic = dynamic_cast<const TCellGraphic*>(GetGraphicObject(ACol, ARow));
    return Graphic ? Graphic->GetCellType() : ctEmpty;
}

// ---- Per-cell look ----------------------------------------------------------------------------

void TVezEzuzorEvad::SetCellColor(int ACol, int ARow, plat::TColor Value)
{
    GetCellProperties(ACol, ARow).SetBrushColor(Value);
    if (!Updating())
        RepaintCell(DisplColIndex(ACol), ARow);
}

plat::TColor TVezEzuzorEvad::GetCellColor(int ACol, int ARow) const
{
    const TCellProperties* Record = HasCellProperties(ACol, ARow) ? FindCellProperties(ACol, ARow) : nullptr;
    return Record ? Record->GetBrushColor() : plat::clNone;
}

void TVezEzuzorEvad::SetCellColorTo(int ACol, int ARow, plat::TColor Value)
{
    GetCellProperties(ACol, ARow).SetBrushColorTo(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

void TVezEzuzorEvad::SetCellFontColor(int ACol, int ARow, plat::TColor Value)
{
    GetCellProperties(ACol, ARow).SetFontColor(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

void TVezEzuzorEvad::SetCellFontStyle(int ACol, int ARow, plat::TFontStyles Value)
{
    GetCellProperties(ACol, ARow).SetFontStyle(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

void TVezEzuzorEvad::SetCellAlignment(int ACol, int ARow, plat::TAlignment Value)
{
    GetCellProperties(ACol, ARow).SetAlignment(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

bool TVezEzuzorEvad::GetCellReadOnly(int ACol, int ARow) const
{
    const TCellProperties* Record = HasCellProperties(ACol, ARow) ? FindCellProperties(ACol, ARow) : nullptr;
    return Record && Record->GetReadOnly();
}

plat::TControl* TVezEzuzorEvad::GetCellControl(int ACol, int ARow) const
{
    const TCellProperties* Record = HasCellProperties(ACol, ARow) ? FindCellProperties(ACol, ARow) : nullptr;
    return Record ? Record->GetControl() : nullptr;
}

// ---- Per-row look -----------------------------------------------------------------------------

void TVezEzuzorEvad::SetRowColor(int ARow, plat::TColor Value)
{
    if (Value == plat::clNone) {
        ClearRowField(ARow, ClearBrushColor);
        return;
    }
    plat::CheckGridIndex(ARow, GetRowCount());
    for (int C = GetFixedCols(); C < GetAllColCount(); ++C)
        GetCellProperties(C, ARow).SetBrushColor(Value);
    RepaintRow(ARow);
}

void TVezEzuzorEvad::SetRowColorTo(int ARow, plat::TColor Value)
{
    if (Value == plat::clNone) {
        ClearRowField(ARow, ClearBrushColorTo);
        return;
    }
    plat::CheckGridIndex(ARow, GetRowCount());
    for (int C = GetFixedCols(); C < GetAllColCount(); ++C)
        GetCellProperties(C, ARow).SetBrushColorTo(Value);
    RepaintRow(ARow);
}

void TVezEzuzorEvad::SetRowFontColor(int ARow, plat::TColor Value)
{
    if (Value == plat::clNone) {
        ClearRowField(ARow, ClearFontColor);
        return;
    }
    plat::CheckGridIndex(ARow, GetRowCount());
    for (int C = GetFixedCols(); C < GetAllColCount(); ++C)
        GetCellProperties(C, ARow).SetFontColor(Value);
    RepaintRow(ARow);
}

// Clearing a row's colour must not take the cells' other settings with it: a check box, a merged
// block, a read-only flag or a bold font outlive "no colour". Only a record that then holds
// nothing of its own is dropped, and cells without a record get none.
void TVezEzuzorEvad::ClearRowField(int ARow, void (*Clear)(TCellProperties&))
{
    plat::CheckGridIndex(ARow, GetRowCount());
    for (int C = GetFixedCols(); C < GetAllColCount(); ++C) {
        TCellProperties* Record = FindCellProperties(C, ARow);
        if (!Record)
            continue;
        Clear(*Record);
        if (HoldsOnlyDefaults(C, ARow, *Record))
            FreeCellProperty(C, ARow);
    }
    RepaintRow(ARow);
}

// Empties a cell's object slot for the time of a question and puts the record back, also when
// an owner's event raises.
class TVezEzuzorEvad::TRecordSetAside {
public:
    TRecordSetAside(TVezEzuzorEvad& AGrid, int ACol, int ARow)
        : FGrid(AGrid), FCol(ACol), FRow(ARow), FRecord(AGrid.GetRawObject(ACol, ARow))
    {
        FGrid.SetRawObject(FCol, FRow, nullptr);
    }
    ~TRecordSetAside() { FGrid.SetRawObject(FCol, FRow, FRecord); }
    TRecordSetAside(const TRecordSetAside&) = delete;
    TRecordSetAside& operator=(const TRecordSetAside&) = delete;

private:
    TVezEzuzorEvad& FGrid;
    int FCol, FRow;
    plat::TObject* FRecord;
};

bool TVezEzuzorEvad::HoldsOnlyDefaults(int ACol, int ARow, const TCellProperties& Record)
{
    if (Record.HoldsCellData() || Record.GetBrushStyle() != plat::bsSolid)
        return false;
    plat::TBrush Brush;
    plat::TFont Font;
    // The defaults are the look the cell has without this record, which the look query would
    // otherwise read back as its own answer.
    TCellLookDefaults Look;
    {
        const TRecordSetAside Aside(*this, ACol, ARow);
        Look = GetCellPropertyDefaults(ACol, ARow, Brush, Font);
    }
    const auto DefaultColor = [](plat::TColor Value, plat::TColor Default) {
        return Value == plat::clNone || Value == Default;
    };
    return DefaultColor(Record.GetBrushColor(), Brush.GetColor()) &&
           DefaultColor(Record.GetBrushColorTo(), Look.ColorTo) &&
           DefaultColor(Record.GetFontColor(), Font.GetColor()) && Record.GetFontStyle() == Font.GetStyle() &&
           Record.GetFontSize() == Font.GetSize() && Record.GetFontName() == Font.GetName() &&
           Record.GetAlignment() == Look.Alignment && Record.GetVAlignment() == Look.VAlignment &&
           Record.GetWordWrap() == Look.WordWrap && Record.GetGradientDirection() == Look.GradientDirection;
}

// ---- Text -------------------------------------------------------------------------------------

std::string TVezEzuzorEvad::GetCellPlainText(int ACol, int ARow)
{
    return StripHtmlTags(GetCellText(ACol, ARow));
}

std::string TVezEzuzorEvad::GetAllCellText(int ACol, int RealRow)
{
    if (ACol < 0 || RealRow < 0)
        return {};
    return GetCellText(ACol, RealRow);
}

int TVezEzuzorEvad::GetAllCellObject(int ACol, int RealRow)
{
    if (ACol < 0 || RealRow < 0)
        return 0;
    return GetCellObject(ACol, RealRow);
}

void TVezEzuzorEvad::SetCellDate(int ACol, int ARow, plat::TDateTime Date)
{
    SetCellText(ACol, ARow, Date > 0 || FShowNullDates ? plat::FormatDateTime("ddddd", Date) : std::string());
}

std::string TVezEzuzorEvad::GetCurrentCell()
{
    const plat::TPoint Base = BaseCell(GetCol(), GetRow());
    return GetRawCell(Base.X, Base.Y);
}

void TVezEzuzorEvad::SetCurrentCell(const std::string& Value)
{
    SetCellText(GetCol(), GetRow(), Value);
}

std::string TVezEzuzorEvad::GetCurrentCellText()
{
    return GetCellText(GetCol(), GetRow());
}

void TVezEzuzorEvad::SetCurrentEditText(const std::string& Value)
{
    SetEditText(GetCol(), GetRow(), Value);
}

// ---- Fills ------------------------------------------------------------------------------------

template <typename F>
void TVezEzuzorEvad::ForFillCells(bool DoFixed, F Fill)
{
    const int FirstRow = DoFixed ? 0 : GetFixedRows();
    const int LastRow = DoFixed ? GetRowCount() - 1 : GetRowCount() - FFixedFooters - 1;
    const int FirstCol = DoFixed ? 0 : GetFixedCols();
    const int LastCol = DoFixed ? GetColCount() - 1 : GetColCount() - FFixedRightCols - 1;
    for (int R = FirstRow; R <= LastRow; ++R)
        for (int C = FirstCol; C <= LastCol; ++C)
            SetCellText(C, R, Fill(C, R));
    CalcFooter(-1);
}

void TVezEzuzorEvad::TextFill(bool DoFixed, const std::string& Txt)
{
    ForFillCells(DoFixed, [&Txt](int, int) { return Txt; });
}

void TVezEzuzorEvad::FormatFill(bool DoFixed, const std::string& Fmt)
{
    ForFillCells(DoFixed, [&Fmt](int C, int R) { return plat::Format(Fmt, {C, R}); });
}

void TVezEzuzorEvad::RandomFill(bool DoFixed, int Rnd)
{
    static std::minstd_rand Generator{std::random_device{}()};
    std::uniform_int_distribution<int> Values(0, std::max(Rnd - 1, 0));
    ForFillCells(DoFixed, [&](int, int) { return std::to_string(Values(Generator)); });
}

void TVezEzuzorEvad::LinearFill(bool DoFixed)
{
    ForFillCells(DoFixed, [](int C, int R) { return std::to_string(C) + ":" + std::to_string(R); });
}

// ---- Repaint ----------------------------------------------------------------------------------

void TVezEzuzorEvad::RepaintRow(int ARow)
{
    if (!HandleAllocated() || IsDestroying() || ARow < 0 || ARow >= GetRowCount())
        return;
    const int LastCol = std::min(GetLeftCol() + GetVisibleColCount(), GetColCount() - 1);
    const plat::TRect First = CalcCellRect(0, ARow);
    const plat::TRect Last = CalcCellRect(LastCol, ARow);
    InvalidateRect({First.Left, First.Top, Last.Right, First.Bottom});
}

void TVezEzuzorEvad::RepaintCol(int ACol)
{
    if (!HandleAllocated() || IsDestroying() || ACol < 0 || ACol >= GetColCount())
        return;
    const int LastRow = std::min(GetTopRow() + GetVisibleRowCount(), GetRowCount() - 1);
    const plat::TRect First = CalcCellRect(ACol, 0);
    const plat::TRect Last = CalcCellRect(ACol, LastRow);
    InvalidateRect({First.Left, First.Top, First.Right, Last.Bottom});
}

void TVezEzuzorEvad::RepaintRect(const plat::TRect& R)
{
    if (R.Left < 0 || R.Top < 0 || R.Right < 0 || R.Bottom < 0 || !HandleAllocated() || IsDestroying())
        return;
    const plat::TRect First = CellRect(R.Left, R.Top);
    const plat::TRect Last = CellRect(std::min(GetVisibleColCount() + GetFixedCols(), R.Right), R.Bottom);
    if (First.IsEmpty() || Last.IsEmpty()) {
        Invalidate();
        return;
    }
    InvalidateRect({std::min(First.Left, Last.Left), std::min(First.Top, Last.Top), std::max(First.Right, Last.Right),
                    std::max(First.Bottom, Last.Bottom)});
}

void TVezEzuzorEvad::MultiImageChanged(plat::TObject*, int ACol, int ARow)
{
    RepaintCell(ACol, ARow);
}

// ---- Cells and the current cell ---------------------------------------------------------------

void TVezEzuzorEvad::SwapCells(plat::TPoint FromCell, plat::TPoint ToCell)
{
    for (const plat::TPoint Cell : {FromCell, ToCell}) {
        plat::CheckGridIndex(Cell.X, TotalColCount());
        plat::CheckGridIndex(Cell.Y, GetRowCount());
    }
    if (FromCell == ToCell)
        return;
    for (const plat::TPoint Cell : {FromCell, ToCell})
        if (IsMergedCell(Cell.X, Cell.Y))
            SplitCells(Cell.X, Cell.Y);
    const std::string FromText = GetRawCell(FromCell.X, FromCell.Y);
    SetRawCell(FromCell.X, FromCell.Y, GetRawCell(ToCell.X, ToCell.Y));
    SetRawCell(ToCell.X, ToCell.Y, FromText);
    TCellProperties* FromRecord = FindCellProperties(FromCell.X, FromCell.Y);
    TCellProperties* ToRecord = FindCellProperties(ToCell.X, ToCell.Y);
    SetObjects(FromCell.X, FromCell.Y, ToRecord);
    SetObjects(ToCell.X, ToCell.Y, FromRecord);
    // A record repaints the cell it names: it names its new cell from now on.
    if (FromRecord) {
        FromRecord->SetOwnerCol(ToCell.X);
        FromRecord->SetOwnerRow(ToCell.Y);
    }
    if (ToRecord) {
        ToRecord->SetOwnerCol(FromCell.X);
        ToRecord->SetOwnerRow(FromCell.Y);
    }
}

void TVezEzuzorEvad::GotoCell(int ACol, int ARow)
{
    SetRow(ARow);
    SetCol(ACol);
}

void TVezEzuzorEvad::EditCell(int ACol, int ARow)
{
    SetFocus();
    GotoCell(ACol, ARow);
    SetEditorMode(true);
    ShowEditor();
}

void TVezEzuzorEvad::MoveToCell(int ACol, int ARow)
{
    MoveColRow(ACol, ARow, true, true);
}

void TVezEzuzorEvad::ScreenToCell(plat::TPoint ScreenPoint, int& ACol, int& ARow) const
{
    const plat::TPoint Client = ScreenToClient(ScreenPoint);
    MouseToCell(Client.X, Client.Y, ACol, ARow);
}

bool TVezEzuzorEvad::IsOnSizingBorder(int X, int Y) const
{
    const plat::TGridCoord Cell = MouseCoord(X, Y);
    if (Cell.X < 0 || Cell.Y < 0)
        return false;
    const plat::TRect R = CellRect(Cell.X, Cell.Y);
    bool Result = false;
    if (GetOptions().Contains(plat::goColSizing) && Cell.Y <= GetFixedRows())
        Result = std::abs(X - R.Left) < 4 || std::abs(X - R.Right) < 4;
    if (GetOptions().Contains(plat::goRowSizing) && Cell.X <= GetFixedCols())
        Result = std::abs(Y - R.Top) < 4 || std::abs(Y - R.Bottom) < 4;
    return Result;
}

void TVezEzuzorEvad::SetSelection(const plat::TGridRect& Value)
{
    plat::TStringGrid::SetSelection(Value);
    if (FActiveCellShow) {
        RepaintRow(0);
        RepaintCol(0);
    }
}

// ---- Disjunct selection -----------------------------------------------------------------------

bool TVezEzuzorEvad::GetRowSelect(int ARow) const
{
    if (ARow < 0 || ARow >= GetRowCount() + NumHiddenRows())
        throw ZOdeVuzeViriz("Invalid row " + std::to_string(ARow) + " accessed");
    if (FMouseActions->GetDisjunctRowSelect())
        return FRowSelection->IsSelected(ARow);
    const plat::TGridRect Selection = GetSelection();
    return ARow >= Selection.Top && ARow <= Selection.Bottom;
}

void TVezEzuzorEvad::SetRowSelect(int ARow, bool Select)
{
    // A grid without normal rows takes any row, but not one beyond any grid's reach.
    const bool Beyond = ARow >= GetRowCount() + NumHiddenRows() && GetRowCount() > GetFixedRows();
    if (ARow < 0 || Beyond || ARow >= plat::MaxGridRows)
        throw ZOdeVuzeViriz("Invalid row accessed");
    bool Allow = true;
    if (FRowSelection->IsSelected(ARow) != Select && OnRowDisjunctSelect)
        OnRowDisjunctSelect(this, ARow, Select, Allow);
    if (!Allow)
        return;
    SetRowSelectFlag(ARow, Select);
    if (OnRowDisjunctSelected)
        OnRowDisjunctSelected(this, ARow);
}

void TVezEzuzorEvad::SetRowSelectFlag(int ARow, bool Select)
{
    const bool Changed = Select ? FRowSelection->Select(ARow) : FRowSelection->Deselect(ARow);
    if (Changed)
        RepaintRow(ARow);
}

bool TVezEzuzorEvad::GetColSelect(int ACol) const
{
    if (ACol < 0 || ACol >= GetColCount())
        throw ZOdeVuzeViriz("Invalid column accessed");
    return FColSelection->IsSelected(ACol);
}

void TVezEzuzorEvad::SetColSelect(int ACol, bool Select)
{
    if (ACol < 0 || ACol >= GetColCount())
        throw ZOdeVuzeViriz("Invalid column accessed");
    const bool Changed = Select ? FColSelection->Select(ACol) : FColSelection->Deselect(ACol);
    if (Changed)
        RepaintCol(ACol);
}

void TVezEzuzorEvad::SelectRows(int RowIndex, int Count)
{
    Count = std::min(Count, GetRowCount() - RowIndex);
    if (FMouseActions->GetDisjunctRowSelect()) {
        for (int R = RowIndex; R < RowIndex + Count; ++R)
            if (R < GetRowCount())
                SetRowSelect(R, true);
    } else if (Count > 0 && RowIndex >= 0) {
        SetSelection({GetFixedCols(), RowIndex, GetColCount() - 1, RowIndex + Count - 1});
    }
    if (!FRowIndicator->GetEmpty())
        RepaintCol(0);
}

void TVezEzuzorEvad::UnSelectRows(int RowIndex, int Count)
{
    if (!FMouseActions->GetDisjunctRowSelect())
        return;
    Count = std::min(Count, GetRowCount() - RowIndex);
    for (int R = RowIndex; R < RowIndex + Count; ++R)
        if (R < GetRowCount())
            SetRowSelect(R, false);
}

void TVezEzuzorEvad::SelectCols(int ColIndex, int Count)
{
    if (!FMouseActions->GetDisjunctColSelect()) {
        if (Count > 0 && ColIndex >= 0)
            SetSelection({ColIndex, GetFixedRows(), ColIndex + Count - 1, GetRowCount() - 1});
        return;
    }
    for (int C = ColIndex; C < ColIndex + Count && C < GetColCount(); ++C)
        SetColSelect(C, true);
}

void TVezEzuzorEvad::UnSelectCols(int ColIndex, int Count)
{
    if (!FMouseActions->GetDisjunctColSelect())
        return;
    for (int C = ColIndex; C < ColIndex + Count && C < GetColCount(); ++C)
        SetColSelect(C, false);
}

void TVezEzuzorEvad::SelectRange(int FromCol, int ToCol, int FromRow, int ToRow)
{
    SetRow(ToRow);
    SetCol(ToCol);
    SetSelection({FromCol, FromRow, ToCol, ToRow});
}

void TVezEzuzorEvad::ClearRowSelect()
{
    for (const int Row : FRowSelection->Order())
        RepaintRow(Row);
    FRowSelection->Clear();
}

void TVezEzuzorEvad::ClearColSelect()
{
    for (const int Col : FColSelection->Order())
        RepaintCol(Col);
    FColSelection->Clear();
}

void TVezEzuzorEvad::SelectionToRowSelect(bool All)
{
    const plat::TGridRect Selection = GetSelection();
    const int First = All ? GetFixedRows() : std::max(Selection.Top, GetFixedRows());
    const int Last = All ? GetRowCount() - FFixedFooters - 1 : std::min(Selection.Bottom, GetRowCount() - 1);
    for (int R = First; R <= Last; ++R)
        SetRowSelectFlag(R, R >= Selection.Top && R <= Selection.Bottom);
    if (NumHiddenRows() > 0)
        Invalidate();
}

void TVezEzuzorEvad::SelectionToColSelect(bool All)
{
    const plat::TGridRect Selection = GetSelection();
    const int First = All ? GetFixedCols() : std::max(Selection.Left, GetFixedCols());
    const int Last = All ? GetColCount() - FFixedRightCols - 1 : std::min(Selection.Right, GetColCount() - 1);
    for (int C = First; C <= Last; ++C) {
        const bool Select = C >= Selection.Left && C <= Selection.Right;
        if (Select ? FColSelection->Select(C) : FColSelection->Deselect(C))
            RepaintCol(C);
    }
}

int TVezEzuzorEvad::RowSelectCount() const
{
    if (FMouseActions->GetDisjunctRowSelect())
        return FRowSelection->CountBelow(GetRowCount() + NumHiddenRows());
    const plat::TGridRect Selection = GetSelection();
    return Selection.Bottom - Selection.Top + 1;
}

int TVezEzuzorEvad::ColSelectCount() const
{
    if (FMouseActions->GetDisjunctColSelect())
        return FColSelection->Count();
    const plat::TGridRect Selection = GetSelection();
    return Selection.Right - Selection.Left + 1;
}

int TVezEzuzorEvad::SelectedRowCount() const
{
    if (FMouseActions->GetDisjunctRowSelect())
        return FRowSelection->Count();
    const plat::TGridRect S = GetSelection();
    if (IsMergedCell(S.Left, S.Top)) {
        const int Span = CellSpan(S.Left, S.Top).Y;
        return S.Bottom >= S.Top + Span ? std::abs(S.Top - S.Bottom) + 1 : Span + 1;
    }
    if (IsMergedCell(S.Left, S.Bottom))
        return std::abs(S.Top - S.Bottom) + CellSpan(S.Left, S.Bottom).Y + 1;
    return std::abs(S.Top - S.Bottom) + 1;
}

int TVezEzuzorEvad::SelectedColCount() const
{
    if (FMouseActions->GetDisjunctColSelect())
        return FColSelection->Count();
    const plat::TGridRect S = GetSelection();
    if (IsMergedCell(S.Left, S.Top)) {
        const int Span = CellSpan(S.Left, S.Top).X;
        return S.Right >= S.Left + Span ? std::abs(S.Left - S.Right) + 1 : Span + 1;
    }
    if (IsMergedCell(S.Right, S.Top))
        return std::abs(S.Left - S.Right) + CellSpan(S.Right, S.Top).X + 1;
    return std::abs(S.Left - S.Right) + 1;
}

int TVezEzuzorEvad::SelectedCellsCount()
{
    if (!FMouseActions->GetDisjunctCellSelect()) {
        const plat::TGridRect Selection = GetSelection();
        const bool Single = Selection.Left == Selection.Right && Selection.Top == Selection.Bottom;
        FSelectedCells->AssignRect(Single ? plat::TGridRect{GetCol(), GetRow(), GetCol(), GetRow()} : Selection);
    }
    return FSelectedCells->Count();
}

void TVezEzuzorEvad::ClearSelectedCells()
{
    SetSelection({GetFixedCols(), GetFixedRows(), GetFixedCols(), GetFixedRows()});
    FSelectedCells->Clear();
    Invalidate();
}

const std::vector<int>& TVezEzuzorEvad::SelectedRows() const
{
    return FRowSelection->Order();
}

// ---- Row marks --------------------------------------------------------------------------------

bool TVezEzuzorEvad::GetRowModified(int ARow) const
{
    return ARow >= 0 && static_cast<std::size_t>(ARow) < FModifiedRows.size() &&
           FModifiedRows[static_cast<std::size_t>(ARow)] == 1;
}

void TVezEzuzorEvad::SetRowModified(int ARow, bool State)
{
    if (!IsListableRow(ARow))
        return;
    const auto At = static_cast<std::size_t>(ARow);
    if (At >= FModifiedRows.size())
        FModifiedRows.resize(At + 1, 0);
    FModifiedRows[At] = State ? 1 : 0;
    RepaintCell(0, ARow);
}

int TVezEzuzorEvad::ModifiedRowCount() const
{
    return static_cast<int>(std::count(FModifiedRows.begin(), FModifiedRows.end(), 1));
}

void TVezEzuzorEvad::ClearModifiedRows()
{
    FModifiedRows.clear();
    Invalidate();
}

bool TVezEzuzorEvad::GetRowEnabled(int ARow) const
{
    return ARow < 0 || static_cast<std::size_t>(ARow) >= FEnabledRows.size() ||
           FEnabledRows[static_cast<std::size_t>(ARow)] == 0;
}

// ---- Headers ----------------------------------------------------------------------------------

void TVezEzuzorEvad::SetColumnHeaders(const plat::TStrings& Value)
{
    FColumnHeaders->Assign(Value);
    if (GetFixedRows() > 0)
        ClearColumnHeaders();
    ShowColumnHeaders();
}

void TVezEzuzorEvad::ShowColumnHeaders()
{
    if (GetFixedRows() <= 0)
        return;
    const int Count = std::min(FColumnHeaders->Count(), TotalColCount());
    for (int I = 0; I < Count; ++I)
        SetCellText(I, 0, EscapedToLineBreaks(FColumnHeaders->GetStrings(I)));
}

void TVezEzuzorEvad::ClearColumnHeaders()
{
    for (int C = 0; C < TotalColCount(); ++C)
        SetCellText(C, 0, "");
}

void TVezEzuzorEvad::SetRowHeaders(const plat::TStrings& Value)
{
    FRowHeaders->Assign(Value);
    if (ComponentState().Contains(plat::csDesigning))
        ClearRowHeaders();
    ShowRowHeaders();
}

void TVezEzuzorEvad::ShowRowHeaders()
{
    if (GetFixedCols() <= 0)
        return;
    const int Count = std::min(FRowHeaders->Count(), GetRowCount());
    for (int I = 0; I < Count; ++I)
        SetCellText(0, I, EscapedToLineBreaks(FRowHeaders->GetStrings(I)));
}

void TVezEzuzorEvad::ClearRowHeaders()
{
    for (int R = 0; R < GetRowCount(); ++R)
        SetCellText(0, R, "");
}

// ---- Search footer ----------------------------------------------------------------------------

bool TVezEzuzorEvad::LastRowAboveSearchFooter() const
{
    if (!FSearchFooter->GetVisible() || GetTopRow() + GetVisibleRowCount() < GetRowCount() - 1)
        return false;
    return CalcCellRect(0, GetRowCount() - 1).Bottom < GetClientHeight() - SearchPanelHeight() + 2;
}

void TVezEzuzorEvad::ScrollAboveSearchFooter()
{
    const int PanelHeight = SearchPanelHeight();
    if (!FSearchFooter->GetVisible() || GetClientHeight() <= GetDefaultRowHeight() + PanelHeight)
        return;
    const int LastRow = GetRowCount() - 1;
    while (CalcCellRect(0, LastRow).Bottom > GetClientHeight() - PanelHeight + 2 && GetRow() <= LastRow &&
           GetTopRow() < LastRow) {
        const int TopRow = GetTopRow();
        SetTopRow(TopRow + 1);
        if (GetTopRow() == TopRow)
            return;
    }
}

// ---- Sort cross-reference and hidden rows -----------------------------------------------------

int TVezEzuzorEvad::NumHiddenRows() const
{
    return FHiddenRows->Count();
}

int TVezEzuzorEvad::SortedRowIndex(int ARow) const
{
    return ARow >= 0 && ARow < FSortXRef->Count() ? FSortXRef->GetValue(ARow) : ARow;
}

int TVezEzuzorEvad::UnSortedRowIndex(int ARow) const
{
    const int Count = FSortXRef->Count();
    if (Count == 0)
        return ARow;
    for (int I = 0; I < Count; ++I)
        if (FSortXRef->GetValue(I) == ARow)
            return I;
    return Count;
}

// ---- Look setters -----------------------------------------------------------------------------

void TVezEzuzorEvad::SetShowDesignHelper(bool Value)
{
    RepaintIfChanged(std::exchange(FShowDesignHelper, Value) != Value);
}

void TVezEzuzorEvad::SetShowSelection(bool Value)
{
    SetShowSel(Value);
    RepaintIfChanged(std::exchange(FShowSelection, Value) != Value);
}

void TVezEzuzorEvad::SetSelectionColorMixerFactor(int Value)
{
    if (Value == FSelectionColorMixerFactor)
        return;
    FSelectionColorMixerFactor = std::clamp(Value, 0, 100);
    Invalidate();
}

void TVezEzuzorEvad::SetActiveCellShow(bool Value)
{
    FActiveCellShow = Value;
    Invalidate();
}

void TVezEzuzorEvad::SetActiveCellColor(plat::TColor Value)
{
    FActiveCellColor = Value;
    Invalidate();
}

void TVezEzuzorEvad::SetActiveCellColorTo(plat::TColor Value)
{
    FActiveCellColorTo = Value;
    Invalidate();
}

void TVezEzuzorEvad::SetActiveCellFont(const plat::TFont& Value)
{
    FActiveCellFont->Assign(Value);
    Invalidate();
}

void TVezEzuzorEvad::SetFixedFont(const plat::TFont& Value)
{
    FFixedFont->Assign(Value);
    Invalidate();
}

void TVezEzuzorEvad::SetBackGround(const TBackGround& Value)
{
    FBackGround->SetDisplay(Value.GetDisplay());
    FBackGround->SetCells(Value.GetCells());
    FBackGround->SetTop(Value.GetTop());
    FBackGround->SetLeft(Value.GetLeft());
    FBackGround->SetColor(Value.GetColor());
    FBackGround->SetColorTo(Value.GetColorTo());
    FBackGround->SetBitmap(Value.Bitmap());
    Invalidate();
}

void TVezEzuzorEvad::SetLookupItems(const plat::TStrings* Value)
{
    if (Value)
        FLookupItems->Assign(*Value);
}

void TVezEzuzorEvad::SetRowIndicator(const plat::TBitmap& Value)
{
    FRowIndicator->Assign(Value);
    RepaintCell(0, GetRow());
}

void TVezEzuzorEvad::SetScrollBarAlways(TScrollBarAlways Value)
{
    FScrollBarAlways = Value;
    UpdateScrollBarsAlways(true);
}

void TVezEzuzorEvad::SetHighlightColor(plat::TColor Value)
{
    RepaintIfChanged(std::exchange(FHighlightColor, Value) != Value);
}

void TVezEzuzorEvad::SetHighlightTextColor(plat::TColor Value)
{
    RepaintIfChanged(std::exchange(FHighlightTextColor, Value) != Value);
}

void TVezEzuzorEvad::SetSelectionColor(plat::TColor Value)
{
    RepaintIfChanged(std::exchange(FSelectionColor, Value) != Value);
}

void TVezEzuzorEvad::SetSelectionColorTo(plat::TColor Value)
{
    RepaintIfChanged(std::exchange(FSelectionColorTo, Value) != Value);
}

void TVezEzuzorEvad::SetSelectionMirrorColor(plat::TColor Value)
{
    RepaintIfChanged(std::exchange(FSelectionMirrorColor, Value) != Value);
}

void TVezEzuzorEvad::SetSelectionMirrorColorTo(plat::TColor Value)
{
    RepaintIfChanged(std::exchange(FSelectionMirrorColorTo, Value) != Value);
}

void TVezEzuzorEvad::SetSelectionTextColor(plat::TColor Value)
{
    RepaintIfChanged(std::exchange(FSelectionTextColor, Value) != Value);
}

void TVezEzuzorEvad::SetSelectionColorMixer(bool Value)
{
    RepaintIfChanged(std::exchange(FSelectionColorMixer, Value) != Value);
}

void TVezEzuzorEvad::SetSelectionRectangle(bool Value)
{
    RepaintIfChanged(std::exchange(FSelectionRectangle, Value) != Value);
}

void TVezEzuzorEvad::SetSelectionResizer(bool Value)
{
    RepaintIfChanged(std::exchange(FSelectionResizer, Value) != Value);
}

void TVezEzuzorEvad::SetAutoThemeAdapt(bool Value)
{
    if (std::exchange(FAutoThemeAdapt, Value) == Value)
        return;
    FSearchFooter->SetAutoThemeAdapt(Value);
    if (Value)
        Invalidate();
}

void TVezEzuzorEvad::SetZORGradientFrom(plat::TColor Value)
{
    FZORGradientFrom = plat::ColorToRGB(Value);
    Invalidate();
}

void TVezEzuzorEvad::SetZORGradientTo(plat::TColor Value)
{
    FZORGradientTo = plat::ColorToRGB(Value);
    Invalidate();
}

void TVezEzuzorEvad::SetZORGradientMirrorFrom(plat::TColor Value)
{
    FZORGradientMirrorFrom = plat::ColorToRGB(Value);
    Invalidate();
}

void TVezEzuzorEvad::SetZORGradientMirrorTo(plat::TColor Value)
{
    FZORGradientMirrorTo = plat::ColorToRGB(Value);
    Invalidate();
}

void TVezEzuzorEvad::SetMaxEditLength(int Value)
{
    FMaxEditLength = Value;
    if (plat::TInplaceEdit* Editor = InplaceEditor())
        Editor->SetMaxLength(Value);
}

void TVezEzuzorEvad::SetVAlignment(TVAlignment Value)
{
    FVAlignment = Value;
    if (!Updating())
        Invalidate();
}

void TVezEzuzorEvad::SetSpreadSheet(bool Value)
{
    FSpreadSheet = Value;
    SetSelectionRectangle(true);
    SetSelectionResizer(true);
    FNavigation->SetAllowSmartClipboard(true);
    plat::TGridOptions Options = GetOptions();
    Options.Include(plat::goRangeSelect);
    Options.Include(plat::goEditing);
    SetOptions(Options);
    FMouseActions->SetRangeSelectAndEdit(true);
}

void TVezEzuzorEvad::SetFlat(bool Value)
{
    FFlat = Value;
    if (!IsLoading())
        Invalidate();
}

void TVezEzuzorEvad::SetCursor(plat::TCursor Value)
{
    plat::TControl::SetCursor(Value);
    FRestoreCursor = Value;
}

void TVezEzuzorEvad::SetLook(TGridLook Value)
{
    RepaintIfChanged(std::exchange(FLook, Value) != Value);
}

}  // namespace skelda::grid
