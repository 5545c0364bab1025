#pragma once

#include "editcontrols/base/TKvExControl.h"
#include "platform/controls/core/TGraphicControl.h"

namespace skelda::editcontrols {

// The windowless member of the extended-control family: it has no window messages, so only
// the control notifications every member shares become operations.
class TKvExGraphicControl : public TKvExControl<plat::TGraphicControl> {
public:
    explicit TKvExGraphicControl(plat::TComponent* AOwner);

    std::string ClassName() const override { return "TKvExGraphicControl"; }

    void WndProc(plat::TMessage& Message) override;
};

}  // namespace skelda::editcontrols
