#pragma once

#include "grid/cells/CellPropertyTypes.h"
#include "platform/controls/standard/StandardControlTypes.h"
#include "platform/core/Types.h"

#include <string>

namespace plat {
class TCanvas;
}  // namespace plat

namespace skelda::grid {

// A mini-HTML cell until the grid has a mini-HTML renderer: the text without its tags (line
// break tags start new lines) in the canvas font, aligned in Rect as plain text is, on a
// transparent background. Returns the width of the widest line.
int DrawHtmlCellPlaceholder(plat::TCanvas& Canvas, const std::string& Html, const plat::TRect& Rect,
                            plat::TAlignment HAlign, TVAlignment VAlign);

}  // namespace skelda::grid
