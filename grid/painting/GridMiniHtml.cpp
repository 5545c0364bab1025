#include "grid/painting/GridMiniHtml.h"

#include "foundation/MiniHtmlDraw.h"

namespace skelda::grid {

namespace {

// The grid's cells carry a grey shadow and no hover colours of their own.
constexpr plat::TColor kShadowColor = 0x808080;

}  // namespace

int DrawGridHtml(plat::TCanvas& Canvas, const std::string& Text, const plat::TRect& Rect, const TGridHtmlRoles& Roles)
{
    std::string anchor, plain, focused, title, controlId, controlValue, controlType;
    int width = 0, height = 0, linkTotal = 0, linkIndex = -1;
    plat::TRect linkRect{}, controlRect{};
    foundation::MiniHtmlDrawGrid(Canvas, Text, Rect, Roles.Images, Roles.CellTopLeft.X, Roles.CellTopLeft.Y, -1,
                                 Roles.HoverAnchor, 1, false, false, false, false, Roles.BlinkVisible,
                                 Roles.UnderlineOnHover, !Roles.EnhTextSize, Roles.CtrlDown, 1.0, Roles.LinkColor,
                                 plat::clNone, plat::clNone, kShadowColor, anchor, plain, focused, title, width,
                                 height, linkTotal, linkIndex, linkRect, controlRect, controlId, controlValue,
                                 controlType, Roles.Cache, Roles.Container, Roles.Window, Roles.BiDiMode);
    return width;
}

}  // namespace skelda::grid
