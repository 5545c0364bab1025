#include "grid/controls/TScrollControl.h"

namespace skelda::grid {

TScrollControl::TScrollControl(plat::TComponent* AOwner) : plat::TCustomControl(AOwner)
{
    SetColor(plat::clSilver);
}

}  // namespace skelda::grid
