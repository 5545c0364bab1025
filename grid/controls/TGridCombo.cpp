#include "grid/controls/TGridCombo.h"

#include "grid/cells/TBaseGrid.h"
#include "platform/core/ChangeValue.h"

namespace skelda::grid {

TGridCombo::TGridCombo(plat::TComponent* AOwner)
    : plat::TComboBox(AOwner), FGrid(dynamic_cast<TBaseGrid*>(AOwner))
{
}

void TGridCombo::SetButtonWidth(int Value)
{
    if (Value >= 14 && Value <= 32 && plat::ChangeValue(FButtonWidth, Value))
        Invalidate();
}

}  // namespace skelda::grid
