#include "grid/cells/TBaseGrid.h"

#include "grid/cells/TVezGridUndoRedo.h"
#include "grid/drawing/GradientDrawing.h"
#include "grid/drawing/RoundedGradientFace.h"
#include "grid/text/TextKinds.h"
#include "platform/controls/core/VirtualKeys.h"
#include "platform/core/ChangeValue.h"
#include "platform/core/RectOps.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/grids/EInvalidGridOperation.h"

#include <algorithm>
#include <limits>

namespace skelda::grid {

TBaseGrid::TBaseGrid(plat::TComponent* AOwner) : plat::TStringGrid(AOwner)
{
    SetGridLineWidth(1);
    SetDefaultDrawing(false);
}

TBaseGrid::~TBaseGrid()
{
    // Announced before the records go, so nothing stored during the teardown outlives it.
    Destroying();
    FreeAllCellProperties();
}

void TBaseGrid::CheckCell(int ACol, int ARow) const
{
    plat::CheckGridIndex(ACol, RecordColCount());
    plat::CheckGridIndex(ARow, RecordRowCount());
}

std::string TBaseGrid::GetCellText(int ACol, int ARow)
{
    const plat::TPoint Base = HasCellProperties(ACol, ARow) ? FMerged.BaseCell(ACol, ARow) : plat::TPoint{ACol, ARow};
    std::string Value = GetCells(Base.X, Base.Y);
    if (Base.Y < FNormalRowCount) {
        GetDisplText(Base.X, Base.Y, Value);
        if (OnGetDisplWideText) {
            std::u16string Wide = UnpackWideText(Value);
            GetDisplWideText(Base.X, Base.Y, Wide);
            Value = PackWideText(Wide);
        }
    }
    return Value;
}

void TBaseGrid::SetCellText(int ACol, int ARow, const std::string& Value)
{
    if (HasCellProperties(ACol, ARow)) {
        const plat::TPoint Base = FMerged.BaseCell(ACol, ARow);
        SetCells(Base.X, Base.Y, Value);
        CellTextChanged(Base.X, Base.Y);
        if (GetParent())
            RepaintCell(ACol, ARow);
    } else {
        SetCells(ACol, ARow, Value);
    }
    if (FHideLastRow && ARow == GetRowCount() - 1)
        LastRowTextChanged();
}

void TBaseGrid::SetRawCell(int ACol, int ARow, const std::string& Value)
{
    CellStore().SetText(ACol, ARow, Value);
}

void TBaseGrid::GetDisplText(int ACol, int ARow, std::string& Value)
{
    if (OnGetDisplText)
        OnGetDisplText(this, ACol, ARow, Value);
}

void TBaseGrid::GetDisplWideText(int ACol, int ARow, std::u16string& Value)
{
    if (OnGetDisplWideText)
        OnGetDisplWideText(this, ACol, ARow, Value);
}

void TBaseGrid::CellTextChanged(int, int) {}

void TBaseGrid::LastRowTextChanged() {}

bool TBaseGrid::HasCellProperties(int ACol, int ARow) const
{
    return ACol >= 0 && ARow >= 0 && ACol < RecordColCount() && ARow < RecordRowCount() &&
           FindCellProperties(ACol, ARow) != nullptr;
}

TCellProperties* TBaseGrid::FindCellProperties(int ACol, int ARow) const
{
    // Only this class writes the object slots, and only records go there.
    return static_cast<TCellProperties*>(GetObjects(ACol, ARow));
}

TCellProperties& TBaseGrid::GetCellProperties(int ACol, int ARow)
{
    CheckCell(ACol, ARow);
    if (TCellProperties* Existing = FindCellProperties(ACol, ARow))
        return *Existing;
    auto Record = std::make_unique<TCellProperties>(this, ACol, ARow);
    plat::TBrush Brush;
    plat::TFont Font;
    const TCellLookDefaults Look = GetCellPropertyDefaults(ACol, ARow, Brush, Font);
    Record->TakeLook(Look, Brush, Font);
    SetObjects(ACol, ARow, Record.get());
    return *Record.release();
}

TCellLookDefaults TBaseGrid::GetCellPropertyDefaults(int, int, plat::TBrush& Brush, plat::TFont& Font)
{
    Font.Assign(this->Font());
    Brush.SetColor(GetColor());
    TCellLookDefaults Look;
    Look.WordWrap = FWordWrap;
    return Look;
}

void TBaseGrid::SetCellProperties(int ACol, int ARow, std::unique_ptr<TCellProperties> Value)
{
    CheckCell(ACol, ARow);
    TCellProperties* Old = FindCellProperties(ACol, ARow);
    if (Old == Value.get()) {
        (void)Value.release();
        return;
    }
    FreeRecord(ACol, ARow, Old);
    SetObjects(ACol, ARow, Value.release());
}

void TBaseGrid::FreeRecord(int ACol, int ARow, TCellProperties* Record)
{
    if (!Record)
        return;
    // A block cannot keep a cell that no longer points back at it: text and painting of that
    // cell would go astray, so losing any cell's record undoes the block.
    if (!(FMerged.BaseCell(ACol, ARow) == plat::TPoint{ACol, ARow}))
        FMerged.SplitCells(ACol, ARow);
    FMerged.RecordFreed(ACol, ARow, *Record);
    SetObjects(ACol, ARow, nullptr);
    delete Record;
}

void TBaseGrid::FreeCellProperty(int ACol, int ARow)
{
    CheckCell(ACol, ARow);
    FreeRecord(ACol, ARow, FindCellProperties(ACol, ARow));
}

void TBaseGrid::FreeCellProperties(int ACol1, int ARow1, int ACol2, int ARow2)
{
    if (!FHasCellProps)
        return;
    // Records may lie beyond the present counts (the store keeps cells of rows and columns the
    // counts shrank over), so the block is cut to what the store holds, not to the counts.
    const int LastCol = std::min(ACol2, std::max(GetColCount(), CellStore().ColExtent()) - 1);
    const int LastRow = std::min(ARow2, std::max(GetRowCount(), CellStore().RowExtent()) - 1);
    for (int C = std::max(ACol1, 0); C <= LastCol; ++C)
        for (int R = std::max(ARow1, 0); R <= LastRow; ++R)
            FreeRecord(C, R, FindCellProperties(C, R));
}

void TBaseGrid::FreeAllCellProperties()
{
    const int Cols = std::max(GetColCount(), CellStore().ColExtent());
    const int Rows = std::max(GetRowCount(), CellStore().RowExtent());
    FreeCellProperties(0, 0, Cols - 1, Rows - 1);
}

int TBaseGrid::GetCellObject(int ACol, int ARow) const
{
    const TCellProperties* Record = HasCellProperties(ACol, ARow) ? FindCellProperties(ACol, ARow) : nullptr;
    return Record ? Record->GetCellObject() : 0;
}

plat::TObject* TBaseGrid::GetGraphicObject(int ACol, int ARow) const
{
    const TCellProperties* Record = HasCellProperties(ACol, ARow) ? FindCellProperties(ACol, ARow) : nullptr;
    return Record ? Record->GetGraphicObject() : nullptr;
}

void TBaseGrid::SetCellObject(int ACol, int ARow, int Value)
{
    CheckCell(ACol, ARow);
    const plat::TPoint Base = FMerged.BaseCell(ACol, ARow);
    // The stored text decides, not the shown one: a display event that hides a value must not
    // make the blank bracket below write the value away.
    const bool Blank = GetCells(Base.X, Base.Y).empty();
    if (Blank)
        SetCellText(ACol, ARow, " ");
    GetCellProperties(ACol, ARow).SetCellObject(Value);
    if (Blank)
        SetCellText(ACol, ARow, "");
}

void TBaseGrid::SetGraphicObject(int ACol, int ARow, plat::TObject* Obj)
{
    if (IsDestroying())
        return;
    CheckCell(ACol, ARow);
    const plat::TPoint Base = FMerged.BaseCell(ACol, ARow);
    const bool Blank = GetCells(Base.X, Base.Y).empty();
    if (Blank)
        SetCellText(ACol, ARow, " ");
    GetCellProperties(ACol, ARow).SetGraphicObject(Obj);
    if (Blank)
        SetCellText(ACol, ARow, "");
}

bool TBaseGrid::MergeCells(int ACol, int ARow, int SpanX, int SpanY)
{
    CheckCell(ACol, ARow);
    return FMerged.MergeCells(ACol, ARow, SpanX, SpanY);
}

bool TBaseGrid::SplitCells(int ACol, int ARow)
{
    CheckCell(ACol, ARow);
    return FMerged.SplitCells(ACol, ARow);
}

plat::TRect TBaseGrid::CalcCellRect(int ACol, int ARow) const
{
    CheckCell(ACol, ARow);
    // The library's lines take no room (its line width stays 0), so axis positions are the
    // exact pixel edges, for cells out of view too.
    const int X = static_cast<int>(ColAxis().ViewPosition(ACol, GetLeftCol()));
    const int Y = static_cast<int>(RowAxis().ViewPosition(ARow, GetTopRow()));
    return {X, Y, X + GetColWidths(ACol), Y + GetRowHeights(ARow)};
}

plat::TPoint TBaseGrid::CellSize(int ACol, int ARow) const
{
    const plat::TGridRect Block = FMerged.FullCell(ACol, ARow);
    const plat::TRect First = CalcCellRect(Block.Left, Block.Top);
    const plat::TRect Last = CalcCellRect(Block.Right, Block.Bottom);
    return {Last.Right - First.Left, Last.Bottom - First.Top};
}

int TBaseGrid::FixedColsWidth() const
{
    return static_cast<int>(ColAxis().Position(GetFixedCols()));
}

int TBaseGrid::FixedRowsHeight() const
{
    return static_cast<int>(RowAxis().Position(GetFixedRows()));
}

plat::TRect TBaseGrid::CellRect(int ACol, int ARow) const
{
    const TCellProperties* Record = HasCellProperties(ACol, ARow) ? FindCellProperties(ACol, ARow) : nullptr;
    if (Record && (Record->GetCellSpanX() != -1 || Record->GetCellSpanY() != -1)) {
        const plat::TGridRect Block = FMerged.FullCell(ACol, ARow);
        plat::TRect First = CalcCellRect(Block.Left, Block.Top);
        if (First.Width() == 0)
            ++First.Right;
        plat::TRect Last = CalcCellRect(std::min(Block.Right, RecordColCount() - 1),
                                        std::min(Block.Bottom, RecordRowCount() - 1));
        if (Last.Width() == 0)
            --Last.Left;
        return {std::min(First.Left, Last.Left), std::min(First.Top, Last.Top), std::max(First.Right, Last.Right),
                std::max(First.Bottom, Last.Bottom)};
    }
    if (Record && Record->GetControl())
        return CalcCellRect(ACol, ARow);
    plat::TRect Result = plat::TStringGrid::CellRect(ACol, ARow);
    if (!Result.IsEmpty()) {
        Result.Right = Result.Left + GetColWidths(ACol);
        Result.Bottom = Result.Top + GetRowHeights(ARow);
    }
    return Result;
}

void TBaseGrid::RepaintCell(int ACol, int ARow)
{
    if (!HandleAllocated() || IsDestroying())
        return;
    const plat::TRect Rect = CellRect(ACol, ARow);
    if (!Rect.IsEmpty())
        InvalidateRect(Rect);
}

void TBaseGrid::FocusCell(int ACol, int ARow)
{
    plat::TCustomGrid::FocusCell(ACol, ARow, true);
}

void TBaseGrid::SetUndoRedo(TVezGridUndoRedo* Value)
{
    if (Value == FUndoRedo)
        return;
    if (FUndoRedo) {
        // The component left behind must not keep writing into this grid, nor be told of its end.
        if (FUndoRedo->GetGrid() == this)
            FUndoRedo->SetGrid(nullptr);
        RemoveFreeNotification(FUndoRedo);
    }
    FUndoRedo = Value;
    if (FUndoRedo) {
        FreeNotification(FUndoRedo);
        FUndoRedo->SetGrid(this);
    }
}

void TBaseGrid::Notification(plat::TComponent* AComponent, plat::TOperation Operation)
{
    plat::TStringGrid::Notification(AComponent, Operation);
    if (Operation == plat::opRemove && AComponent == FUndoRedo)
        FUndoRedo = nullptr;
}

void TBaseGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    FMerged.LineMoving(TLineAxis::Columns, FromIndex, ToIndex);
    plat::TStringGrid::ColumnMoved(FromIndex, ToIndex);
    FMerged.LineMoved(TLineAxis::Columns, FromIndex, ToIndex);
}

