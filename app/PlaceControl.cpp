#include "app/PlaceControl.h"

#include "platform/controls/standard/TLabel.h"

namespace skelda::app {

plat::TLabel* PlaceFixedLabel(plat::TComponent& Owner, plat::TWinControl& Parent, plat::TRect Bounds)
{
    auto* label = new plat::TLabel(&Owner);
    label->SetAutoSize(false);
    label->SetWordWrap(true);
    label->SetBoundsRect(Bounds);
    label->SetParent(&Parent);
    return label;
}

}  // namespace skelda::app
