#pragma once

#include "platform/controls/standard/TUpDown.h"

namespace skelda::editcontrols {

// The up-down control as the spin edit uses it: vertical, range -1 to 1 at position 0, so that
// every step ends on one side of the middle; that step fires OnClick with its arrow (btNext for
// the upper one) and the position goes back to the middle. The width stays
// StandardButtonWidth whatever the bounds asked. An exception from a click during the
// auto-repeat stops the repeat and goes on to the timer's exception boundary.
class TKvUpDown : public plat::TUpDown {
public:
    explicit TKvUpDown(plat::TComponent* AOwner);
    ~TKvUpDown() override;

    std::string ClassName() const override { return "TKvUpDown"; }

    void Dispatch(plat::TMessage& Message) override;

private:
    void StepTaken(int Position);

    bool FChanging = false;
};

}  // namespace skelda::editcontrols
