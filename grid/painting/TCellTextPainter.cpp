#include "grid/painting/TCellTextPainter.h"

#include "grid/cells/TCellProperties.h"
#include "grid/drawing/DropDownGradient.h"
#include "grid/drawing/GradientDrawing.h"
#include "grid/drawing/RtfCellDrawing.h"
#include "grid/drawing/TransparentBitmaps.h"
#include "grid/painting/GridMiniHtml.h"
#include "grid/painting/TCellPaintContext.h"
#include "grid/painting/TCellPainterHost.h"
#include "grid/painting/TGridLookSettings.h"
#include "grid/settings/TBackGround.h"
#include "grid/settings/TFilter.h"
#include "grid/settings/TFilterDropDown.h"
#include "grid/settings/TMouseActions.h"
#include "grid/settings/TSortSettings.h"
#include "grid/support/TLineSelection.h"
#include "grid/support/TSortIndexList.h"
#include "grid/text/LinkTexts.h"
#include "grid/text/TRtfReader.h"
#include "grid/text/TextKinds.h"
#include "grid/text/Utf16Text.h"
#include "platform/controls/core/InputQueries.h"
#include "platform/controls/core/VirtualKeys.h"
#include "platform/core/RectOps.h"
#include "platform/core/Utf8.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TPen.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace skelda::grid {

namespace {

constexpr int FilterGlyphWidthPx = 16;

bool IsCheckBoxKind(TCellType Kind)
{
    return Kind == ctCheckBox || Kind == ctDataCheckBox || Kind == ctVirtCheckBox || Kind == ctRowCheckBox ||
           Kind == ctTriStateCheckBox;
}

// Kinds whose cells take the grid-wide background gradient despite a colour of their own.
bool TakesBackgroundGradient(TCellType Kind)
{
    return Kind == ctCheckBox || Kind == ctDataCheckBox || Kind == ctRadio || Kind == ctButton || Kind == ctRadioButton;
}

bool IsPackedWideText(const std::string& Text)
{
    return Text.rfind("|\\", 0) == 0;
}

// A funnel on the fixed colour, the filter glyph of a column without a glyph of its own.
void DrawDefaultFilterGlyph(plat::TCanvas& Canvas, int X, int Y, plat::TColor Background)
{
    Canvas.Brush().SetColor(Background);
    Canvas.FillRect(plat::Bounds(X, Y, FilterGlyphWidthPx, FilterGlyphWidthPx));
    Canvas.Brush().SetColor(plat::clBlack);
    Canvas.Pen().SetColor(plat::clBlack);
    Canvas.Polygon({{X + 3, Y + 4}, {X + 12, Y + 4}, {X + 9, Y + 8}, {X + 9, Y + 12}, {X + 6, Y + 11}, {X + 6, Y + 8}});
}

}  // namespace