void TBaseGrid::RowMoved(int FromIndex, int ToIndex)
{
    FMerged.LineMoving(TLineAxis::Rows, FromIndex, ToIndex);
    plat::TStringGrid::RowMoved(FromIndex, ToIndex);
    FMerged.LineMoved(TLineAxis::Rows, FromIndex, ToIndex);
}

void TBaseGrid::SizeChanging(int NewColCount, int NewRowCount)
{
    if (NewColCount < GetColCount() || NewRowCount < GetRowCount())
        FMerged.CountsShrinking(NewColCount + TotalColCount() - GetColCount(), NewRowCount);
    plat::TStringGrid::SizeChanging(NewColCount, NewRowCount);
}

void TBaseGrid::DeleteColumn(int ACol)
{
    // The library grid refuses a bad index and keeps its only column.
    if (ACol < 0 || ACol >= GetColCount() || GetColCount() <= 1) {
        plat::TStringGrid::DeleteColumn(ACol);
        return;
    }
    FMerged.LineDeleting(TLineAxis::Columns, ACol);
    FreeCellProperties(ACol, 0, ACol, std::numeric_limits<int>::max());
    plat::TStringGrid::DeleteColumn(ACol);
    FMerged.LineDeleted(TLineAxis::Columns, ACol);
}

