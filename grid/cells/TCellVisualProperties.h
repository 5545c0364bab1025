#pragma once

#include "grid/cells/CellPropertyTypes.h"
#include "platform/controls/standard/StandardControlTypes.h"
#include "platform/graphics/Colors.h"

namespace skelda::grid {

// The look of one cell as the painters ask for it, besides the background colour and the font,
// which travel on the painting brush and font.
struct TCellVisualProperties {
    plat::TColor ColorTo = plat::clNone;
    plat::TColor MirrorColor = plat::clNone;
    plat::TColor MirrorColorTo = plat::clNone;
    TCellGradientDirection GradientDirection = GradientVertical;
    bool WordWrap = false;
    plat::TAlignment HAlign = plat::taLeftJustify;
    TVAlignment VAlign = vtaTop;
};

}  // namespace skelda::grid
