#include "pager/office/PagerDesignerHint.h"

#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"

namespace skelda::pager {

void PaintEmptyDesignerHint(plat::TCanvas& Canvas, const plat::TFont& Font, int ControlHeightPx)
{
    Canvas.Font().Assign(Font);
    Canvas.Brush().SetStyle(plat::bsClear);
    const int lineHeightPx = Canvas.TextHeight("gh");
    const int top = ControlHeightPx / 2;
    Canvas.TextOut(10, top, "Right-click and choose \"New Page\"");
    Canvas.TextOut(10, top + lineHeightPx, "to insert a new tabsheet");
    plat::TFontStyles style = Canvas.Font().GetStyle();
    style.Include(plat::fsItalic);
    Canvas.Font().SetStyle(style);
    Canvas.TextOut(10, top + 3 * lineHeightPx, "If no such right-click menu option appears");
    Canvas.TextOut(10, top + 4 * lineHeightPx, "please install designtime package!");
}

}  // namespace skelda::pager