void TBaseGrid::DeleteRow(int ARow)
{
    if (ARow < 0 || ARow >= GetRowCount() || GetRowCount() <= 1) {
        plat::TStringGrid::DeleteRow(ARow);
        return;
    }
    FMerged.LineDeleting(TLineAxis::Rows, ARow);
    FreeCellProperties(0, ARow, std::numeric_limits<int>::max(), ARow);
    plat::TStringGrid::DeleteRow(ARow);
    FMerged.LineDeleted(TLineAxis::Rows, ARow);
}

void TBaseGrid::ClearRowData(int ARow)
{
    const int Cols = std::max(GetColCount(), CellStore().ColExtent());
    for (int C = 0; C < Cols; ++C)
        ClearCellData(C, ARow);
}

void TBaseGrid::ClearColData(int ACol)
{
    const int Rows = std::max(GetRowCount(), CellStore().RowExtent());
    for (int R = 0; R < Rows; ++R)
        ClearCellData(ACol, R);
}

void TBaseGrid::ClearCellData(int ACol, int ARow)
{
    SetRawObject(ACol, ARow, nullptr);
    SetCellText(ACol, ARow, "");
}

void TBaseGrid::MoveToBaseCell()
{
    if (!HasCellProperties(GetCol(), GetRow()))
        return;
    const plat::TPoint Base = BaseCell(GetCol(), GetRow());
    if (Base.X != GetCol())
        SetCol(Base.X);
    if (Base.Y != GetRow())
        SetRow(Base.Y);
}

