#pragma once

#include "grid/cells/CellPropertyTypes.h"
#include "grid/painting/CellPaintTypes.h"
#include "platform/controls/standard/StandardControlTypes.h"
#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"

#include <memory>
#include <string>

namespace plat {
class TBitmap;
class TFont;
}  // namespace plat

namespace skelda::grid {

class TLookSettingsHost;

// The string grid's look settings: how cells show their text, the selection and the fixed cells,
// the fonts of the fixed and the active header cells and the row indicator. The cell painter
// reads them; a setter that changes what cells show asks the grid for the repaint (most of them
// only when the value changed, see below), which is why the settings stand apart from the grid's
// other fields.
class TGridLookSettings {
public:
    // WinXP: the platform draws themed, which gives the border its themed colour.
    TGridLookSettings(TLookSettingsHost& AHost, bool Designing, bool WinXP);
    ~TGridLookSettings();
    TGridLookSettings(const TGridLookSettings&) = delete;
    TGridLookSettings& operator=(const TGridLookSettings&) = delete;

    // ---- The overall look ---------------------------------------------------------------------
    TGridLook GetLook() const
    {
        return FLook;
    }
    void SetLook(TGridLook Value);
    // Repaints unless the grid is loading.
    bool GetFlat() const
    {
        return FFlat;
    }
    void SetFlat(bool Value);
    plat::TColor GetBorderColor() const
    {
        return FBorderColor;
    }
    void SetBorderColor(plat::TColor Value);
    // The fixed cells' gradient of the gradient looks; stored as RGB, every write repaints.
    plat::TColor GetZORGradientFrom() const
    {
        return FZORGradientFrom;
    }
    void SetZORGradientFrom(plat::TColor Value);
    plat::TColor GetZORGradientTo() const
    {
        return FZORGradientTo;
    }
    void SetZORGradientTo(plat::TColor Value);
    plat::TColor GetZORGradientMirrorFrom() const
    {
        return FZORGradientMirrorFrom;
    }
    void SetZORGradientMirrorFrom(plat::TColor Value);
    plat::TColor GetZORGradientMirrorTo() const
    {
        return FZORGradientMirrorTo;
    }
    void SetZORGradientMirrorTo(plat::TColor Value);
    bool GetShowDesignHelper() const
    {
        return FShowDesignHelper;
    }
    void SetShowDesignHelper(bool Value);
    THoverFixedCells GetHoverFixedCells() const
    {
        return FHoverFixedCells;
    }
    void SetHoverFixedCells(THoverFixedCells Value)
    {
        FHoverFixedCells = Value;
    }
    plat::TFont& FixedFont()
    {
        return *FFixedFont;
    }
    const plat::TFont& FixedFont() const
    {
        return *FFixedFont;
    }
    void SetFixedFont(const plat::TFont& Value);

    // ---- The header cells of the current cell; every write repaints -------------------------
    bool GetActiveCellShow() const
    {
        return FActiveCellShow;
    }
    void SetActiveCellShow(bool Value);
    plat::TColor GetActiveCellColor() const
    {
        return FActiveCellColor;
    }
    void SetActiveCellColor(plat::TColor Value);
    plat::TColor GetActiveCellColorTo() const
    {
        return FActiveCellColorTo;
    }
    void SetActiveCellColorTo(plat::TColor Value);
    plat::TFont& ActiveCellFont()
    {
        return *FActiveCellFont;
    }
    const plat::TFont& ActiveCellFont() const
    {
        return *FActiveCellFont;
    }
    void SetActiveCellFont(const plat::TFont& Value);
    // Repaints the indicator's cell.
    plat::TBitmap& RowIndicator()
    {
        return *FRowIndicator;
    }
    const plat::TBitmap& RowIndicator() const
    {
        return *FRowIndicator;
    }
    void SetRowIndicator(const plat::TBitmap& Value);

