// The string grid's cell painting: the look of a cell (GetVisualProperties and the queries
// around it) and the content painter the base grid calls inside a cell's grid lines. The text
// stage lives in TVezEzuzorEvadCellText.cpp.

#include "grid/model/TVezEzuzorEvad.h"

#include "foundation/ColorTones.h"
#include "grid/drawing/CellButtonDrawing.h"
#include "grid/drawing/ColorRoutines.h"
#include "grid/drawing/DrawingBasics.h"
#include "grid/drawing/GradientDrawing.h"
#include "grid/drawing/TransparentBitmaps.h"
#include "grid/painting/TCellPaintContext.h"
#include "grid/settings/TBands.h"
#include "grid/settings/TControlLook.h"
#include "grid/settings/TMouseActions.h"
#include "grid/settings/TPrintSettings.h"
#include "grid/settings/TShowModified.h"
#include "grid/settings/TSortSettings.h"
#include "grid/support/TCellSelection.h"
#include "grid/support/TLineSelection.h"
#include "grid/text/NumberTexts.h"
#include "grid/text/TextKinds.h"
#include "grid/text/TextTrim.h"
#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/services/InputState.h"
#include "platform/core/Exception.h"
#include "platform/core/Format.h"
#include "platform/core/RectOps.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TPen.h"
#include "platform/system/Conversions.h"
#include "platform/system/MathRoutines.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace skelda::grid {

namespace {

constexpr int InCellButtonWidthPx = 16;

void ApplyRecordFont(const TCellProperties& Record, plat::TFont& Font)
{
    if (Record.GetFontColor() != plat::clNone)
        Font.SetColor(Record.GetFontColor());
    if (!Record.GetFontStyle().Empty())
        Font.SetStyle(Record.GetFontStyle());
    if (Record.GetFontSize() != 0)
        Font.SetSize(Record.GetFontSize());
    if (!Record.GetFontName().empty())
        Font.SetName(Record.GetFontName());
}

bool IsNumberClass(TNumberTextClass Class)
{
    return Class == ncInteger || Class == ncNumber || Class == ncExponent;
}

// A cell value as the typed readers take it: empty or "-" is 0.
bool ReadCellInt(std::string_view Text, int& Value)
{
    Text = TrimText(Text);
    if (Text.empty() || Text == "-") {
        Value = 0;
        return true;
    }
    return TryTextToInt(Text, Value);
}

bool ReadCellFloat(std::string_view Text, double& Value)
{
    const std::string Number = NormalizeNumberText(Text);
    if (Number.empty() || Number == "-") {
        Value = 0;
        return true;
    }
    plat::TFormatSettings PointDecimal;
    PointDecimal.DecimalSeparator = '.';
    return plat::TryStrToFloat(Number, Value, PointDecimal);
}

bool MouseButtonDown()
{
    return plat::GetKeyState(plat::VK_LBUTTON) < 0;
}

}  // namespace

// ---- Settings --------------------------------------------------------------------------------

void TVezEzuzorEvad::SetMultilinecells(bool Value)
{
    RepaintIfChanged(std::exchange(FMultilinecells, Value) != Value);
}

void TVezEzuzorEvad::SetEnhTextSize(bool Value)
{
    RepaintIfChanged(std::exchange(FEnhTextSize, Value) != Value);
}

void TVezEzuzorEvad::SetURLShow(bool Value)
{
    RepaintIfChanged(std::exchange(FURLShow, Value) != Value);
}

void TVezEzuzorEvad::SetURLFull(bool Value)
{
    RepaintIfChanged(std::exchange(FURLFull, Value) != Value && FURLShow);
}

void TVezEzuzorEvad::SetXYOffsetTopLeftOnly(bool Value)
{
    RepaintIfChanged(std::exchange(FXYOffsetTopLeftOnly, Value) != Value);
}

void TVezEzuzorEvad::SetHideFocusRect(bool Value)
{
    RepaintIfChanged(std::exchange(FHideFocusRect, Value) != Value);
}

