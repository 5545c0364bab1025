#include "grid/support/TCellGraphic.h"

namespace skelda::grid {

void TCellGraphic::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TCellGraphic*>(&Source);
    if (!source)
        return;
    FCellType = source->FCellType;
    FCellVAlign = source->FCellVAlign;
    FCellHAlign = source->FCellHAlign;
    FCellIndex = source->FCellIndex;
    FCellTransparent = source->FCellTransparent;
    FCellValue = source->FCellValue;
    FCellAngle = source->FCellAngle;
    FCellBoolean = source->FCellBoolean;
    FCellErrFrom = source->FCellErrFrom;
    FCellErrLen = source->FCellErrLen;
    FCellText = source->FCellText;
    FCellCreated = source->FCellCreated;
}

}  // namespace skelda::grid
