#include "grid/controls/TGridFocusWindow.h"

namespace skelda::grid {

TGridFocusWindow::TGridFocusWindow(plat::TComponent* AOwner) : plat::TCustomControl(AOwner)
{
    SetBounds(0, 0, 0, 0);
    SetColor(plat::clRed);
}

void TGridFocusWindow::CreateParams(plat::TCreateParams& Params) const
{
    plat::TCustomControl::CreateParams(Params);
    Params.Style = plat::WS_POPUP | plat::WS_DISABLED;
    Params.ExStyle |= plat::WS_EX_TOPMOST | plat::WS_EX_TOOLWINDOW;
}

}  // namespace skelda::grid
