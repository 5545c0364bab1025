#pragma once

#include "platform/controls/standard/StandardControlTypes.h"
#include "platform/controls/standard/TButtonControl.h"

namespace plat {

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// A check box on Qt's check box. A click (mouse, Space or the caption's accelerator) steps the
// state: unchecked, then grayed when AllowGrayed, then checked, then unchecked again; grayed
// goes to checked. Every change of State, by the user or by code, runs OnClick, as the widget
// library did. Alignment taLeftJustify puts the box right of the caption.
class TCheckBox : public TButtonControl {
public:
    explicit TCheckBox(TComponent* AOwner);

    std::string ClassName() const override { return "TCheckBox"; }

    TCheckBoxState GetState() const { return FState; }
    void SetState(TCheckBoxState Value);
    bool GetChecked() const { return FState == cbChecked; }
    void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }
    bool GetAllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool Value);
    TAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);

    void Dispatch(TMessage& Message) override;

protected:
    TWindowHost* CreateHost(const TCreateParams& Params) override;
    void CreateWnd() override;
    void ButtonClicked() override;
    // The next state of a click.
    virtual void Toggle();

private:
    void ShowState();

    TCheckBoxState FState = cbUnchecked;
    bool FAllowGrayed = false;
    TAlignment FAlignment = taRightJustify;
};

}  // namespace plat
