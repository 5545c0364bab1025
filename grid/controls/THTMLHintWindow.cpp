#include "grid/controls/THTMLHintWindow.h"

namespace skelda::grid {

void THTMLHintWindow::CreateParams(plat::TCreateParams& Params) const
{
    plat::THintWindow::CreateParams(Params);
    Params.Style &= ~plat::WS_BORDER;
    Params.WindowClassStyle |= plat::CS_DROPSHADOW;
}

}  // namespace skelda::grid