void TBaseGrid::KeyDown(unsigned& Key, plat::TShiftState Shift)
{
    const int Col = GetCol();
    const int Row = GetRow();
    const TCellProperties* Own = HasCellProperties(Col, Row) ? FindCellProperties(Col, Row) : nullptr;
    const plat::TPoint Base = BaseCell(Col, Row);
    const plat::TPoint Span = CellSpan(Col, Row);
    switch (Key) {
    case plat::VK_NEXT:
        if (FHideLastRow && GetRowCount() > 1 &&
            GetTopRow() + GetVisibleRowCount() - GetFixedRows() == GetRowCount() - 1) {
            SetRow(GetRowCount() - 2);
            Key = 0;
        }
        break;
    // From inside a block the step starts at the block's edge, so it leaves the block by one
    // line and never skips the line beyond it.
    case plat::VK_LEFT:
        if (Own && Base.X < Col && Base.X >= GetFixedCols())
            SetCol(Base.X);
        break;
    case plat::VK_UP:
        if (Own && Base.Y < Row && Base.Y >= GetFixedRows())
            SetRow(Base.Y);
        break;
    case plat::VK_RIGHT: {
        const int LastCol = Base.X + Span.X;
        if (Own && LastCol > Col && Col < GetColCount() - 1 && LastCol < GetColCount())
            SetCol(LastCol);
        break;
    }
    case plat::VK_DOWN: {
        const int LastRow = Base.Y + Span.Y;
        if (Own && LastRow > Row && Row < GetRowCount() - 1 && LastRow < GetRowCount())
            SetRow(LastRow);
        break;
    }
    default:
        break;
    }
    if (Key != 0)
        plat::TStringGrid::KeyDown(Key, Shift);
    MoveToBaseCell();
}

