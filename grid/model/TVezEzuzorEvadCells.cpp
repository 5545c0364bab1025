// Cell-level operations of the string grid: per-cell and per-row look, text access, fills,
// repaints, the current cell and the cell controls it draws on a canvas.

#include "grid/model/TVezEzuzorEvad.h"

#include "grid/model/TVezEzuzorEvadState.h"
#include "grid/settings/TControlLook.h"
#include "grid/settings/TMouseActions.h"
#include "grid/support/TCellGraphic.h"
#include "foundation/HtmlTagText.h"
#include "platform/core/TStrings.h"
#include "platform/core/Format.h"
#include "platform/grids/EInvalidGridOperation.h"
#include "platform/system/DateTimeFormat.h"

#include <algorithm>
#include <cstdlib>
#include <random>
#include <utility>

namespace skelda::grid {

namespace {

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
    if (ACol == 0 && FState->MouseActions->GetHotmailRowSelect())
        return ctRowCheckBox;
    const auto* Graphic = dynamic_cast<const TCellGraphic*>(GetGraphicObject(ACol, ARow));
    return Graphic ? Graphic->GetCellType() : ctEmpty;
}

// ---- Per-cell look --------------------------------------------------------------------------

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

// ---- Per-row look ---------------------------------------------------------------------------

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

// ---- Text -----------------------------------------------------------------------------------

std::string TVezEzuzorEvad::GetCellPlainText(int ACol, int ARow)
{
    return foundation::StripHtmlTags(GetCellText(ACol, ARow));
}

std::string TVezEzuzorEvad::GetAllCellText(int ACol, int RealRow)
{
    if (ACol < 0 || RealRow < 0)
        return {};
    if (const plat::TStrings* Hidden = FHidden->GetHiddenRowStrings(RealRow))
        return ACol < Hidden->Count() ? Hidden->GetStrings(ACol) : std::string();
    return GetCellText(ACol, FHidden->DisplRowIndex(RealRow));
}

int TVezEzuzorEvad::GetAllCellObject(int ACol, int RealRow)
{
    if (ACol < 0 || RealRow < 0)
        return 0;
    if (const plat::TStrings* Hidden = FHidden->GetHiddenRowStrings(RealRow)) {
        const auto* Record = ACol < Hidden->Count() ? dynamic_cast<const TCellProperties*>(Hidden->GetObjects(ACol)) : nullptr;
        return Record ? Record->GetCellObject() : 0;
    }
    return GetCellObject(ACol, FHidden->DisplRowIndex(RealRow));
}

void TVezEzuzorEvad::SetCellDate(int ACol, int ARow, plat::TDateTime Date)
{
    SetCellText(ACol, ARow, Date > 0 || FState->ShowNullDates ? plat::FormatDateTime("ddddd", Date) : std::string());
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

// ---- Fills ----------------------------------------------------------------------------------

template <typename F>
void TVezEzuzorEvad::ForFillCells(bool DoFixed, F Fill)
{
    const int FirstRow = DoFixed ? 0 : GetFixedRows();
    const int LastRow = DoFixed ? GetRowCount() - 1 : GetRowCount() - FState->FixedFooters - 1;
    const int FirstCol = DoFixed ? 0 : GetFixedCols();
    const int LastCol = DoFixed ? GetColCount() - 1 : GetColCount() - FState->FixedRightCols - 1;
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

// ---- Repaint --------------------------------------------------------------------------------

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

// ---- Cells and the current cell -------------------------------------------------------------

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
    if (FLook->GetActiveCellShow()) {
        RepaintRow(0);
        RepaintCol(0);
    }
}

// ---- Cell controls on a canvas --------------------------------------------------------------

void TVezEzuzorEvad::DrawCheck(const plat::TRect& Rect, bool Checked, TCheckBoxState TriStateValue, bool TriState,
                               TControlStyle Style, bool Greyed, bool Enabled)
{
    TCheckDrawer(Canvas(), *FState->ControlLook)
        .DrawCheck(Rect, Checked, TriStateValue, TriState, Style, Greyed, Enabled);
}

void TVezEzuzorEvad::DrawRadioGroup(plat::TCanvas& Canvas, const TRadioGroupItems& Group)
{
    TCheckDrawer(Canvas, *FState->ControlLook).DrawRadioGroup(Group);
}

}  // namespace skelda::grid
