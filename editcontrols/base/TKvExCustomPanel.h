#pragma once

#include "editcontrols/base/TKvExWinControl.h"
#include "platform/controls/standard/TPanel.h"

namespace skelda::editcontrols {

// The panel member of the extended-control family.
class TKvExCustomPanel : public TKvExWinControl<plat::TCustomPanel> {
public:
    using TKvExWinControl<plat::TCustomPanel>::TKvExWinControl;

    std::string ClassName() const override { return "TKvExCustomPanel"; }
};

}  // namespace skelda::editcontrols