bool TBaseGrid::SelectCell(int ACol, int ARow)
{
    RepaintCell(GetCol(), GetRow());
    const bool Allowed = plat::TStringGrid::SelectCell(ACol, ARow);
    RepaintCell(ACol, ARow);
    return Allowed;
}

void TBaseGrid::TopLeftChanged()
{
    plat::TStringGrid::TopLeftChanged();
    if (FMerged.MergeCount() <= 0)
        return;
    const int LastRow = std::min(GetTopRow() + GetVisibleRowCount(), GetRowCount() - 1);
    for (int C = 0; C < GetFixedCols(); ++C)
        for (int R = GetTopRow(); R <= LastRow; ++R)
            if (IsMergedCell(C, R))
                RepaintCell(C, R);
    const int LastCol = std::min(GetLeftCol() + GetVisibleColCount(), GetColCount() - 1);
    for (int R = 0; R < GetFixedRows(); ++R)
        for (int C = GetLeftCol(); C <= LastCol; ++C)
            if (IsMergedCell(C, R))
                RepaintCell(C, R);
}

bool TBaseGrid::DoMouseWheelDown(plat::TShiftState Shift, plat::TPoint MousePos)
{
    const bool Handled = plat::TStringGrid::DoMouseWheelDown(Shift, MousePos);
    if (FHideLastRow && GetRow() > GetTopRow() + GetVisibleRowCount() && GetRow() < GetRowCount() - 1)
        SetTopRow(GetTopRow() + 1);
    MoveToBaseCell();
    return Handled;
}

bool TBaseGrid::DoMouseWheelUp(plat::TShiftState Shift, plat::TPoint MousePos)
{
    const bool Handled = plat::TStringGrid::DoMouseWheelUp(Shift, MousePos);
    MoveToBaseCell();
    return Handled;
}

bool TBaseGrid::IsFixed(int, int)
{
    return false;
}

int TBaseGrid::GetNodeIndent(int)
{
    return 0;
}

bool TBaseGrid::HasNodes()
{
    return false;
}

bool TBaseGrid::HasCustomBorders()
{
    return false;
}

void TBaseGrid::GetVisualProperties(int, int, TCellVisualProperties&, plat::TFont&, plat::TBrush&, bool, bool, bool,
                                    plat::TGridDrawState&)
{
}

