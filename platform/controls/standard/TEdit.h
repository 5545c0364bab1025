#pragma once

#include "platform/controls/standard/TCustomEdit.h"

namespace plat {

// A single-line edit field.
class TEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
    std::string ClassName() const override { return "TEdit"; }
};

}  // namespace plat
