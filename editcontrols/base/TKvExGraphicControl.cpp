#include "editcontrols/base/TKvExGraphicControl.h"

namespace skelda::editcontrols {

TKvExGraphicControl::TKvExGraphicControl(plat::TComponent* AOwner) : TKvExControl<plat::TGraphicControl>(AOwner) {}

void TKvExGraphicControl::WndProc(plat::TMessage& Message)
{
    if (!DispatchToOperation(Message))
        plat::TGraphicControl::WndProc(Message);
}

}  // namespace skelda::editcontrols