void TBaseGrid::DrawCellContent(plat::TCanvas& Canvas, int ACol, int ARow, const plat::TRect& Rect,
                                plat::TGridDrawState)
{
    plat::TRect TextRect = Rect;
    Canvas.Brush().SetStyle(plat::bsClear);
    Canvas.DrawText(GetCellText(ACol, ARow), TextRect,
                    plat::DT_CENTER | plat::DT_VCENTER | plat::DT_SINGLELINE | plat::DT_NOPREFIX);
}

void TBaseGrid::DrawCell(int ACol, int ARow, const plat::TRect& ARect, plat::TGridDrawState AState)
{
    DrawCellBase(Canvas(), ACol, ARow, ARect, AState, true);
}

// A cell painted on its own is a pass of its own: the next pass, on the screen or off it, must
// paint every merged block again.
void TBaseGrid::PaintCell(plat::TCanvas& Canvas, int ACol, int ARow, const plat::TRect& Rect,
                          plat::TGridDrawState State)
{
    DrawCellBase(Canvas, ACol, ARow, Rect, State, true);
    AdvancePaintID();
}

void TBaseGrid::PaintCellExt(plat::TCanvas& Canvas, int ACol, int ARow, const plat::TRect& Rect,
                             plat::TGridDrawState State)
{
    DrawCellBase(Canvas, ACol, ARow, Rect, State, false);
    AdvancePaintID();
}

namespace {

struct TSelectionFaceColors {
    plat::TColor Face, FaceTo, LowerFirst, LowerSecond, UpperLine, LowerLine, Border, Corner;
};

const TSelectionFaceColors& SelectionFaceColors(TGridSelectionStyle Style, bool Focused)
{
    static const TSelectionFaceColors Vista{0xFDF8F1, 0xFCEFD5, plat::clNone, plat::clNone,
                                            0xFDFBF6, 0xFDF5E7, 0xFDDE99, 0xFCEDCB};
    static const TSelectionFaceColors Win7{0xFCEBDC, 0xFCDBC1, plat::clNone, plat::clNone,
                                           0xFDF4EB, 0xFDEADB, 0xCEA27D, 0xE0C5AE};
    static const TSelectionFaceColors Office2007{0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC,
                                                 0xF4FEFF, 0xCAF8FF, 0x8DD7D3, 0xC3D9DF};
    static const TSelectionFaceColors Unfocused{0xF8F8F8, 0xE5E5E5, plat::clNone, plat::clNone,
                                                0xFBFAFA, 0xF0F0F0, 0xD9D9D9, 0xEFEFEF};
    if (!Focused)
        return Unfocused;
    switch (Style) {
    case ssWin7:
        return Win7;
    case ssOffice2007:
        return Office2007;
    default:
        return Vista;
    }
}

}  // namespace

void TBaseGrid::DrawSelectionFace(plat::TCanvas& Canvas, int ACol, plat::TRect Rect)
{
    const plat::TGridRect Sel = GetSelection();
    TFaceEdges Part = feBoth;
    if (ACol == Sel.Left && Sel.Left < Sel.Right)
        Part = feLeftOnly;
    else if (ACol == Sel.Right && Sel.Right > Sel.Left)
        Part = feRightOnly;
    else if (Sel.Left < ACol && ACol < Sel.Right)
        Part = feNeither;
    if (!GetOptions().Contains(plat::goHorzLine))
        ++Rect.Bottom;
    if (!GetOptions().Contains(plat::goVertLine))
        ++Rect.Right;
    const bool HasFocus = Focused() || GetOptions().Contains(plat::goDrawFocusSelected);
    const TSelectionFaceColors& C = SelectionFaceColors(FSelectionStyle, HasFocus);
    DrawRoundedGradientFace(Canvas, C.Face, C.FaceTo, Part, Rect, GetColor(), C.Corner, C.Border, C.LowerLine,
                            C.UpperLine, C.LowerSecond, C.LowerFirst);
}

