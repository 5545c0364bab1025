#include "grid/controls/THeaderDragButton.h"

#include "grid/cells/TBaseGrid.h"

namespace skelda::grid {

THeaderDragButton::THeaderDragButton(plat::TComponent* AOwner)
    : plat::TCustomControl(AOwner), FGrid(dynamic_cast<TBaseGrid*>(AOwner))
{
    SetColor(plat::clBtnFace);
}

void THeaderDragButton::CreateParams(plat::TCreateParams& Params) const
{
    plat::TCustomControl::CreateParams(Params);
    Params.Style = plat::WS_POPUP | plat::WS_BORDER;
    Params.WindowClassStyle |= plat::CS_SAVEBITS;
}

}  // namespace skelda::grid
