#pragma once

#include "platform/controls/standard/StandardControlTypes.h"
#include "platform/controls/standard/TButtonControl.h"

namespace plat {

// A radio button on Qt's radio button. Checking one (by a click, its accelerator or code)
// unchecks the other radio buttons of the same parent and runs OnClick; a click on a checked
// one changes nothing. Only the checked button of a group is a Tab stop.
class TRadioButton : public TButtonControl {
public:
    explicit TRadioButton(TComponent* AOwner);

    std::string ClassName() const override { return "TRadioButton"; }

    bool GetChecked() const { return FChecked; }
    void SetChecked(bool Value);
    TAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);

    void Dispatch(TMessage& Message) override;

protected:
    TWindowHost* CreateHost(const TCreateParams& Params) override;
    void CreateWnd() override;
    void ButtonClicked() override;
    // Puts Checked on the native button.
    void ShowChecked();

private:
    void TurnSiblingsOff();

    bool FChecked = false;
    TAlignment FAlignment = taRightJustify;
};

}  // namespace plat