    // ---- Selection -----------------------------------------------------------------------------
    bool GetShowSelection() const
    {
        return FShowSelection;
    }
    void SetShowSelection(bool Value);
    plat::TColor GetHighlightColor() const
    {
        return FHighlightColor;
    }
    void SetHighlightColor(plat::TColor Value);
    plat::TColor GetHighlightTextColor() const
    {
        return FHighlightTextColor;
    }
    void SetHighlightTextColor(plat::TColor Value);
    plat::TColor GetSelectionColor() const
    {
        return FSelectionColor;
    }
    void SetSelectionColor(plat::TColor Value);
    plat::TColor GetSelectionColorTo() const
    {
        return FSelectionColorTo;
    }
    void SetSelectionColorTo(plat::TColor Value);
    plat::TColor GetSelectionMirrorColor() const
    {
        return FSelectionMirrorColor;
    }
    void SetSelectionMirrorColor(plat::TColor Value);
    plat::TColor GetSelectionMirrorColorTo() const
    {
        return FSelectionMirrorColorTo;
    }
    void SetSelectionMirrorColorTo(plat::TColor Value);
    plat::TColor GetSelectionTextColor() const
    {
        return FSelectionTextColor;
    }
    void SetSelectionTextColor(plat::TColor Value);
    bool GetSelectionColorMixer() const
    {
        return FSelectionColorMixer;
    }
    void SetSelectionColorMixer(bool Value);
    int GetSelectionColorMixerFactor() const
    {
        return FSelectionColorMixerFactor;
    }
    // Kept within 0 .. 100.
    void SetSelectionColorMixerFactor(int Value);
    bool GetSelectionRectangle() const
    {
        return FSelectionRectangle;
    }
    void SetSelectionRectangle(bool Value);
    plat::TColor GetSelectionRectangleColor() const
    {
        return FSelectionRectangleColor;
    }
    void SetSelectionRectangleColor(plat::TColor Value);
    bool GetSelectionResizer() const
    {
        return FSelectionResizer;
    }
    void SetSelectionResizer(bool Value);

    // ---- Text ----------------------------------------------------------------------------------
    plat::TAlignment GetDefaultAlignment() const
    {
        return FDefaultAlignment;
    }
    void SetDefaultAlignment(plat::TAlignment Value);
    // Repaints unless an update block is open.
    TVAlignment GetVAlignment() const
    {
        return FVAlignment;
    }
    void SetVAlignment(TVAlignment Value);
    bool GetWordWrap() const
    {
        return FWordWrap;
    }
    void SetWordWrap(bool Value);
    bool GetAutoNumAlign() const
    {
        return FAutoNumAlign;
    }
    void SetAutoNumAlign(bool Value)
    {
        FAutoNumAlign = Value;
    }
    // The text's distance from the cell's left and top edges, and from its right edge unless
    // XYOffsetTopLeftOnly.
    plat::TPoint GetXYOffset() const
    {
        return FXYOffset;
    }
    void SetXYOffset(plat::TPoint Value)
    {
        FXYOffset = Value;
    }
    bool GetXYOffsetTopLeftOnly() const
    {
        return FXYOffsetTopLeftOnly;
    }
    void SetXYOffsetTopLeftOnly(bool Value);
    bool GetMultilinecells() const
    {
        return FMultilinecells;
    }
    void SetMultilinecells(bool Value);
    bool GetEnhTextSize() const
    {
        return FEnhTextSize;
    }
    void SetEnhTextSize(bool Value);
    bool GetURLShow() const
    {
        return FURLShow;
    }
    void SetURLShow(bool Value);
    bool GetURLFull() const
    {
        return FURLFull;
    }
    // Repaints when URLShow is on.
    void SetURLFull(bool Value);
    plat::TColor GetURLColor() const
    {
        return FURLColor;
    }
    void SetURLColor(plat::TColor Value)
    {
        FURLColor = Value;
    }
    // Links of mini-HTML cells take the underline and hover look only while the mouse is over
    // them (the grid's hovered link).
    bool GetURLUnderlineOnHover() const
    {
        return FURLUnderlineOnHover;
    }
    void SetURLUnderlineOnHover(bool Value);
    bool GetEnableHTML() const
    {
        return FEnableHTML;
    }
    void SetEnableHTML(bool Value)
    {
        FEnableHTML = Value;
    }
    const std::string& GetFloatFormat() const
    {
        return FFloatFormat;
    }
    void SetFloatFormat(const std::string& Value)
    {
        FFloatFormat = Value;
    }
    char GetPasswordChar() const
    {
        return FPasswordChar;
    }
    void SetPasswordChar(char Value)
    {
        FPasswordChar = Value;
    }
    // Points added to the size of every cell's font.
    int GetZoomFactor() const
    {
        return FZoomFactor;
    }
    void SetZoomFactor(int Value)
    {
        FZoomFactor = Value;
    }
    bool GetUseDisabledFont() const
    {
        return FUseDisabledFont;
    }
    void SetUseDisabledFont(bool Value)
    {
        FUseDisabledFont = Value;
    }
    plat::TColor GetDisabledFontColor() const
    {
        return FDisabledFontColor;
    }
    void SetDisabledFontColor(plat::TColor Value)
    {
        FDisabledFontColor = Value;
    }