void TBaseGrid::DrawCellBase(plat::TCanvas& Canvas, int ACol, int ARow, plat::TRect Rect, plat::TGridDrawState State,
                             bool FullPaint)
{
    if (FHideLastRow && ARow == GetRowCount() - 1) {
        Canvas.Brush().SetColor(GetColor());
        Canvas.Pen().SetColor(GetColor());
        Canvas.FillRect(Rect);
        return;
    }

    int BaseCol = ACol, BaseRow = ARow;
    if (!FMerged.FindBaseCell(ACol, ARow, BaseCol, BaseRow)) {
        TCellProperties* BaseRecord = FindCellProperties(BaseCol, BaseRow);
        if (BaseRecord && BaseRecord->GetPaintID() != FPaintID) {
            BaseRecord->SetPaintID(FPaintID);
            DrawCellBase(Canvas, BaseCol, BaseRow, Rect, State, true);
        }
        return;
    }

    if (FullPaint && IsFixed(ACol, ARow)) {
        State.Exclude(plat::gdSelected);
        State.Include(plat::gdFixed);
    }
    if (FullPaint)
        Rect = CellRect(ACol, ARow);
    const bool FixedCol = ACol < GetFixedCols();
    const bool FixedRow = ARow < GetFixedRows();
    const bool Fixed = State.Contains(plat::gdFixed);

    // A block scrolled partly under the fixed cells must not paint over them.
    const int X0 = FixedCol ? 0 : FixedColsWidth();
    const int Y0 = FixedRow ? 0 : FixedRowsHeight();
    const bool Clip = (!FixedCol && GetFixedCols() > 0 && Rect.Left < X0) ||
                      (!FixedRow && GetFixedRows() > 0 && Rect.Top < Y0);
    const int SavedDC = Clip ? Canvas.SaveDC() : 0;
    if (Clip)
        Canvas.IntersectClipRect({X0, Y0, GetWidth(), GetHeight()});

    Canvas.Pen().SetWidth(1);
    Canvas.Font().Assign(Font());
    const bool Selected = State.Contains(plat::gdSelected) && FShowSel;
    Canvas.Brush().SetColor(Fixed ? GetFixedColor() : Selected ? plat::clHighlight : GetColor());
    if (Selected && !Fixed)
        Canvas.Font().SetColor(plat::clHighlightText);
    TCellVisualProperties Visual;
    // ACol counts display columns; the records lie at real ones.
    GetVisualProperties(RealColIndex(ACol), ARow, Visual, Canvas.Font(), Canvas.Brush(), false, true, false, State);
    Canvas.Pen().SetColor(Canvas.Brush().GetColor());

    if (ARow == FHoverRowIdx && FHoverRow && !State.Contains(plat::gdSelected)) {
        Canvas.Brush().SetColor(FHoverRowColor);
        Visual.ColorTo = FHoverRowColorTo;
        Visual.MirrorColor = plat::clNone;
        Visual.MirrorColorTo = plat::clNone;
        Visual.GradientDirection = GradientVertical;
    }
    const bool ActiveRow = FActiveRowShow && ARow == GetRow() && ACol >= GetFixedCols() &&
                           (ACol != GetCol() || !FShowSel);
    if (ActiveRow || (!FullPaint && State.Contains(plat::gdSelected))) {
        Canvas.Brush().SetColor(FActiveRowColor);
        Visual.ColorTo = FActiveRowColorTo;
        Visual.MirrorColor = FActiveRowMirrorColor;
        Visual.MirrorColorTo = FActiveRowMirrorColorTo;
        Canvas.Pen().SetColor(Canvas.Brush().GetColor());
    }

    if (State.Contains(plat::gdSelected) && FSelectionStyle != ssDefault && FShowSel)
        DrawSelectionFace(Canvas, ACol, Rect);
    else if (Visual.MirrorColorTo == plat::clNone)
        DrawGradient(Canvas, Canvas.Brush().GetColor(), Visual.ColorTo, Visual.GradientDirection == GradientHorizontal,
                     Rect, 64);
    else
        DrawMirroredGradient(Canvas, Rect, Canvas.Brush().GetColor(), true, false, plat::clNone,
                             Visual.GradientDirection == GradientVertical, Visual.MirrorColorTo, Visual.MirrorColor,
                             Visual.ColorTo);

    int Half = 0;
    if (Fixed) {
        Canvas.Pen().SetColor(FGridFixedLineColor);
        Canvas.Pen().SetWidth(1);
        Half = 1;
    } else if (FGridLineWidth > 0) {
        Canvas.Pen().SetColor(FGridLineColor);
        Canvas.Pen().SetWidth(FGridLineWidth);
        Half = (FGridLineWidth + 1) / 2;
    }
    const plat::TGridOptions Options = GetOptions();
    const bool HorzLine = Fixed ? Options.Contains(plat::goFixedHorzLine) : Options.Contains(plat::goHorzLine);
    const bool VertLine = Fixed ? Options.Contains(plat::goFixedVertLine) : Options.Contains(plat::goVertLine);
    if (HorzLine && !(ACol == 0 && HasNodes())) {
        Canvas.MoveTo(Rect.Left - Half + 1, Rect.Bottom - Half);
        Canvas.LineTo(Rect.Right - Half + 1, Rect.Bottom - Half);
    }
    if (VertLine) {
        Canvas.MoveTo(Rect.Right - Half, Rect.Bottom - Half);
        Canvas.LineTo(Rect.Right - Half, Rect.Top - Half);
    }

    if (FullPaint) {
        plat::TRect Content = Rect;
        if (Fixed) {
            Content.Right -= 1;
            Content.Bottom -= 2;
        } else {
            Content = plat::InflatedRect(Content, -FGridLineWidth, -FGridLineWidth);
        }
        DrawCellContent(Canvas, ACol, ARow, Content, State);
    }

    if (Clip)
        Canvas.RestoreDC(SavedDC);
    Canvas.Brush().SetStyle(plat::bsSolid);
    Canvas.Pen().SetStyle(plat::psSolid);
}