void TVezEzuzorEvad::SetNoDefaultDraw(bool Value)
{
    RepaintIfChanged(std::exchange(FNoDefaultDraw, Value) != Value);
}

void TVezEzuzorEvad::SetNoImageAndText(bool Value)
{
    RepaintIfChanged(std::exchange(FNoImageAndText, Value) != Value);
}

void TVezEzuzorEvad::SetSelectionRectangleColor(plat::TColor Value)
{
    RepaintIfChanged(std::exchange(FSelectionRectangleColor, Value) != Value);
}

void TVezEzuzorEvad::SetFilterDropDownRow(int Value)
{
    if (Value < 0 || Value >= GetFixedRows())
        return;
    RepaintIfChanged(std::exchange(FFilterDropDownRow, Value) != Value);
}

void TVezEzuzorEvad::SetFixedCellHover(const TFixedCellHover& Value)
{
    if (Value == FFixedCellHover)
        return;
    const TFixedCellHover Old = std::exchange(FFixedCellHover, Value);
    for (const TFixedCellHover& Hover : {Old, Value}) {
        if (Hover.Col >= 0 && Hover.Row >= 0)
            RepaintCell(Hover.Col, Hover.Row);
        if (Hover.MovingCol >= 0)
            RepaintCol(Hover.MovingCol);
    }
}