    // ---- What the painter leaves out -----------------------------------------------------------
    bool GetHideFocusRect() const
    {
        return FHideFocusRect;
    }
    void SetHideFocusRect(bool Value);
    // With OnDrawCell or OnCustomCellDraw assigned, the owner draws the text.
    bool GetNoDefaultDraw() const
    {
        return FNoDefaultDraw;
    }
    void SetNoDefaultDraw(bool Value);
    // Cells with a cell object show no text.
    bool GetNoImageAndText() const
    {
        return FNoImageAndText;
    }
    void SetNoImageAndText(bool Value);

private:
    void RepaintIfChanged(bool Changed);

    TLookSettingsHost& FHost;
    TGridLook FLook = glXP;
    bool FFlat = false;
    plat::TColor FBorderColor = plat::clGray;
    plat::TColor FZORGradientFrom = plat::clWhite;
    plat::TColor FZORGradientTo = plat::clNone;
    plat::TColor FZORGradientMirrorFrom = plat::clNone;
    plat::TColor FZORGradientMirrorTo = plat::clNone;
    bool FShowDesignHelper = true;
    THoverFixedCells FHoverFixedCells = hfNone;
    std::unique_ptr<plat::TFont> FFixedFont;
    bool FActiveCellShow = false;
    plat::TColor FActiveCellColor = plat::clGray;
    plat::TColor FActiveCellColorTo = plat::clNone;
    std::unique_ptr<plat::TFont> FActiveCellFont;
    std::unique_ptr<plat::TBitmap> FRowIndicator;
    bool FShowSelection = true;
    plat::TColor FHighlightColor = plat::clHighlight;
    plat::TColor FHighlightTextColor = plat::clHighlightText;
    plat::TColor FSelectionColor = 0xEACAB6;
    plat::TColor FSelectionColorTo = plat::clNone;
    plat::TColor FSelectionMirrorColor = plat::clNone;
    plat::TColor FSelectionMirrorColorTo = plat::clNone;
    plat::TColor FSelectionTextColor = plat::clBlack;
    bool FSelectionColorMixer = false;
    int FSelectionColorMixerFactor = 50;
    bool FSelectionRectangle = false;
    plat::TColor FSelectionRectangleColor = plat::clBlack;
    bool FSelectionResizer = false;
    plat::TAlignment FDefaultAlignment = plat::taLeftJustify;
    TVAlignment FVAlignment = vtaTop;
    bool FWordWrap = true;
    bool FAutoNumAlign = false;
    plat::TPoint FXYOffset{2, 2};
    bool FXYOffsetTopLeftOnly = false;
    bool FMultilinecells = false;
    bool FEnhTextSize = false;
    bool FURLShow = false;
    bool FURLFull = false;
    plat::TColor FURLColor = plat::clBlue;
    bool FURLUnderlineOnHover = false;
    bool FEnableHTML = true;
    std::string FFloatFormat = "%.2f";
    char FPasswordChar = '*';
    int FZoomFactor = 0;
    bool FUseDisabledFont = true;
    plat::TColor FDisabledFontColor = plat::clSilver;
    bool FHideFocusRect = false;
    bool FNoDefaultDraw = false;
    bool FNoImageAndText = false;
};

}  // namespace skelda::grid
