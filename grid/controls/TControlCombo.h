#pragma once

#include "platform/controls/standard/TComboBox.h"

namespace skelda::grid {

// The combo box the grid shows over an in-cell COMBO form control; meant to stand on the flat
// combo box of the editor controls, on the platform combo box until that exists.
class TControlCombo : public plat::TComboBox {
public:
    using plat::TComboBox::TComboBox;

    std::string ClassName() const override { return "TControlCombo"; }
};

}  // namespace skelda::grid
