#include "grid/painting/TCellLook.h"

#include "grid/cells/TCellProperties.h"
#include "grid/painting/TCellPainterHost.h"
#include "grid/painting/TGridLookSettings.h"
#include "grid/settings/TBands.h"
#include "grid/settings/TControlLook.h"
#include "grid/settings/TMouseActions.h"
#include "grid/settings/TPrintSettings.h"
#include "grid/support/TCellGraphic.h"
#include "grid/support/TCellSelection.h"
#include "grid/support/TLineSelection.h"
#include "grid/text/NumberTexts.h"
#include "grid/text/TextKinds.h"
#include "grid/text/TextTrim.h"
#include "platform/controls/core/InputQueries.h"
#include "platform/controls/core/VirtualKeys.h"
#include "platform/core/Exception.h"
#include "platform/core/Format.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TGraphic.h"
#include "platform/system/Conversions.h"
#include "platform/system/MathRoutines.h"

#include <algorithm>
#include <cstdint>

namespace skelda::grid {

namespace {

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

// ---- Colours ----------------------------------------------------------------------------------

plat::TColor TCellLook::BlendColor(plat::TColor Color1, plat::TColor Color2, int Percent)
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

plat::TColor TCellLook::BlendSelectionColor(plat::TColor Color1, plat::TColor Color2, bool Mixer, int Percent)
{
    return Mixer ? BlendColor(Color1, Color2, Percent) : Color1;
}

// ---- The look of a cell -----------------------------------------------------------------------

void TCellLook::GetVisualProperties(int ACol, int ARow, TCellVisualProperties& Visual, plat::TFont& AFont,
                                    plat::TBrush& ABrush, bool WithSelection, bool Print, plat::TGridDrawState& AState)
{
    const TGridLookSettings& Look = FSettings.Look;
    const int FixedCols = FHost.FixedCols();
    const int FixedRows = FHost.FixedRows();
    const bool Normal = ACol >= FixedCols && ARow >= FixedRows;
    const bool PrintFonts = Print && !FSettings.Print.GetUseDisplayFont();
    if (Normal)
        AFont.Assign(PrintFonts ? FSettings.Print.Font() : FHost.GridFont());
    else
        AFont.Assign(PrintFonts ? FSettings.Print.FixedFont() : Look.FixedFont());

    ABrush.SetColor(plat::clNone);
    Visual.ColorTo = plat::clNone;
    Visual.MirrorColor = plat::clNone;
    Visual.MirrorColorTo = plat::clNone;
    Visual.GradientDirection = GradientVertical;
    Visual.WordWrap = Look.GetWordWrap();

    bool OwnColor = false;
    if (const TCellProperties* Record = FHost.CellRecord(ACol, ARow)) {
        ABrush.SetColor(Record->GetBrushColor());
        const TCellType Kind = FHost.CellType(ACol, ARow);
        OwnColor = Record->GetBrushColor() != plat::clNone && (Kind == ctNone || Kind == ctRotated || Kind == ctEmpty);
        ApplyRecordFont(*Record, AFont);
        Visual.WordWrap = Record->GetWordWrap();
        Visual.ColorTo = Record->GetBrushColorTo();
        Visual.GradientDirection = Record->GetGradientDirection();
    }
    if (AState.Contains(plat::gdSelected))
        Visual.GradientDirection = GradientVertical;

    if (ABrush.GetColor() == plat::clNone) {
        ABrush.SetColor(FHost.GridColor());
        const int FirstRightFixed = FHost.ColCount() - FHost.FixedRightCols() + FHost.NumHiddenColumns();
        const int FirstFooter = FHost.RowCount() - FHost.FixedFooters();
        const bool Banded = Normal && ACol < FirstRightFixed && ARow < FirstFooter;
        const TBands& Bands = FSettings.Bands;
        if (Banded && Bands.GetActive() && (!Print || Bands.GetPrint()) && Bands.GetTotalLength() >= 1) {
            const bool Primary = (ARow - FixedRows) % Bands.GetTotalLength() < Bands.GetPrimaryLength();
            ABrush.SetColor(Primary ? Bands.GetPrimaryColor() : Bands.GetSecondaryColor());
        }
        if (!Banded)
            ABrush.SetColor(FHost.FixedColor());
    }

    const bool Fixed = FHost.IsFixedCell(ACol, ARow) || ACol < FixedCols || ARow < FixedRows;
    if (Fixed && !OwnColor && !Print) {
        ABrush.SetColor(FHost.FixedColor());
        AFont.Assign(Look.FixedFont());
        AState.Include(plat::gdFixed);
        // A look without a fixed gradient keeps the plain fixed colour.
        if (Look.GetLook() > glClassic && Look.GetZORGradientFrom() != plat::clNone) {
            ABrush.SetColor(Look.GetZORGradientFrom());
            Visual.ColorTo = Look.GetZORGradientTo();
            Visual.MirrorColor = Look.GetZORGradientMirrorFrom();
            Visual.MirrorColorTo = Look.GetZORGradientMirrorTo();
        }
    }

    if (Print)
        FHost.CellPrintColor(ACol, ARow, AFont, ABrush, AState);
    else
        FHost.QueryCellColor(ACol, ARow, AFont, ABrush, AState);

    plat::TColor Color = ABrush.GetColor();
    if (FHost.CellGradient(ACol, ARow, Color, Visual.ColorTo, Visual.MirrorColor, Visual.MirrorColorTo,
                           Visual.GradientDirection))
        ABrush.SetColor(Color);

    const plat::TColor UnselectedBrush = ABrush.GetColor();
    const plat::TColor UnselectedFont = AFont.GetColor();
    const TMouseActions& Mouse = FSettings.MouseActions;
    const bool MouseDown = MouseButtonDown();
    const bool ShowSelection = Look.GetShowSelection();
    const plat::TColor SelectionColor = Look.GetSelectionColor();
    const bool Selectable = WithSelection && !Print && ShowSelection && Normal && !Fixed;

    if (Selectable && Mouse.GetDisjunctRowSelect()) {
        const bool RowSelected = FSettings.RowSelection.IsSelected(ARow);
        if (!RowSelected || (ARow == FHost.CurrentRow() && MouseDown)) {
            if (!(MouseDown && !RowSelected && AState.Contains(plat::gdSelected)))
                AState.Exclude(plat::gdSelected);
        } else {
            AState = plat::TGridDrawState{plat::gdSelected};
            ApplySelection(Visual, AFont, ABrush, AState, SelectionColor);
        }
    }
    if (Selectable && Mouse.GetDisjunctColSelect()) {
        const bool ColSelected = FSettings.ColSelection.IsSelected(ACol);
        if ((ColSelected && !(ACol == FHost.CurrentCol() && MouseDown)) ||
            (!ColSelected && MouseDown && AState.Contains(plat::gdSelected)))
            ApplySelection(Visual, AFont, ABrush, AState, SelectionColor);
        else
            AState.Exclude(plat::gdSelected);
    }

    const bool InRange = !Mouse.GetDisjunctCellSelect() && FHost.Selection().Contains(ACol, ARow);
    if ((Selectable && InRange && !Mouse.GetDisjunctRowSelect() && !Mouse.GetDisjunctColSelect()) ||
        (AState.Contains(plat::gdSelected) && MouseDown && ShowSelection)) {
        const plat::TColor Brush = ABrush.GetColor() == FHost.GridColor()
                                       ? SelectionColor
                                       : BlendSelectionColor(SelectionColor, ABrush.GetColor(),
                                                             Look.GetSelectionColorMixer(),
                                                             Look.GetSelectionColorMixerFactor());
        ApplySelection(Visual, AFont, ABrush, AState, Brush);
    }

    if (Mouse.GetDisjunctCellSelect() && ShowSelection) {
        if (FSettings.SelectedCells.Contains(ACol, ARow)) {
            ApplySelection(Visual, AFont, ABrush, AState, SelectionColor);
        } else if (ACol == FHost.CurrentCol() && ARow == FHost.CurrentRow()) {
            AState.Exclude(plat::gdSelected);
            ABrush.SetColor(UnselectedBrush);
            AFont.SetColor(UnselectedFont);
        }
    }

    if (Look.GetUseDisabledFont() && !FHost.IsEnabled())
        AFont.SetColor(Look.GetDisabledFontColor());

    FHost.CellWordWrap(ACol, ARow, Visual.WordWrap);
    GetCellAlignment(ACol, ARow, Visual.HAlign, Visual.VAlign);
}

void TCellLook::ApplySelection(TCellVisualProperties& Visual, plat::TFont& AFont, plat::TBrush& ABrush,
                               plat::TGridDrawState& AState, plat::TColor Brush) const
{
    const TGridLookSettings& Look = FSettings.Look;
    AState.Include(plat::gdSelected);
    ABrush.SetColor(Brush);
    Visual.ColorTo = Look.GetSelectionColorTo();
    Visual.MirrorColor = Look.GetSelectionMirrorColor();
    Visual.MirrorColorTo = Look.GetSelectionMirrorColorTo();
    if (Look.GetSelectionTextColor() != plat::clNone)
        AFont.SetColor(Look.GetSelectionTextColor());
}

void TCellLook::GetCellAlignment(int ACol, int ARow, plat::TAlignment& HAlign, TVAlignment& VAlign)
{
    const TGridLookSettings& Look = FSettings.Look;
    HAlign = Look.GetDefaultAlignment();
    VAlign = Look.GetVAlignment();
    if (Look.GetAutoNumAlign()) {
        const std::string Text = FHost.CellText(ACol, ARow);
        if (GetTextKind(Text, false) != tkFormula && IsNumberClass(ClassifyNumberText(TrimText(Text))))
            HAlign = plat::taRightJustify;
    }
    if (const TCellProperties* Record = FHost.CellRecord(ACol, ARow)) {
        const plat::TPoint Base = FHost.BaseCell(ACol, ARow);
        if (GetTextKind(FHost.RawText(Base.X, Base.Y), false) != tkFormula) {
            HAlign = Record->GetAlignment();
            VAlign = Record->GetVAlignment();
        }
    }
    FHost.QueryCellAlignment(ACol, ARow, HAlign, VAlign);
}

void TCellLook::GetFontProperties(int ACol, int RCol, int ARow, plat::TBrush& ABrush, plat::TFont& AFont,
                                  plat::TGridDrawState AState)
{
    const bool Fixed = FHost.IsFixedCell(ACol, ARow) || ACol < FHost.FixedCols() || ARow < FHost.FixedRows();
    AFont.Assign(Fixed ? FSettings.Look.FixedFont() : FHost.GridFont());
    if (const TCellProperties* Record = FHost.CellRecord(RCol, ARow))
        ApplyRecordFont(*Record, AFont);
    FHost.QueryCellColor(RCol, ARow, AFont, ABrush, AState);
}

std::string TCellLook::GetFormattedCellText(int ACol, int ARow)
{
    std::string Text = FHost.CellText(ACol, ARow);
    // An empty cell or a lone "-" reads as 0 but shows no number.
    const std::string_view Trimmed = TrimText(Text);
    if (Trimmed.empty() || Trimmed == "-" || !IsNumberClass(ClassifyNumberText(Trimmed)))
        return Text;
    bool IsFloat = true;
    std::string FloatFormat = FSettings.Look.GetFloatFormat();
    if (!FHost.FloatFormat(ACol, ARow, IsFloat, FloatFormat) || !IsFloat || FloatFormat.empty())
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

TCellGraphicLayout TCellLook::GetCellGraphicLayout(int ACol, int ARow)
{
    TCellGraphicLayout Layout;
    const TCellGraphic* Object = FHost.CellGraphic(ACol, ARow);
    if (!Object)
        return Layout;
    const TControlLook& ControlLook = FSettings.ControlLook;
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
        Square(ControlLook.GetCheckSize());
        break;
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
        Square(ControlLook.GetCheckSize());
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
        Square(ControlLook.GetRadioSize() + 4);
        break;
    case ctShape:
        Square(FHost.RowHeight(ARow) - 2 * FSettings.Look.GetXYOffset().Y);
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

}  // namespace skelda::grid