void TCellTextPainter::DrawCellText(TCellPaintContext& P)
{
    plat::TCanvas& Canvas = P.Canvas;
    plat::TColor LinkColor = Look().GetURLColor();
    ApplyTextSelectionColors(P, LinkColor);

    std::string Text = FHost.FormattedCellText(P.RealCol, P.Row);
    P.TextKind = GetTextKind(Text, Look().GetEnableHTML());
    if (P.TextKind == tkFormula) {
        const plat::TPoint Base = FHost.BaseCell(P.RealCol, P.Row);
        Text = FHost.RawText(Base.X, Base.Y);
        P.TextKind = GetTextKind(Text, Look().GetEnableHTML());
    }
    // The packed form carries 16-bit characters through a cell; its bytes are not for showing.
    if (IsPackedWideText(Text))
        Text = Utf16ToUtf8(UnpackWideText(Text));
    bool IsPassword = false;
    FHost.QueryPasswordCell(P.RealCol, P.Row, IsPassword);
    if (IsPassword) {
        Text = std::string(plat::Utf8ToCodePoints(Text).size(), Look().GetPasswordChar());
        P.TextKind = tkPlain;
    }

    plat::TRect T = P.R;
    if (P.Fixed) {
        T.Left += FHost.GridLineWidth();
        T.Top += FHost.GridLineWidth();
    }
    if (P.FilterGlyph)
        DrawFilterGlyph(P, T);
    RestoreDisjunctColors(P, LinkColor);
    DrawCellBackground(P, T);
    DrawSelectionRectangle(P, T);
    if (!P.Layout.TextDrawn)
        return;

    if (!Look().GetXYOffsetTopLeftOnly())
        T.Right -= Look().GetXYOffset().X;
    T.Left += Look().GetXYOffset().X;
    T.Top += Look().GetXYOffset().Y;
    const TCellGraphicLayout& Layout = P.Layout;
    if (Layout.HAlign == haBeforeText)
        T.Left += Layout.WidthPx;
    else if (Layout.HAlign == haAfterText)
        T.Right -= Layout.WidthPx;
    if (Layout.VAlign == vaAboveText)
        T.Top += Layout.HeightPx;
    else if (Layout.VAlign == vaUnderText)
        T.Bottom -= Layout.HeightPx;
    const bool ObjectLeftOfText = Layout.HAlign == haLeft ||
                                  (Layout.HAlign == haBeforeText && P.Visual.HAlign == plat::taLeftJustify);
    const int SortObjectOffset = ObjectLeftOfText ? Layout.WidthPx : 0;
    const bool SortGlyph = IsSortGlyphCell(P.RealCol, P.Row);

    switch (P.TextKind) {
    case tkHtml:
        if (P.FilterGlyph)
            T.Right -= 18;
        T.Left -= 1;
        if (SortGlyph)
            T.Right -= 10;
        P.TextWidthPx = DrawGridHtml(Canvas, Text, T, HtmlRoles(P, LinkColor)) + 2;
        if (SortGlyph)
            DrawSortIndicator(Canvas, P.RealCol, SortGlyphY(P, T), T.Right + 2);
        break;
    case tkRtf:
        Canvas.Pen().SetColor(Canvas.Brush().GetColor());
        if (!(P.State.Contains(plat::gdSelected) && !FHost.HasFocus() && Look().GetSelectionColor() == plat::clNone))
            Canvas.FillRect(T);
        DrawRtfText(Canvas, TRtfReader::Read(Text), T);
        Canvas.Brush().SetStyle(plat::bsSolid);
        Canvas.Font().SetColor(plat::clBlack);
        break;
    default:
        DrawPlainText(P, T, std::move(Text), LinkColor, SortObjectOffset, SortGlyph);
        break;
    }
}

TGridHtmlRoles TCellTextPainter::HtmlRoles(const TCellPaintContext& P, plat::TColor LinkColor)
{
    TGridHtmlRoles roles = FHost.HtmlRoles(P.DisplCol, P.Row);
    roles.LinkColor = LinkColor;
    roles.CellTopLeft = {P.R.Left, P.R.Top};
    roles.EnhTextSize = Look().GetEnhTextSize();
    return roles;
}

void TCellTextPainter::ApplyTextSelectionColors(TCellPaintContext& P, plat::TColor& LinkColor)
{
    const plat::TGridRect Selection = FHost.Selection();
    const bool RowSelected = FHost.Options().Contains(plat::goRowSelect) && P.Row >= Selection.Top &&
                             P.Row <= Selection.Bottom && P.DisplCol >= FHost.FixedCols() &&
                             P.DisplCol < FHost.ColCount() - FHost.FixedRightCols();
    if (!(P.State.Contains(plat::gdSelected) || RowSelected) || P.Fixed)
        return;
    if (Look().GetShowSelection()) {
        if (Look().GetSelectionColor() != plat::clNone)
            P.Canvas.Brush().SetColor(Look().GetSelectionColor());
        if (Look().GetSelectionTextColor() != plat::clNone) {
            P.Canvas.Font().SetColor(Look().GetSelectionTextColor());
            LinkColor = Look().GetSelectionTextColor();
        }
    }
    const bool CheckBox = P.Layout.Object && IsCheckBoxKind(P.Layout.Object->GetCellType());
    if ((!FHost.HasFocus() || CheckBox) && !Look().GetShowSelection()) {
        P.Canvas.Brush().SetColor(P.SavedBrushColor);
        P.Canvas.Font().SetColor(P.SavedFontColor);
        LinkColor = Look().GetURLColor();
    }
}

