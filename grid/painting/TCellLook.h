#pragma once

#include "grid/cells/CellPropertyTypes.h"
#include "grid/cells/TCellVisualProperties.h"
#include "grid/painting/CellPaintTypes.h"
#include "grid/painting/TCellPaintSettings.h"
#include "platform/controls/standard/StandardControlTypes.h"
#include "platform/graphics/Colors.h"
#include "platform/grids/GridTypes.h"

#include <string>

namespace plat {
class TBrush;
class TFont;
}  // namespace plat

namespace skelda::grid {

class TCellPainterHost;

// The look of a cell, decided in one place for the painter, the printer and new cell records:
// the background on the brush, the font, and the rest in TCellVisualProperties. Later steps
// override earlier ones: the record, the grid colour with banding, the fixed look, the owner's
// colour and gradient, then the selection. Also the cell's alignment, font, shown number text
// and the room its cell object takes.
class TCellLook {
public:
    TCellLook(TCellPainterHost& AHost, const TCellPaintSettings& ASettings)
        : FHost(AHost)
        , FSettings(ASettings)
    {
    }

    void GetVisualProperties(int ACol, int ARow, TCellVisualProperties& Visual, plat::TFont& AFont,
                             plat::TBrush& ABrush, bool WithSelection, bool Print, plat::TGridDrawState& AState);
    // DefaultAlignment and VAlignment; numbers right-aligned with AutoNumAlign; the record's
    // alignment unless the text is a formula; then the owner's alignment.
    void GetCellAlignment(int ACol, int ARow, plat::TAlignment& HAlign, TVAlignment& VAlign);
    // The font a cell is measured with: FixedFont or the grid's font, the record's font, then
    // the owner's colour question with ABrush and AState.
    void GetFontProperties(int ACol, int RCol, int ARow, plat::TBrush& ABrush, plat::TFont& AFont,
                           plat::TGridDrawState AState);
    // The display text, a number formatted by the float format the owner agrees to; a value
    // or format that fails leaves the display text.
    std::string GetFormattedCellText(int ACol, int ARow);
    // The cell's object and the room it takes beside the text.
    TCellGraphicLayout GetCellGraphicLayout(int ACol, int ARow);

    // Percent of Color1 over Color2, each channel rounded: 100 or more gives Color1, below 1
    // (or Color1 clNone) Color2, Color2 clNone gives Color1.
    static plat::TColor BlendColor(plat::TColor Color1, plat::TColor Color2, int Percent);
    // BlendColor with the mixer on, Color1 otherwise.
    static plat::TColor BlendSelectionColor(plat::TColor Color1, plat::TColor Color2, bool Mixer, int Percent);

private:
    void ApplySelection(TCellVisualProperties& Visual, plat::TFont& AFont, plat::TBrush& ABrush,
                        plat::TGridDrawState& AState, plat::TColor Brush) const;

    TCellPainterHost& FHost;
    TCellPaintSettings FSettings;
};

}  // namespace skelda::grid
