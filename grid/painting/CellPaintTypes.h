#pragma once

// What the string grid's cell painter hands its owner and keeps per cell: the grid's overall
// look and the borders a cell may draw, the painting events (their arguments in the order the
// grid's owners are written against) and the place a cell object takes beside the text.

#include "grid/cells/CellPropertyTypes.h"
#include "grid/support/TCellGraphic.h"
#include "platform/core/TSet.h"
#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"
#include "platform/grids/GridTypes.h"

#include <cstdint>
#include <functional>
#include <string>

namespace plat {
class TCanvas;
class TPen;
}  // namespace plat

namespace skelda::grid {

// The grid's overall look; the gradient looks are glZOR and the ones after glListView.
enum TGridLook : std::uint8_t {
    glStandard,
    glSoft,
    glClassic,
    glZOR,
    glXP,
    glListView,
    glVista,
    glWin7,
    glOffice2007,
    glCustom,
};

// Which fixed cells light up under the mouse.
enum THoverFixedCells : std::uint8_t { hfNone, hfFixedRows, hfFixedColumns, hfAll };

enum TCellBorder : std::uint8_t { cbTop, cbLeft, cbRight, cbBottom };
using TCellBorders = plat::TSet<TCellBorder>;

using TGridGradientEvent =
    std::function<void(plat::TObject* Sender, int ARow, int ACol, plat::TColor& Color, plat::TColor& ColorTo,
                       plat::TColor& ColorMirror, plat::TColor& ColorMirrorTo, TCellGradientDirection& GD)>;
using TFloatFormatEvent =
    std::function<void(plat::TObject* Sender, int ACol, int ARow, bool& IsFloat, std::string& FloatFormat)>;
using TGridBorderPropEvent = std::function<void(plat::TObject* Sender, int ARow, int ACol, plat::TPen& LeftPen,
                                                plat::TPen& TopPen, plat::TPen& RightPen, plat::TPen& BottomPen)>;
// OnCustomCellBkgDraw (before the text) and OnCustomCellDraw (after everything else).
using TCustomCellDrawEvent = std::function<void(plat::TObject* Sender, plat::TCanvas& Canvas, int ACol, int ARow,
                                                plat::TGridDrawState AState, plat::TRect ARect, bool Printing)>;
using TCanShowFixedDropDownEvent = std::function<void(plat::TObject* Sender, int ACol, bool& Allow)>;

// The cell object of a cell and the room it takes: Object is nullptr for a cell without one,
// and then nothing is reserved and the text is drawn.
struct TCellGraphicLayout {
    const TCellGraphic* Object = nullptr;
    int WidthPx = 0;
    int HeightPx = 0;
    TCellHAlign HAlign = haLeft;
    TCellVAlign VAlign = vaTop;
    bool TextDrawn = true;
};

// The fixed cell the mouse lights up (display column and row; -1 when none), whether the mouse
// holds it down and whether it holds its drop-down button; MovingCol is the column being
// dragged to a new place (-1 when none), which shows pressed wherever the mouse is.
struct TFixedCellHover {
    int Col = -1;
    int Row = -1;
    bool MouseDown = false;
    bool DropDownDown = false;
    int MovingCol = -1;
    friend bool operator==(const TFixedCellHover&, const TFixedCellHover&) = default;
};

}  // namespace skelda::grid