// Cells outside a disjunct row or column selection show their own colours again.
void TCellTextPainter::RestoreDisjunctColors(TCellPaintContext& P, plat::TColor& LinkColor)
{
    if (P.Fixed || plat::GetKeyState(plat::VK_LBUTTON) < 0)
        return;
    const TMouseActions& Mouse = FSettings.MouseActions;
    if (!((Mouse.GetDisjunctRowSelect() && !FSettings.RowSelection.IsSelected(P.Row)) ||
          (Mouse.GetDisjunctColSelect() && !FSettings.ColSelection.IsSelected(P.RealCol))))
        return;
    LinkColor = Look().GetURLColor();
    plat::TFont& CellFont = P.Canvas.Font();
    P.Canvas.Brush().SetColor(FHost.GridColor());
    CellFont.SetColor(FHost.GridFont().GetColor());
    // The zoom is taken off first so that a font the owner leaves alone does not grow twice.
    CellFont.SetSize(CellFont.GetSize() - Look().GetZoomFactor());
    FHost.QueryCellColor(P.RealCol, P.Row, CellFont, P.Canvas.Brush(), P.State);
    CellFont.SetSize(CellFont.GetSize() + Look().GetZoomFactor());
}

void TCellTextPainter::DrawFilterGlyph(TCellPaintContext& P, const plat::TRect& T)
{
    const plat::TBitmap& Glyph = FSettings.Filter.HasFilter(P.RealCol) ? FSettings.FilterDropDown.GlyphActive()
                                                                       : FSettings.FilterDropDown.Glyph();
    const int X = P.R.Right - FilterGlyphWidthPx;
    if (Glyph.GetEmpty())
        DrawDefaultFilterGlyph(P.Canvas, X, T.Top, FHost.FixedColor());
    else
        DrawBitmapAutoTransparent(P.Canvas, X, T.Top, Glyph);
}

void TCellTextPainter::DrawCellBackground(TCellPaintContext& P, const plat::TRect& T)
{
    const TBackGround& Back = FSettings.BackGround;
    const bool ClassMatches = P.State.Contains(plat::gdFixed) ? Back.GetCells() != bcNormal
                                                              : Back.GetCells() != bcFixed;
    if (!ClassMatches)
        return;
    const bool Selected = P.State.Contains(plat::gdSelected);
    const int LineWidth = FHost.GridLineWidth();
    const TCellProperties* Record = FHost.CellRecord(P.RealCol, P.Row);
    const bool OwnColor = Record && Record->GetBrushColor() != plat::clNone;
    P.Canvas.SetBkMode(plat::TRANSPARENT);
    if (!Back.Bitmap().GetEmpty() && !OwnColor && !(Look().GetShowSelection() && Selected)) {
        const plat::TRect B = plat::MovedRect(T, 1 - LineWidth, 1 - LineWidth);
        if (Back.GetDisplay() == bdTile)
            DrawCellTiles(P, B);
        else
            DrawCellPicture(P.Canvas, B);
    }
    const bool GradientDisplay = Back.GetDisplay() == bdGradientHorz || Back.GetDisplay() == bdGradientVert;
    const bool GradientKind = P.Layout.Object && TakesBackgroundGradient(P.Layout.Object->GetCellType());
    const bool Focus = P.State.Contains(plat::gdFocused);
    const bool PaintedSelected = (Selected && !Focus) || (Focus && FHost.Options().Contains(plat::goDrawFocusSelected));
    if (GradientDisplay && (!OwnColor || GradientKind) && (!PaintedSelected || !Look().GetShowSelection()))
        DrawCellGradient(P.Canvas, {T.Left - 1, T.Top - LineWidth, T.Right, T.Bottom + LineWidth - 1});
}

// The part of the picture under B, the picture standing at (BackGround.Left, BackGround.Top).
void TCellTextPainter::DrawCellPicture(plat::TCanvas& Canvas, const plat::TRect& B)
{
    plat::TBitmap& Picture = FSettings.BackGround.Bitmap();
    const int Left = FSettings.BackGround.GetLeft();
    const int Top = FSettings.BackGround.GetTop();
    const plat::TRect Dest = plat::IntersectedRect(B, plat::Bounds(Left, Top, Picture.GetWidth(), Picture.GetHeight()));
    if (Dest.IsEmpty())
        return;
    Canvas.CopyRect(Dest, Picture.Canvas(), plat::MovedRect(Dest, -Left, -Top));
}

