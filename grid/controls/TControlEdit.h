#pragma once

#include "platform/controls/standard/TMaskEdit.h"

namespace skelda::grid {

// The edit the grid shows over an in-cell EDIT, PASSWORD or MASK form control.
class TControlEdit : public plat::TMaskEdit {
public:
    using plat::TMaskEdit::TMaskEdit;

    std::string ClassName() const override { return "TControlEdit"; }
};

}  // namespace skelda::grid
