#pragma once

#include "grid/cells/TCellVisualProperties.h"
#include "grid/painting/CellPaintTypes.h"
#include "grid/text/TextKinds.h"
#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"
#include "platform/grids/GridTypes.h"

namespace plat {
class TCanvas;
}  // namespace plat

namespace skelda::grid {

// What the steps of the string grid's content painter share while one cell is painted. R is
// the working rectangle, which the steps narrow and widen as they go; the text stage writes
// the text's width and the line height for the cell-object painter that follows it.
struct TCellPaintContext {
    explicit TCellPaintContext(plat::TCanvas& ACanvas)
        : Canvas(ACanvas)
    {
    }

    plat::TCanvas& Canvas;
    int DisplCol = 0;
    int RealCol = 0;
    int Row = 0;
    plat::TGridDrawState State;
    plat::TRect R;
    bool Fixed = false;
    bool FilterGlyph = false;
    TCellVisualProperties Visual;
    TCellGraphicLayout Layout;
    // The colours GetVisualProperties gave, put back after the text.
    plat::TColor SavedBrushColor = plat::clNone;
    plat::TColor SavedFontColor = plat::clNone;
    TTextKind TextKind = tkPlain;
    // Width of the drawn text plus 2, and the height of a line ("hg").
    int TextWidthPx = 0;
    int TextHeightPx = 0;
};

}  // namespace skelda::grid