// Tiles continue from cell to cell: the offset into the picture is the pixel distance from the
// tiling's first cell, taken from the grid's position sums rather than a walk over the lines.
void TCellTextPainter::DrawCellTiles(TCellPaintContext& P, const plat::TRect& B)
{
    plat::TBitmap& Picture = FSettings.BackGround.Bitmap();
    const int WidthPx = Picture.GetWidth();
    const int HeightPx = Picture.GetHeight();
    const bool FromFirst = FSettings.BackGround.GetCells() != bcNormal;
    const int OriginCol = FromFirst ? 0 : FHost.FixedCols();
    const int OriginRow = FromFirst ? 0 : FHost.FixedRows();
    const auto Offset = [](std::int64_t DistancePx, int SizePx) {
        return static_cast<int>(((DistancePx % SizePx) + SizePx) % SizePx);
    };
    const int FirstX = Offset(FHost.ColPosition(P.DisplCol) - FHost.ColPosition(OriginCol), WidthPx);
    const int FirstY = Offset(FHost.RowPosition(P.Row) - FHost.RowPosition(OriginRow), HeightPx);
    int SourceY = FirstY;
    for (int Y = B.Top - 1; Y < B.Bottom;) {
        const int TileHeight = std::min(HeightPx - SourceY, B.Bottom - Y);
        int SourceX = FirstX;
        for (int X = B.Left - 1; X < B.Right;) {
            const int TileWidth = std::min(WidthPx - SourceX, B.Right - X);
            P.Canvas.CopyRect(plat::Bounds(X, Y, TileWidth, TileHeight), Picture.Canvas(),
                              plat::Bounds(SourceX, SourceY, TileWidth, TileHeight));
            X += TileWidth;
            SourceX = 0;
        }
        Y += TileHeight;
        SourceY = 0;
    }
}

// One gradient across the whole control: each cell takes the stretch of it under B.
void TCellTextPainter::DrawCellGradient(plat::TCanvas& Canvas, const plat::TRect& B)
{
    const bool Horizontal = FSettings.BackGround.GetDisplay() == bdGradientHorz;
    const int ExtentPx = Horizontal ? FHost.ClientWidth() : FHost.ClientHeight();
    const plat::TColor From = FSettings.BackGround.GetColor();
    const plat::TColor To = FSettings.BackGround.GetColorTo();
    const plat::TColor Near = GradientColorAt(From, To, 0, Horizontal ? B.Left : B.Top, ExtentPx);
    const plat::TColor Far = GradientColorAt(From, To, 0, Horizontal ? B.Right : B.Bottom, ExtentPx);
    Canvas.Brush().SetColor(Far);
    Canvas.Pen().SetColor(Far);
    DrawDropDownGradient(Canvas, Near, Far, Horizontal, B, 128);
}

void TCellTextPainter::DrawSelectionRectangle(TCellPaintContext& P, const plat::TRect& T)
{
    plat::TGridRect Selection = FHost.Selection();
    if (!Look().GetSelectionRectangle() || P.Fixed || !Selection.Contains(P.DisplCol, P.Row))
        return;
    if (FHost.IsMergedCell(P.RealCol, P.Row)) {
        const plat::TPoint Base = FHost.BaseCell(Selection.Left, Selection.Top);
        Selection = {Base.X, Base.Y, Base.X, Base.Y};
    }
    plat::TCanvas& Canvas = P.Canvas;
    const int G = FHost.GridLineWidth();
    const bool RightCol = P.DisplCol == Selection.Right;
    const int EndX = RightCol ? T.Right - 1 : T.Right;
    Canvas.Pen().SetColor(Look().GetSelectionRectangleColor());
    Canvas.Pen().SetWidth(2);
    const auto Line = [&Canvas](int X1, int Y1, int X2, int Y2) {
        Canvas.MoveTo(X1, Y1);
        Canvas.LineTo(X2, Y2);
    };
    if (P.DisplCol == Selection.Left)
        Line(T.Left - G + 1, T.Bottom, T.Left - G + 1, T.Top - G);
    if (RightCol)
        Line(T.Right - 1, T.Bottom, T.Right - 1, T.Top - G);
    if (P.Row == Selection.Top)
        Line(T.Left - G, T.Top - G + 1, EndX, T.Top - G + 1);
    if (P.Row == Selection.Bottom)
        Line(T.Left - G, T.Bottom, EndX, T.Bottom);
    if (Look().GetSelectionResizer() && RightCol && P.Row == Selection.Bottom) {
        const plat::TColor Brush = Canvas.Brush().GetColor();
        const plat::TRect Cell = FHost.CellRect(P.DisplCol, P.Row);
        Canvas.Brush().SetColor(Look().GetSelectionRectangleColor());
        Canvas.FillRect({T.Right - 4, T.Bottom - 4, Cell.Right, Cell.Bottom});
        Canvas.Brush().SetColor(Brush);
    }
    Canvas.Pen().SetWidth(1);
}

