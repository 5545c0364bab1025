#pragma once

#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"

#include <cstdint>
#include <string>

namespace plat {
class TCanvas;
class TImageList;
}  // namespace plat

namespace skelda::foundation {
class THTMLPictureCache;
class TPictureContainer;
}  // namespace skelda::foundation

namespace skelda::grid {

class TGridHtmlLayoutCache;

// What the grid hands the mini-HTML renderer for one cell, by the grid's own names; the one
// place that turns them into the renderer's arguments.
struct TGridHtmlRoles {
    // The grid's BiDiMode: 0 left to right, 1 right to left, 2 without alignment, 3 reading only.
    std::uint8_t BiDiMode = 0;
    plat::HWND Window = 0;
    foundation::TPictureContainer* Container = nullptr;
    foundation::THTMLPictureCache* Cache = nullptr;
    const plat::TImageList* Images = nullptr;
    plat::TColor LinkColor = plat::clBlue;
    // The anchor under the mouse in this cell, -1 for none.
    int HoverAnchor = -1;
    plat::TPoint CellTopLeft;
    bool UnderlineOnHover = false;
    // The blink phase: blinking text shows in this phase.
    bool BlinkVisible = true;
    // Pressed form buttons: the engine's mouse-down look follows the grid's Ctrl key.
    bool CtrlDown = false;
    // Cut lines with an ellipsis instead of wrapping them.
    bool EnhTextSize = false;
    // The grid's kept layouts; without them every paint lays the text out anew.
    TGridHtmlLayoutCache* Layouts = nullptr;
};

// Draws a mini-HTML cell text in Rect; returns the width of the drawn text. What is drawn is the
// same with or without kept layouts.
int DrawGridHtml(plat::TCanvas& Canvas, const std::string& Text, const plat::TRect& Rect, const TGridHtmlRoles& Roles);

}  // namespace skelda::grid