void TBaseGrid::Paint()
{
    plat::TStringGrid::Paint();
    AdvancePaintID();
}

void TBaseGrid::SetDefaultDrawing(bool Value)
{
    FDefaultDrawing = Value;
    plat::TStringGrid::SetDefaultDrawing(false);
}

void TBaseGrid::SetGridLineWidth(int Value)
{
    FGridLineWidth = Value;
    plat::TStringGrid::SetGridLineWidth(0);
    Invalidate();
}

void TBaseGrid::SetGridLineColor(plat::TColor Value)
{
    FGridLineColor = Value;
    Invalidate();
}

void TBaseGrid::SetGridFixedLineColor(plat::TColor Value)
{
    FGridFixedLineColor = Value;
    Invalidate();
}

void TBaseGrid::RepaintIfChanged(bool Changed)
{
    if (Changed)
        Invalidate();
}

void TBaseGrid::SetActiveRowShow(bool Value)
{
    RepaintIfChanged(plat::ChangeValue(FActiveRowShow, Value));
}

void TBaseGrid::SetActiveRowColor(plat::TColor Value)
{
    RepaintIfChanged(plat::ChangeValue(FActiveRowColor, Value));
}

void TBaseGrid::SetActiveRowColorTo(plat::TColor Value)
{
    RepaintIfChanged(plat::ChangeValue(FActiveRowColorTo, Value));
}

void TBaseGrid::SetActiveRowMirrorColor(plat::TColor Value)
{
    RepaintIfChanged(plat::ChangeValue(FActiveRowMirrorColor, Value));
}

void TBaseGrid::SetActiveRowMirrorColorTo(plat::TColor Value)
{
    RepaintIfChanged(plat::ChangeValue(FActiveRowMirrorColorTo, Value));
}

void TBaseGrid::SetSelectionStyle(TGridSelectionStyle Value)
{
    RepaintIfChanged(plat::ChangeValue(FSelectionStyle, Value));
}

}  // namespace skelda::grid