void TCellTextPainter::DrawPlainText(TCellPaintContext& P, plat::TRect T, std::string Text, plat::TColor LinkColor,
                                     int SortObjectOffset, bool SortGlyph)
{
    plat::TCanvas& Canvas = P.Canvas;
    const TSortSettings& Sort = FSettings.Sort;
    const plat::TAlignment HAlign = P.Visual.HAlign;
    if (HAlign == plat::taCenter && P.Row == Sort.GetRow() && Sort.GetShow() && P.RealCol == Sort.GetColumn())
        T.Left += 10;

    const plat::TFontStyles Style = Canvas.Font().GetStyle();
    const plat::TPoint Base = FHost.BaseCell(P.RealCol, P.Row);
    const bool Link = Look().GetURLShow() && IsURL(FHost.RawText(Base.X, Base.Y));
    if (Link) {
        if (!Look().GetURLFull())
            StripURLProtocol(Text);
        Canvas.Font().SetStyle(plat::TFontStyles(Style).Include(plat::fsUnderline));
        Canvas.Font().SetColor(LinkColor);
    }

    const std::size_t LineEnd = Text.find_first_of("\r\n");
    const bool Wrap = P.Visual.WordWrap;
    unsigned LineFlag = plat::DT_EDITCONTROL;
    if (!((Look().GetMultilinecells() && LineEnd != std::string::npos) || Wrap)) {
        if (LineEnd != std::string::npos)
            Text.erase(LineEnd);
        LineFlag = plat::DT_SINGLELINE | (Look().GetEnhTextSize() ? plat::DT_END_ELLIPSIS : 0u);
    }
    if (Wrap && !Look().GetMultilinecells() && Look().GetEnhTextSize())
        LineFlag |= plat::DT_END_ELLIPSIS;
    const unsigned VFlag = P.Visual.VAlign == vtaCenter   ? plat::DT_VCENTER
                           : P.Visual.VAlign == vtaBottom ? plat::DT_BOTTOM
                                                          : 0u;
    const unsigned HFlag = HAlign == plat::taRightJustify ? plat::DT_RIGHT
                           : HAlign == plat::taCenter     ? plat::DT_CENTER
                                                          : 0u;
    const unsigned Format = VFlag | LineFlag | plat::DT_NOPREFIX | plat::DT_EXPANDTABS | HFlag |
                            (Wrap || Look().GetMultilinecells() ? plat::DT_EDITCONTROL | plat::DT_WORDBREAK
                                                                : plat::DT_SINGLELINE);

    Canvas.SetBkMode(plat::TRANSPARENT);
    if (P.FilterGlyph)
        T.Right -= FilterGlyphWidthPx;
    if (P.Layout.Object && !Text.empty()) {
        plat::TRect Measured = T;
        Canvas.DrawText(Text, Measured, Format | plat::DT_CALCRECT);
        P.TextWidthPx = Measured.Width() + 2;
    }
    Canvas.DrawText(Text, T, Format);
    P.TextHeightPx = Canvas.TextHeight("hg");

    if (SortGlyph) {
        T = P.R;
        if (P.FilterGlyph)
            T.Right -= FilterGlyphWidthPx;
        const int K = std::max(0, std::min(Canvas.TextWidth(Text), T.Width() - 16));
        const int X = HAlign == plat::taRightJustify ? T.Right - K - 10
                      : HAlign == plat::taCenter     ? T.Left + 8
                                                     : T.Left + K + SortObjectOffset + 10;
        DrawSortIndicator(Canvas, P.RealCol, SortGlyphY(P, T), X);
    }
    if (Link)
        Canvas.Font().SetStyle(Style);
}

