#pragma once

#include "editcontrols/base/TKvExWinControl.h"
#include "platform/controls/standard/TBitBtn.h"

namespace skelda::editcontrols {

// The bitmap-button member of the extended-control family: what its operations leave goes to
// the button's own window procedure.
class TKvExBitBtn : public TKvExWinControl<plat::TBitBtn> {
public:
    using TKvExWinControl<plat::TBitBtn>::TKvExWinControl;

    std::string ClassName() const override { return "TKvExBitBtn"; }
};

}  // namespace skelda::editcontrols
