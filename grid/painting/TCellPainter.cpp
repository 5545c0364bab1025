#include "grid/painting/TCellPainter.h"

#include "foundation/ColorTones.h"
#include "grid/drawing/CellButtonDrawing.h"
#include "grid/drawing/ColorRoutines.h"
#include "grid/drawing/DrawingBasics.h"
#include "grid/drawing/GradientDrawing.h"
#include "grid/drawing/TransparentBitmaps.h"
#include "grid/painting/TCellLook.h"
#include "grid/painting/TCellPaintContext.h"
#include "grid/painting/TCellPainterHost.h"
#include "grid/painting/TGridLookSettings.h"
#include "grid/settings/TControlLook.h"
#include "grid/settings/TShowModified.h"
#include "grid/settings/TSortSettings.h"
#include "platform/core/ChangeValue.h"
#include "platform/core/RectOps.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TPen.h"

#include <algorithm>
#include <utility>

namespace skelda::grid {

namespace {

constexpr int InCellButtonWidthPx = 16;

}  // namespace

TCellPainter::TCellPainter(TCellPainterHost& AHost, const TCellPaintSettings& ASettings, TCellLook& ALook)
    : FHost(AHost)
    , FSettings(ASettings)
    , FCellLook(ALook)
    , FText(AHost, ASettings)
{
}

void TCellPainter::SetFilterDropDownRow(int Value)
{
    if (Value < 0 || Value >= FHost.FixedRows())
        return;
    if (plat::ChangeValue(FFilterDropDownRow, Value))
        FHost.RepaintGrid();
}

void TCellPainter::SetFixedCellHover(const TFixedCellHover& Value)
{
    if (Value == FFixedCellHover)
        return;
    const TFixedCellHover Old = std::exchange(FFixedCellHover, Value);
    for (const TFixedCellHover& Hover : {Old, Value}) {
        if (Hover.Col >= 0 && Hover.Row >= 0)
            FHost.RepaintCell(Hover.Col, Hover.Row);
        if (Hover.MovingCol >= 0)
            FHost.RepaintCol(Hover.MovingCol);
    }
}

bool TCellPainter::IsHoverFixedCell(int ACol, int ARow) const
{
    const bool InFixedCols = ACol >= 0 && ACol < FHost.FixedCols();
    const bool InFixedRows = ARow >= 0 && ARow < FHost.FixedRows();
    switch (Look().GetHoverFixedCells()) {
    case hfAll:
        return InFixedCols || InFixedRows;
    case hfFixedColumns:
        return InFixedCols;
    case hfFixedRows:
        return InFixedRows;
    default:
        return false;
    }
}

// ---- The content painter ------------------------------------------------------------------

void TCellPainter::DrawCellContent(plat::TCanvas& Canvas, int ACol, int ARow, const plat::TRect& ARect,
                                   plat::TGridDrawState AState)
{
    TCellPaintContext P(Canvas);
    P.DisplCol = ACol;
    P.RealCol = FHost.RealColIndex(ACol);
    P.Row = ARow;
    P.State = AState;
    P.R = ARect;
    // The filter row is one of the fixed rows.
    if (ARow == FFilterDropDownRow && ARow < FHost.FixedRows())
        P.FilterGlyph = FHost.FilterItems(P.RealCol);

    FHost.VisualProperties(P.RealCol, ARow, P.Visual, Canvas.Font(), Canvas.Brush(), false, false, false, P.State);
    if (ARow >= FHost.FixedRows() && FHost.RowDisabled(ARow))
        Canvas.Font().SetColor(Look().GetDisabledFontColor());
    P.Layout = FCellLook.GetCellGraphicLayout(P.RealCol, ARow);
    if (P.State.Contains(plat::gdSelected) && !FHost.HasFocus() && Look().GetSelectionColor() == plat::clNone)
        Canvas.Brush().SetColor(plat::clHighlight);
    if (Look().GetZoomFactor() != 0)
        Canvas.Font().SetSize(Canvas.Font().GetSize() + Look().GetZoomFactor());
    P.SavedBrushColor = Canvas.Brush().GetColor();
    P.SavedFontColor = Canvas.Font().GetColor();
    P.Fixed = FHost.IsFixedCell(ACol, ARow) || ACol < FHost.FixedCols() || ARow < FHost.FixedRows();

    if (P.Fixed && IsGradientLook())
        PaintFixedGradient(P);
    const int LeftBeforeIndicator = P.R.Left;
    PaintRowIndicator(P);
    const bool IndicatorShown = P.R.Left != LeftBeforeIndicator;
    if (P.Fixed && Look().GetLook() == glListView && !Look().GetFlat())
        PaintListViewHeader(P);
    PaintModifiedMarker(P);
    FHost.CustomCellBackground(Canvas, P.RealCol, ARow, P.State, P.R);

    const int RightBeforeButtons = P.R.Right;
    if (!P.Fixed)
        PaintEditorButtons(P);

    const bool OwnerDrawsText = Look().GetNoDefaultDraw() && FHost.HasCellDrawEvents();
    if (!(P.Layout.Object && Look().GetNoImageAndText()) && !OwnerDrawsText)
        FText.DrawCellText(P);

    P.R.Right = RightBeforeButtons;
    Canvas.Brush().SetColor(P.SavedBrushColor);
    Canvas.Font().SetColor(P.SavedFontColor);
    P.R = plat::InflatedRect(P.R, 1, 1);
    DrawCellBorders(P);
    if (IndicatorShown)
        P.R.Left -= Look().RowIndicator().GetWidth();

    if (P.Fixed)
        PaintFixedEdges(P);
    if (P.Layout.Object)
        PaintCellObject(P);

    const plat::TRect Owner{P.R.Left + 1, P.R.Top + 1, P.R.Right + 1 - FHost.GridLineWidth(),
                            P.R.Bottom + 1 - FHost.GridLineWidth()};
    FHost.OwnerDrawCell(P.RealCol, ARow, Owner, P.State);
    FHost.CustomCellDraw(Canvas, P.RealCol, ARow, P.State, P.R);
    PaintFocusRect(P);
}

void TCellPainter::PaintCellObject(TCellPaintContext&) {}

bool TCellPainter::IsGradientLook() const
{
    const TGridLook GridLook = Look().GetLook();
    return GridLook == glZOR || GridLook == glXP || GridLook == glVista || GridLook == glWin7 ||
           GridLook == glOffice2007;
}

bool TCellPainter::IsActiveHeaderCell(int ACol, int ARow) const
{
    return (FHost.FixedCols() > 0 && ARow == FHost.CurrentRow() && ACol == FHost.FixedCols() - 1) ||
           (FHost.FixedRows() > 0 && ACol == FHost.CurrentCol() && ARow == FHost.FixedRows() - 1);
}

void TCellPainter::PaintFixedGradient(TCellPaintContext& P)
{
    const TFixedCellHover& Hover = FFixedCellHover;
    const bool Hovered = IsHoverFixedCell(P.RealCol, P.Row) &&
                         ((Hover.MovingCol < 0 && Hover.Col == P.DisplCol && Hover.Row == P.Row) ||
                          (Hover.MovingCol >= 0 && Hover.MovingCol == P.DisplCol)) &&
                         !FHost.IsDesigning();
    if (Hovered) {
        PaintHoveredFixedCell(P);
        return;
    }
    if (Look().GetActiveCellShow() && IsActiveHeaderCell(P.DisplCol, P.Row)) {
        DrawMirroredGradient(P.Canvas, P.R, Look().GetActiveCellColor(), true, false, plat::clNone, true, plat::clNone,
                             plat::clNone, Look().GetActiveCellColorTo());
        return;
    }
    const TSortSettings& Sort = FSettings.Sort;
    const bool SortHeader = Sort.GetColumn() != -1 && Sort.GetHeaderColor() != plat::clNone &&
                            P.RealCol == Sort.GetColumn() && P.Row == FHost.FixedRows() - 1 &&
                            (P.DisplCol >= FHost.FixedCols() || Sort.GetFixedCols());
    if (SortHeader) {
        DrawMirroredGradient(P.Canvas, P.R, Sort.GetHeaderColor(), true, false, plat::clNone, true,
                             Sort.GetHeaderMirrorColorTo(), Sort.GetHeaderMirrorColor(), Sort.GetHeaderColorTo());
        return;
    }
    if (!Look().GetFlat()) {
        const bool Vista = Look().GetLook() == glVista;
        DrawMirroredGradient(P.Canvas, P.R, P.Canvas.Brush().GetColor(), true, Vista,
                             Vista ? plat::clWhite : plat::clNone, true, P.Visual.MirrorColorTo, P.Visual.MirrorColor,
                             P.Visual.ColorTo);
    }
}

void TCellPainter::PaintHoveredFixedCell(TCellPaintContext& P)
{
    const TControlLook& Look = FSettings.ControlLook;
    const TFixedCellHover& Hover = FFixedCellHover;
    const auto Face = [&](const plat::TRect& Rect, bool Down) {
        if (Down)
            DrawMirroredGradient(P.Canvas, Rect, Look.GetFixedGradientDownFrom(), true, false,
                                 Look.GetFixedGradientDownBorder(), true, Look.GetFixedGradientDownMirrorTo(),
                                 Look.GetFixedGradientDownMirrorFrom(), Look.GetFixedGradientDownTo());
        else
            DrawMirroredGradient(P.Canvas, Rect, Look.GetFixedGradientHoverFrom(), true, false,
                                 Look.GetFixedGradientHoverBorder(), true, Look.GetFixedGradientHoverMirrorTo(),
                                 Look.GetFixedGradientHoverMirrorFrom(), Look.GetFixedGradientHoverTo());
    };
    ++P.R.Bottom;
    const bool Pressed = Hover.MouseDown || Hover.MovingCol >= 0;
    if (!(Look.GetFixedDropDownButton() && FHost.CanShowFixedDropDown(P.RealCol))) {
        Face(P.R, Pressed);
        return;
    }
    const int ButtonLeft = P.R.Right - InCellButtonWidthPx;
    Face({P.R.Left, P.R.Top, ButtonLeft, P.R.Bottom}, Pressed && !Hover.DropDownDown);
    Face({ButtonLeft, P.R.Top, P.R.Right, P.R.Bottom}, Hover.DropDownDown);
    P.Canvas.Pen().SetColor(Hover.DropDownDown ? Look.GetFixedGradientDownBorder()
                                               : Look.GetFixedGradientHoverBorder());
    P.Canvas.MoveTo(ButtonLeft, P.R.Top);
    P.Canvas.LineTo(ButtonLeft, P.R.Bottom);
    DrawDropArrow(P.Canvas, P.R.Right - 8, P.R.Top + 8, plat::clBlack);
    P.R.Right = ButtonLeft;
}

void TCellPainter::PaintRowIndicator(TCellPaintContext& P)
{
    if (P.RealCol != 0 || P.Row != FHost.CurrentRow() || FHost.FixedCols() == 0 || Look().RowIndicator().GetEmpty())
        return;
    const int HeightPx = Look().RowIndicator().GetHeight();
    int Y = P.R.Top;
    if (Look().GetVAlignment() == vtaCenter)
        Y = P.R.Top + (P.R.Height() - HeightPx) / 2;
    else if (Look().GetVAlignment() == vtaBottom)
        Y = P.R.Bottom - HeightPx;
    DrawBitmapAutoTransparent(P.Canvas, P.R.Left + 2, Y, Look().RowIndicator());
    P.R.Left += Look().RowIndicator().GetWidth() + 2;
}

// Without a theme binding the header item is drawn as the classic one.
void TCellPainter::PaintListViewHeader(TCellPaintContext& P)
{
    P.Canvas.Brush().SetColor(plat::clBtnFace);
    P.Canvas.Pen().SetColor(plat::clWhite);
    P.Canvas.Rectangle(P.R);
}

void TCellPainter::PaintModifiedMarker(TCellPaintContext& P)
{
    if (P.DisplCol != 0 || !FSettings.ShowModified.GetEnabled() || !FHost.RowModified(P.Row))
        return;
    const plat::TColor Brush = P.Canvas.Brush().GetColor();
    P.Canvas.Brush().SetColor(FSettings.ShowModified.GetColor());
    P.Canvas.Pen().SetColor(FSettings.ShowModified.GetColor());
    P.Canvas.Rectangle(P.R.Right - 4, P.R.Top, P.R.Right, P.R.Bottom);
    P.Canvas.Brush().SetColor(Brush);
}

void TCellPainter::PaintEditorButtons(TCellPaintContext& P)
{
    const TControlLook& Look = FSettings.ControlLook;
    if (!Look.GetDropDownAlwaysVisible() && !Look.GetSpinButtonsAlwaysVisible())
        return;
    const TCellButtonStyle Style = Look.GetFlatButton() ? TCellButtonStyle::Flat
                                   : FHost.IsWinXP()    ? TCellButtonStyle::Themed
                                                        : TCellButtonStyle::Classic;
    bool CanEdit = true;
    FHost.CanEditCellCheck(P.RealCol, P.Row, CanEdit);
    const TCellButtonState State = CanEdit ? TCellButtonState::Normal : TCellButtonState::Disabled;
    const foundation::TColorTones Tones;
    if (Look.GetDropDownAlwaysVisible() && FHost.HasComboBox(P.RealCol, P.Row)) {
        DrawComboButton(P.Canvas, {P.R.Left - 2, P.R.Top - 1, P.R.Right + 1, P.R.Bottom}, Tones, State, Style);
        P.R.Right -= InCellButtonWidthPx;
    }
    if (Look.GetSpinButtonsAlwaysVisible() && FHost.HasSpinEdit(P.RealCol, P.Row)) {
        // As the combo button's, the spin buttons' rectangle starts one pixel above the content.
        DrawSpinButtons(P.Canvas, plat::MovedRect(P.R, 0, -1), Tones, State, Style);
        P.R.Right -= InCellButtonWidthPx;
    }
}

void TCellPainter::DrawCellBorders(TCellPaintContext& P)
{
    plat::TCanvas& Canvas = P.Canvas;
    plat::TPen Saved;
    Saved.Assign(Canvas.Pen());
    TCellBorders Borders;
    FHost.CellBorder(P.RealCol, P.Row, Borders, Canvas.Pen());
    plat::TPen Left, Top, Right, Bottom;
    for (plat::TPen* Pen : {&Left, &Top, &Right, &Bottom})
        Pen->Assign(Canvas.Pen());
    FHost.CellBorderPens(P.RealCol, P.Row, Left, Top, Right, Bottom);

    const int Half = (Canvas.Pen().GetWidth() + 1) / 2;
    const int Side = FHost.Options().Contains(plat::goVertLine) ? Half : 0;
    const int V = FHost.Options().Contains(plat::goHorzLine) ? Half : 0;
    const plat::TRect R = plat::InflatedRect(P.R, -Side, -V);
    const int LineWidth = FHost.GridLineWidth();
    if (Borders.Contains(cbLeft)) {
        Canvas.Pen().Assign(Left);
        Canvas.MoveTo(std::max(0, R.Left), R.Top - V);
        Canvas.LineTo(std::max(0, R.Left), R.Bottom);
    }
    if (Borders.Contains(cbRight)) {
        Canvas.Pen().Assign(Right);
        Canvas.MoveTo(R.Right - 1, R.Top - V);
        Canvas.LineTo(R.Right - 1, R.Bottom);
    }
    if (Borders.Contains(cbTop)) {
        Canvas.Pen().Assign(Top);
        const int Y = LineWidth != 0 ? std::max(0, R.Top - LineWidth) : R.Top + 1;
        Canvas.MoveTo(R.Left, Y);
        Canvas.LineTo(R.Right, Y);
    }
    if (Borders.Contains(cbBottom)) {
        Canvas.Pen().Assign(Bottom);
        Canvas.MoveTo(R.Left - LineWidth - 1, R.Bottom - 1);
        Canvas.LineTo(R.Right, R.Bottom - 1);
    }
    Canvas.Pen().Assign(Saved);
}

void TCellPainter::PaintFixedEdges(TCellPaintContext& P)
{
    plat::TCanvas& Canvas = P.Canvas;
    plat::TRect& R = P.R;
    const bool HorzLines = FHost.Options().Contains(plat::goFixedHorzLine);
    const bool VertLines = FHost.Options().Contains(plat::goFixedVertLine);
    const plat::TColor Shade = HalveColor(FHost.FixedColor());
    const auto Line = [&Canvas](plat::TColor Color, int X1, int Y1, int X2, int Y2) {
        Canvas.Pen().SetColor(Color);
        Canvas.MoveTo(X1, Y1);
        Canvas.LineTo(X2, Y2);
    };
    if (!Look().GetFlat()) {
        switch (Look().GetLook()) {
        case glClassic: {
            R.Left += 1;
            R.Top += 1;
            R.Bottom += 1;
            plat::TRect Edge = R;
            Canvas.DrawEdge(Edge, plat::BDR_RAISEDINNER, plat::BF_LEFT | plat::BF_TOP);
            Edge = R;
            Canvas.DrawEdge(Edge, plat::EDGE_RAISED, plat::BF_RIGHT | plat::BF_BOTTOM);
            Line(plat::clBlack, R.Right - 1, R.Top, R.Right - 1, R.Bottom);
            Line(plat::clBlack, R.Left, R.Bottom - 1, R.Right, R.Bottom - 1);
            break;
        }
        case glZOR:
        case glXP:
            R.Bottom += 1;
            if (HorzLines) {
                Line(Shade, R.Left, R.Bottom - 1, R.Right - 1, R.Bottom - 1);
                Line(plat::clWhite, R.Right - 2, R.Top + 1, R.Left + 1, R.Top + 1);
                Canvas.LineTo(R.Left + 1, R.Bottom - 1);
            }
            break;
        case glSoft:
            // Ctl3D goes with a grid that is not flat.
            R.Right += 1;
            R.Bottom += 1;
            if (HorzLines) {
                Line(Shade, R.Left, R.Bottom - 1, R.Right - 1, R.Bottom - 1);
                Line(plat::clWhite, R.Right, R.Top, R.Left, R.Top);
                Canvas.LineTo(R.Left, R.Bottom - 1);
            }
            if (VertLines) {
                Line(Shade, R.Right - 2, R.Top, R.Right - 2, R.Bottom);
                Line(plat::clWhite, R.Right - 1, R.Top, R.Right - 1, R.Bottom);
            }
            break;
        default:
            break;
        }
    }
    // Right fixed columns of a flat grid stand apart by their own lines.
    const bool RightFixed = P.RealCol >= FHost.ColCount() - FHost.FixedRightCols() + FHost.NumHiddenColumns();
    if (RightFixed && Look().GetLook() != glClassic && Look().GetFlat()) {
        const plat::TColor Color = 0x808080;
        if (HorzLines) {
            Line(Color, R.Left - 1, R.Top - 1, R.Right + 1, R.Top - 1);
            Line(Color, R.Left - 1, R.Bottom, R.Right + 1, R.Bottom);
        }
        if (VertLines) {
            Line(Color, R.Left - 1, R.Top - 1, R.Left - 1, R.Bottom + 1);
            Line(Color, R.Right, R.Top - 1, R.Right, R.Bottom + 1);
        }
    }
}

void TCellPainter::PaintFocusRect(TCellPaintContext& P)
{
    if (Look().GetHideFocusRect() || !FHost.HasFocus() || FHost.Options().Contains(plat::goRowSelect))
        return;
    const plat::TPoint Base = FHost.BaseCell(P.RealCol, P.Row);
    if (Base.X != FHost.CurrentCol() || Base.Y != FHost.CurrentRow() || FHost.CurrentCol() < FHost.FixedCols() ||
        FHost.CurrentRow() < FHost.FixedRows())
        return;
    plat::TRect Focus = plat::InflatedRect(P.R, FHost.GridLineWidth() - 1, FHost.GridLineWidth() - 1);
    --Focus.Right;
    --Focus.Bottom;
    P.Canvas.DrawFocusRect(Focus);
}

}  // namespace skelda::grid