bool TVezEzuzorEvad::IsHoverFixedCell(int ACol, int ARow) const
{
    const bool InFixedCols = ACol >= 0 && ACol < GetFixedCols();
    const bool InFixedRows = ARow >= 0 && ARow < GetFixedRows();
    switch (FHoverFixedCells) {
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

bool TVezEzuzorEvad::CanShowFixedDropDown(int ACol)
{
    bool Allow = true;
    if (OnCanShowFixedDropDown)
        OnCanShowFixedDropDown(this, ACol, Allow);
    return Allow;
}

// ---- Colours ---------------------------------------------------------------------------------

plat::TColor TVezEzuzorEvad::BlendColor(plat::TColor Color1, plat::TColor Color2, int Percent)
{
    if (Percent >= 100)
        return Color1;
    if (Percent < 1 || Color1 == plat::clNone)
        return Color2;
    if (Color2 == plat::clNone)
        return Color1;
    const plat::TColor C1 = plat::ColorToRGB(Color1);
    const plat::TColor C2 = plat::ColorToRGB(Color2);
    const auto Mix = [Percent](int A, int B) {
        const auto Value = plat::Round((Percent * A + (100 - Percent) * B) / 100.0);
        return static_cast<int>(std::min<std::int64_t>(Value, 255));
    };
    return plat::RGB(Mix(plat::GetRValue(C1), plat::GetRValue(C2)), Mix(plat::GetGValue(C1), plat::GetGValue(C2)),
                     Mix(plat::GetBValue(C1), plat::GetBValue(C2)));
}

plat::TColor TVezEzuzorEvad::BlendSelectionColor(plat::TColor Color1, plat::TColor Color2, bool Mixer, int Percent)
{
    return Mixer ? BlendColor(Color1, Color2, Percent) : Color1;
}

// ---- The look of a cell ----------------------------------------------------------------------

// Later steps override earlier ones: the record, the grid colour with banding, the fixed look,
// the owner's colour and gradient, then the selection.
void TVezEzuzorEvad::GetVisualProperties(int ACol, int ARow, TCellVisualProperties& Visual, plat::TFont& AFont,
                                         plat::TBrush& ABrush, bool, bool WithSelection, bool Print,
                                         plat::TGridDrawState& AState)
{
    const int FixedCols = GetFixedCols();
    const int FixedRows = GetFixedRows();
    const bool Normal = ACol >= FixedCols && ARow >= FixedRows;
    const bool PrintFonts = Print && !FPrintSettings->GetUseDisplayFont();
    if (Normal)
        AFont.Assign(PrintFonts ? FPrintSettings->Font() : Font());
    else
        AFont.Assign(PrintFonts ? FPrintSettings->FixedFont() : *FFixedFont);

    ABrush.SetColor(plat::clNone);
    Visual.ColorTo = plat::clNone;
    Visual.MirrorColor = plat::clNone;
    Visual.MirrorColorTo = plat::clNone;
    Visual.GradientDirection = GradientVertical;
    Visual.WordWrap = FOwnWordWrap;

    bool OwnColor = false;
    if (const TCellProperties* Record = HasCellProperties(ACol, ARow) ? FindCellProperties(ACol, ARow) : nullptr) {
        ABrush.SetColor(Record->GetBrushColor());
        const TCellType Kind = GetCellType(ACol, ARow);
        OwnColor = Record->GetBrushColor() != plat::clNone && (Kind == ctNone || Kind == ctRotated || Kind == ctEmpty);
        ApplyRecordFont(*Record, AFont);
        Visual.WordWrap = Record->GetWordWrap();
        Visual.ColorTo = Record->GetBrushColorTo();
        Visual.GradientDirection = Record->GetGradientDirection();
    }
    if (AState.Contains(plat::gdSelected))
        Visual.GradientDirection = GradientVertical;

    if (ABrush.GetColor() == plat::clNone) {
        ABrush.SetColor(GetColor());
        const int FirstRightFixed = GetColCount() - FFixedRightCols + NumHiddenColumns();
        const int FirstFooter = GetRowCount() - FFixedFooters;
        const bool Banded = Normal && ACol < FirstRightFixed && ARow < FirstFooter;
        if (Banded && FBands->GetActive() && (!Print || FBands->GetPrint()) && FBands->GetTotalLength() >= 1) {
            const bool Primary = (ARow - FixedRows) % FBands->GetTotalLength() < FBands->GetPrimaryLength();
            ABrush.SetColor(Primary ? FBands->GetPrimaryColor() : FBands->GetSecondaryColor());
        }
        if (!Banded)
            ABrush.SetColor(GetFixedColor());
    }

    const bool Fixed = IsFixed(ACol, ARow) || ACol < FixedCols || ARow < FixedRows;
    if (Fixed && !OwnColor && !Print) {
        ABrush.SetColor(GetFixedColor());
        AFont.Assign(*FFixedFont);
        AState.Include(plat::gdFixed);
        // A look without a fixed gradient keeps the plain fixed colour.
        if (FLook > glClassic && FZORGradientFrom != plat::clNone) {
            ABrush.SetColor(FZORGradientFrom);
            Visual.ColorTo = FZORGradientTo;
            Visual.MirrorColor = FZORGradientMirrorFrom;
            Visual.MirrorColorTo = FZORGradientMirrorTo;
        }
    }

    if (Print)
        GetCellPrintColor(ACol, ARow, AFont, ABrush, AState);
    else
        QueryCellColor(ACol, ARow, AFont, ABrush, AState);

    if (OnGetCellGradient) {
        plat::TColor Color = ABrush.GetColor();
        OnGetCellGradient(this, ARow, ACol, Color, Visual.ColorTo, Visual.MirrorColor, Visual.MirrorColorTo,
                          Visual.GradientDirection);
        ABrush.SetColor(Color);
    }

    const plat::TColor UnselectedBrush = ABrush.GetColor();
    const plat::TColor UnselectedFont = AFont.GetColor();
    const TMouseActions& Mouse = *FMouseActions;
    const bool MouseDown = MouseButtonDown();
    const bool Selectable = WithSelection && !Print && FShowSelection && Normal && !Fixed;

    if (Selectable && Mouse.GetDisjunctRowSelect()) {
        const bool RowSelected = FRowSelection->IsSelected(ARow);
        if (!RowSelected || (ARow == GetRow() && MouseDown)) {
            if (!(MouseDown && !RowSelected && AState.Contains(plat::gdSelected)))
                AState.Exclude(plat::gdSelected);
        } else {
            AState = plat::TGridDrawState{plat::gdSelected};
            ApplySelection(Visual, AFont, ABrush, AState, FSelectionColor);
        }
    }
    if (Selectable && Mouse.GetDisjunctColSelect()) {
        const bool ColSelected = FColSelection->IsSelected(ACol);
        if ((ColSelected && !(ACol == GetCol() && MouseDown)) ||
            (!ColSelected && MouseDown && AState.Contains(plat::gdSelected)))
            ApplySelection(Visual, AFont, ABrush, AState, FSelectionColor);
        else
            AState.Exclude(plat::gdSelected);
    }

    const bool InRange = !Mouse.GetDisjunctCellSelect() && GetSelection().Contains(ACol, ARow);
    if ((Selectable && InRange && !Mouse.GetDisjunctRowSelect() && !Mouse.GetDisjunctColSelect()) ||
        (AState.Contains(plat::gdSelected) && MouseDown && FShowSelection)) {
        const plat::TColor Brush =
            ABrush.GetColor() == GetColor()
                ? FSelectionColor
                : BlendSelectionColor(FSelectionColor, ABrush.GetColor(), FSelectionColorMixer,
                                      FSelectionColorMixerFactor);
        ApplySelection(Visual, AFont, ABrush, AState, Brush);
    }

    if (Mouse.GetDisjunctCellSelect() && FShowSelection) {
        if (FSelectedCells->Contains(ACol, ARow)) {
            ApplySelection(Visual, AFont, ABrush, AState, FSelectionColor);
        } else if (ACol == GetCol() && ARow == GetRow()) {
            AState.Exclude(plat::gdSelected);
            ABrush.SetColor(UnselectedBrush);
            AFont.SetColor(UnselectedFont);
        }
    }

    if (FUseDisabledFont && !GetEnabled())
        AFont.SetColor(FDisabledFontColor);

    GetCellWordWrap(ACol, ARow, Visual.WordWrap);
    GetCellAlignment(ACol, ARow, Visual.HAlign, Visual.VAlign);
}

void TVezEzuzorEvad::ApplySelection(TCellVisualProperties& Visual, plat::TFont& AFont, plat::TBrush& ABrush,
                                    plat::TGridDrawState& AState, plat::TColor Brush) const
{
    AState.Include(plat::gdSelected);
    ABrush.SetColor(Brush);
    Visual.ColorTo = FSelectionColorTo;
    Visual.MirrorColor = FSelectionMirrorColor;
    Visual.MirrorColorTo = FSelectionMirrorColorTo;
    if (FSelectionTextColor != plat::clNone)
        AFont.SetColor(FSelectionTextColor);
}

void TVezEzuzorEvad::GetCellAlignment(int ACol, int ARow, plat::TAlignment& HAlign, TVAlignment& VAlign)
{
    HAlign = FDefaultAlignment;
    VAlign = FVAlignment;
    if (FAutoNumAlign) {
        const std::string Text = GetCellText(ACol, ARow);
        if (GetTextKind(Text, false) != tkFormula && IsNumberClass(ClassifyNumberText(TrimText(Text))))
            HAlign = plat::taRightJustify;
    }
    if (const TCellProperties* Record = HasCellProperties(ACol, ARow) ? FindCellProperties(ACol, ARow) : nullptr) {
        const plat::TPoint Base = BaseCell(ACol, ARow);
        if (GetTextKind(GetRawCell(Base.X, Base.Y), false) != tkFormula) {
            HAlign = Record->GetAlignment();
            VAlign = Record->GetVAlignment();
        }
    }
    QueryCellAlignment(ACol, ARow, HAlign, VAlign);
}

void TVezEzuzorEvad::GetFontProperties(int ACol, int RCol, int ARow, plat::TBrush& ABrush, plat::TFont& AFont,
                                       plat::TGridDrawState AState)
{
    const bool Fixed = IsFixed(ACol, ARow) || ACol < GetFixedCols() || ARow < GetFixedRows();
    AFont.Assign(Fixed ? *FFixedFont : Font());
    if (const TCellProperties* Record = HasCellProperties(RCol, ARow) ? FindCellProperties(RCol, ARow) : nullptr)
        ApplyRecordFont(*Record, AFont);
    QueryCellColor(RCol, ARow, AFont, ABrush, AState);
}

std::string TVezEzuzorEvad::GetFormattedCellText(int ACol, int ARow)
{
    std::string Text = GetCellText(ACol, ARow);
    // An empty cell or a lone "-" reads as 0 but shows no number.
    const std::string_view Trimmed = TrimText(Text);
    if (!OnGetFloatFormat || Trimmed.empty() || Trimmed == "-" || !IsNumberClass(ClassifyNumberText(Trimmed)))
        return Text;
    bool IsFloat = true;
    std::string FloatFormat = FFloatFormat;
    OnGetFloatFormat(this, ACol, ARow, IsFloat, FloatFormat);
    if (!IsFloat || FloatFormat.empty())
        return Text;
    try {
        if (FloatFormat.find('d') != std::string::npos) {
            int Value = 0;
            return ReadCellInt(Text, Value) ? plat::Format(FloatFormat, {Value}) : Text;
        }
        double Value = 0;
        return ReadCellFloat(Text, Value) ? plat::Format(FloatFormat, {Value}) : Text;
    } catch (const plat::Exception&) {
        return Text;
    }
}

TCellGraphicLayout TVezEzuzorEvad::GetCellGraphicLayout(int ACol, int ARow)
{
    TCellGraphicLayout Layout;
    const auto* Object = dynamic_cast<const TCellGraphic*>(GetGraphicObject(ACol, ARow));
    if (!Object)
        return Layout;
    Layout.Object = Object;
    Layout.HAlign = Object->GetCellHAlign();
    Layout.VAlign = Object->GetCellVAlign();
    const auto SizeOf = [&Layout](const TCellReference& Reference) {
        if (const auto* Graphic = Reference.As<plat::TGraphic>()) {
            Layout.WidthPx = Graphic->GetWidth();
            Layout.HeightPx = Graphic->GetHeight();
        }
    };
    const auto Square = [&Layout](int SidePx) { Layout.WidthPx = Layout.HeightPx = SidePx; };
    // Kinds drawn from an image list take no room: the grid has no image list of its own.
    switch (Object->GetCellType()) {
    case ctBitmap:
    case ctPicture:
    case ctFilePicture:
        SizeOf(Object->CellBitmap());
        break;
    case ctIcon:
        SizeOf(Object->CellIcon());
        break;
    case ctCheckBox:
    case ctTriStateCheckBox:
        Square(FControlLook->GetCheckSize());
        break;
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
        Square(FControlLook->GetCheckSize());
        Layout.TextDrawn = false;
        break;
    case ctDataImage:
    case ctRotated:
    case ctRadio:
    case ctProgress:
    case ctRangeIndicator:
    case ctXPProgress:
        Layout.TextDrawn = false;
        break;
    case ctButton:
    case ctBitButton:
        Layout.WidthPx = Object->GetCellIndex() & 0xFFFF;
        Layout.HeightPx = (Object->GetCellIndex() >> 16) & 0xFFFF;
        break;
    case ctProgressPie:
        Square(20);
        break;
    case ctRadioButton:
        Square(FControlLook->GetRadioSize() + 4);
        break;
    case ctShape:
        Square(GetRowHeights(ARow) - 2 * FXYOffset.Y);
        break;
    case ctRating:
        Layout.WidthPx = 18 * Object->GetCellAngle();
        Layout.HeightPx = 16;
        Layout.TextDrawn = false;
        break;
    default:
        break;
    }
    return Layout;
}

// ---- The content painter ---------------------------------------------------------------------

void TVezEzuzorEvad::DrawCellContent(plat::TCanvas& Canvas, int ACol, int ARow, const plat::TRect& ARect,
                                     plat::TGridDrawState AState)
{
    TCellPaintContext P(Canvas);
    P.DisplCol = ACol;
    P.RealCol = ACol;
    P.Row = ARow;
    P.State = AState;
    P.R = ARect;
    // The filter row is one of the fixed rows.
    if (ARow == FFilterDropDownRow && ARow < GetFixedRows())
        P.FilterGlyph = GetFilterItems(P.RealCol);

    GetVisualProperties(ACol, ARow, P.Visual, Canvas.Font(), Canvas.Brush(), true, false, false, P.State);
    P.Layout = GetCellGraphicLayout(P.RealCol, ARow);
    if (P.State.Contains(plat::gdSelected) && !Focused() && FSelectionColor == plat::clNone)
        Canvas.Brush().SetColor(plat::clHighlight);
    if (FZoomFactor != 0)
        Canvas.Font().SetSize(Canvas.Font().GetSize() + FZoomFactor);
    P.SavedBrushColor = Canvas.Brush().GetColor();
    P.SavedFontColor = Canvas.Font().GetColor();
    P.Fixed = IsFixed(ACol, ARow) || ACol < GetFixedCols() || ARow < GetFixedRows();

    if (P.Fixed && IsGradientLook())
        PaintFixedGradient(P);
    const int LeftBeforeIndicator = P.R.Left;
    PaintRowIndicator(P);
    const bool IndicatorShown = P.R.Left != LeftBeforeIndicator;
    if (P.Fixed && FLook == glListView && !FFlat)
        PaintListViewHeader(P);
    PaintModifiedMarker(P);
    if (OnCustomCellBkgDraw)
        OnCustomCellBkgDraw(this, Canvas, P.RealCol, ARow, P.State, P.R, false);

    const int RightBeforeButtons = P.R.Right;
    if (!P.Fixed)
        PaintEditorButtons(P);

    const bool OwnerDrawsText = FNoDefaultDraw && (OnDrawCell || OnCustomCellDraw);
    if (!(P.Layout.Object && FNoImageAndText) && !OwnerDrawsText)
        DrawCellText(P);

    P.R.Right = RightBeforeButtons;
    Canvas.Brush().SetColor(P.SavedBrushColor);
    Canvas.Font().SetColor(P.SavedFontColor);
    P.R = plat::InflatedRect(P.R, 1, 1);
    DrawCellBorders(P);
    if (IndicatorShown)
        P.R.Left -= FRowIndicator->GetWidth();

    if (P.Fixed)
        PaintFixedEdges(P);
    if (P.Layout.Object)
        PaintCellObject(P);

    if (OnDrawCell) {
        const plat::TRect Owner{P.R.Left + 1, P.R.Top + 1, P.R.Right + 1 - GetGridLineWidth(),
                                P.R.Bottom + 1 - GetGridLineWidth()};
        OnDrawCell(this, P.RealCol, ARow, Owner, P.State);
    }
    if (OnCustomCellDraw)
        OnCustomCellDraw(this, Canvas, P.RealCol, ARow, P.State, P.R, false);
    PaintFocusRect(P);
}

void TVezEzuzorEvad::PaintCellObject(TCellPaintContext&) {}

bool TVezEzuzorEvad::IsGradientLook() const
{
    return FLook == glZOR || FLook == glXP || FLook == glVista || FLook == glWin7 || FLook == glOffice2007;
}

bool TVezEzuzorEvad::IsActiveHeaderCell(int ACol, int ARow) const
{
    return (GetFixedCols() > 0 && ARow == GetRow() && ACol == GetFixedCols() - 1) ||
           (GetFixedRows() > 0 && ACol == GetCol() && ARow == GetFixedRows() - 1);
}

void TVezEzuzorEvad::PaintFixedGradient(TCellPaintContext& P)
{
    const TFixedCellHover& Hover = FFixedCellHover;
    const bool Hovered = IsHoverFixedCell(P.RealCol, P.Row) &&
                         ((Hover.MovingCol < 0 && Hover.Col == P.DisplCol && Hover.Row == P.Row) ||
                          (Hover.MovingCol >= 0 && Hover.MovingCol == P.DisplCol)) &&
                         !ComponentState().Contains(plat::csDesigning);
    if (Hovered) {
        PaintHoveredFixedCell(P);
        return;
    }
    if (FActiveCellShow && IsActiveHeaderCell(P.DisplCol, P.Row)) {
        DrawMirroredGradient(P.Canvas, P.R, FActiveCellColor, true, false, plat::clNone, true, plat::clNone,
                             plat::clNone, FActiveCellColorTo);
        return;
    }
    const TSortSettings& Sort = *FSortSettings;
    const bool SortHeader = Sort.GetColumn() != -1 && Sort.GetHeaderColor() != plat::clNone &&
                            P.RealCol == Sort.GetColumn() && P.Row == GetFixedRows() - 1 &&
                            (P.DisplCol >= GetFixedCols() || Sort.GetFixedCols());
    if (SortHeader) {
        DrawMirroredGradient(P.Canvas, P.R, Sort.GetHeaderColor(), true, false, plat::clNone, true,
                             Sort.GetHeaderMirrorColorTo(), Sort.GetHeaderMirrorColor(), Sort.GetHeaderColorTo());
        return;
    }
    if (!FFlat) {
        const bool Vista = FLook == glVista;
        DrawMirroredGradient(P.Canvas, P.R, P.Canvas.Brush().GetColor(), true, Vista,
                             Vista ? plat::clWhite : plat::clNone, true, P.Visual.MirrorColorTo, P.Visual.MirrorColor,
                             P.Visual.ColorTo);
    }
}

void TVezEzuzorEvad::PaintHoveredFixedCell(TCellPaintContext& P)
{
    const TControlLook& Look = *FControlLook;
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
    if (!(Look.GetFixedDropDownButton() && CanShowFixedDropDown(P.RealCol))) {
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

void TVezEzuzorEvad::PaintRowIndicator(TCellPaintContext& P)
{
    if (P.RealCol != 0 || P.Row != GetRow() || GetFixedCols() == 0 || FRowIndicator->GetEmpty())
        return;
    const int HeightPx = FRowIndicator->GetHeight();
    int Y = P.R.Top;
    if (FVAlignment == vtaCenter)
        Y = P.R.Top + (P.R.Height() - HeightPx) / 2;
    else if (FVAlignment == vtaBottom)
        Y = P.R.Bottom - HeightPx;
    DrawBitmapAutoTransparent(P.Canvas, P.R.Left + 2, Y, *FRowIndicator);
    P.R.Left += FRowIndicator->GetWidth() + 2;
}

// Without a theme binding the header item is drawn as the classic one.
void TVezEzuzorEvad::PaintListViewHeader(TCellPaintContext& P)
{
    P.Canvas.Brush().SetColor(plat::clBtnFace);
    P.Canvas.Pen().SetColor(plat::clWhite);
    P.Canvas.Rectangle(P.R);
}

void TVezEzuzorEvad::PaintModifiedMarker(TCellPaintContext& P)
{
    if (P.DisplCol != 0 || !FShowModified->GetEnabled() || !GetRowModified(P.Row))
        return;
    const plat::TColor Brush = P.Canvas.Brush().GetColor();
    P.Canvas.Brush().SetColor(FShowModified->GetColor());
    P.Canvas.Pen().SetColor(FShowModified->GetColor());
    P.Canvas.Rectangle(P.R.Right - 4, P.R.Top, P.R.Right, P.R.Bottom);
    P.Canvas.Brush().SetColor(Brush);
}

void TVezEzuzorEvad::PaintEditorButtons(TCellPaintContext& P)
{
    const TControlLook& Look = *FControlLook;
    if (!Look.GetDropDownAlwaysVisible() && !Look.GetSpinButtonsAlwaysVisible())
        return;
    const TCellButtonStyle Style = Look.GetFlatButton() ? TCellButtonStyle::Flat
                                   : FIsWinXP            ? TCellButtonStyle::Themed
                                                         : TCellButtonStyle::Classic;
    bool CanEdit = true;
    CanEditCellCheck(P.RealCol, P.Row, CanEdit);
    const TCellButtonState State = CanEdit ? TCellButtonState::Normal : TCellButtonState::Disabled;
    const foundation::TColorTones Tones;
    if (Look.GetDropDownAlwaysVisible() && HasComboBox(P.RealCol, P.Row)) {
        DrawComboButton(P.Canvas, {P.R.Left - 2, P.R.Top - 1, P.R.Right + 1, P.R.Bottom}, Tones, State, Style);
        P.R.Right -= InCellButtonWidthPx;
    }
    if (Look.GetSpinButtonsAlwaysVisible() && HasSpinEdit(P.RealCol, P.Row)) {
        // The buttons take the cell's height from its top edge, as the spin editor does.
        DrawSpinButtons(P.Canvas, plat::MovedRect(P.R, 0, -1), Tones, State, Style);
        P.R.Right -= InCellButtonWidthPx;
    }
}

void TVezEzuzorEvad::DrawCellBorders(TCellPaintContext& P)
{
    plat::TCanvas& Canvas = P.Canvas;
    plat::TPen Saved;
    Saved.Assign(Canvas.Pen());
    TCellBorders Borders;
    GetCellBorder(P.RealCol, P.Row, Borders, Canvas.Pen());
    plat::TPen Left, Top, Right, Bottom;
    for (plat::TPen* Pen : {&Left, &Top, &Right, &Bottom})
        Pen->Assign(Canvas.Pen());
    if (OnGetCellBorderProp)
        OnGetCellBorderProp(this, P.Row, P.RealCol, Left, Top, Right, Bottom);

    const int Half = (Canvas.Pen().GetWidth() + 1) / 2;
    const int Side = GetOptions().Contains(plat::goVertLine) ? Half : 0;
    const int V = GetOptions().Contains(plat::goHorzLine) ? Half : 0;
    const plat::TRect R{P.R.Left + Side, P.R.Top + V, P.R.Right - Side, P.R.Bottom - V};
    const int LineWidth = GetGridLineWidth();
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

void TVezEzuzorEvad::PaintFixedEdges(TCellPaintContext& P)
{
    plat::TCanvas& Canvas = P.Canvas;
    plat::TRect& R = P.R;
    const bool HorzLines = GetOptions().Contains(plat::goFixedHorzLine);
    const bool VertLines = GetOptions().Contains(plat::goFixedVertLine);
    const plat::TColor Shade = HalveColor(GetFixedColor());
    const auto Line = [&Canvas](plat::TColor Color, int X1, int Y1, int X2, int Y2) {
        Canvas.Pen().SetColor(Color);
        Canvas.MoveTo(X1, Y1);
        Canvas.LineTo(X2, Y2);
    };
    if (!FFlat) {
        switch (FLook) {
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
    const bool RightFixed = P.RealCol >= GetColCount() - FFixedRightCols + NumHiddenColumns();
    if (RightFixed && FLook != glClassic && FFlat) {
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

void TVezEzuzorEvad::PaintFocusRect(TCellPaintContext& P)
{
    if (FHideFocusRect || !Focused() || GetOptions().Contains(plat::goRowSelect))
        return;
    const plat::TPoint Base = BaseCell(P.RealCol, P.Row);
    if (Base.X != GetCol() || Base.Y != GetRow() || GetCol() < GetFixedCols() || GetRow() < GetFixedRows())
        return;
    plat::TRect Focus = plat::InflatedRect(P.R, GetGridLineWidth() - 1, GetGridLineWidth() - 1);
    --Focus.Right;
    --Focus.Bottom;
    P.Canvas.DrawFocusRect(Focus);
}

void TVezEzuzorEvad::DrawCheck(const plat::TRect& Rect, bool Checked, TCheckBoxState TriStateValue, bool TriState,
                               TControlStyle Style, bool Greyed, bool Enabled)
{
    TCheckDrawer(Canvas(), *FControlLook).DrawCheck(Rect, Checked, TriStateValue, TriState, Style, Greyed, Enabled);
}

void TVezEzuzorEvad::DrawRadioGroup(plat::TCanvas& Canvas, const TRadioGroupItems& Group)
{
    TCheckDrawer(Canvas, *FControlLook).DrawRadioGroup(Group);
}

}  // namespace skelda::grid