int TCellTextPainter::SortGlyphY(const TCellPaintContext& P, const plat::TRect& T) const
{
    switch (P.Visual.VAlign) {
    case vtaCenter:
        return T.Top + (T.Bottom - T.Top) / 2;
    case vtaBottom:
        return T.Bottom - 8;
    default:
        return T.Top + 8;
    }
}

// A merged block counts with its last row.
bool TCellTextPainter::IsSortGlyphCell(int ACol, int ARow)
{
    const TSortSettings& Sort = FSettings.Sort;
    const int Row = FHost.FullCell(ACol, ARow).Bottom;
    if (Row != Sort.GetRow() || !Sort.GetShow() || FHost.FixedRows() == 0 || FHost.RowCount() <= FHost.FixedRows() + 1)
        return false;
    const int Position = FSettings.SortIndexes.FindIndex(ACol);
    if (ACol != Sort.GetColumn() && Position < 0)
        return false;
    if (ACol < FHost.FixedCols() && !Sort.GetFixedCols())
        return false;
    return Position < 1 || Sort.GetIndexShow();
}

void TCellTextPainter::DrawSortIndicator(plat::TCanvas& Canvas, int ACol, int Y, int X)
{
    const TSortSettings& Sort = FSettings.Sort;
    const int Position = FSettings.SortIndexes.FindIndex(ACol);
    if (Sort.GetIndexShow() && Position >= 0) {
        Canvas.Brush().SetColor(Sort.GetIndexColor());
        Canvas.SetBkMode(plat::TRANSPARENT);
        Canvas.Font().SetColor(plat::clBlack);
        Canvas.Font().SetSize(6);
        const bool Glyphs = !Sort.IndexUpGlyph().GetEmpty() && !Sort.IndexDownGlyph().GetEmpty();
        const std::string Number = std::to_string(Position + 1);
        if (FSettings.SortIndexes.GetValue(Position) < 0) {
            if (Glyphs)
                DrawBitmapAutoTransparent(Canvas, X - 7, Y - 7, Sort.IndexUpGlyph());
            else
                Canvas.Polygon({{X - 7, Y - 5}, {X + 7, Y - 5}, {X, Y + 8}});
            Canvas.TextOut(X - 2, Y - 4, Number);
        } else {
            if (Glyphs)
                DrawBitmapAutoTransparent(Canvas, X - 7, Y - 7, Sort.IndexDownGlyph());
            else
                Canvas.Polygon({{X - 6, Y + 8}, {X + 6, Y + 8}, {X, Y - 4}});
            Canvas.TextOut(X - 2, Y - 2, Number);
        }
        return;
    }
    const bool Glyphs = !Sort.UpGlyph().GetEmpty() && !Sort.DownGlyph().GetEmpty();
    const auto Line = [&Canvas](plat::TColor Color, int ToX, int ToY) {
        Canvas.Pen().SetColor(Color);
        Canvas.LineTo(ToX, ToY);
    };
    const plat::TColor Grey = 0x808080;
    if (Sort.GetDirection() == sdDescending) {
        if (Glyphs) {
            DrawBitmapAutoTransparent(Canvas, X - 4, Y - 4, Sort.DownGlyph());
        } else {
            Canvas.MoveTo(X + 4, Y - 4);
            Line(plat::clWhite, X, Y + 4);
            Line(Grey, X - 4, Y - 4);
            Line(Grey, X + 4, Y - 4);
        }
    } else if (Glyphs) {
        DrawBitmapAutoTransparent(Canvas, X - 4, Y - 4, Sort.UpGlyph());
    } else {
        Canvas.MoveTo(X - 4, Y + 4);
        Line(plat::clWhite, X + 4, Y + 4);
        Line(plat::clWhite, X, Y - 4);
        Line(Grey, X - 4, Y + 4);
    }
    Canvas.Pen().SetColor(plat::clBlack);
}

}  // namespace skelda::grid
