#pragma once

#include "editcontrols/base/TKvExGraphicControl.h"
#include "editcontrols/panel/CaptionPanelTypes.h"

namespace skelda::editcontrols {

// A small button of a caption panel's bar (close, maximise, minimise, restore or help), drawn as
// the platform's caption button. It only reports its click: to OnClick and then, when its owner
// is a caption panel, to the panel's OnButtonClick. A flat button shows a thin raised frame while
// the mouse is over it and a sunken one while it is pressed.
class TKvCapBtn : public TKvExGraphicControl {
public:
    // SM_CYCAPTION - 3 wide and 2 less high; hidden.
    explicit TKvCapBtn(plat::TComponent* AOwner);

    std::string ClassName() const override { return "TKvCapBtn"; }

    TKvCapBtnStyle GetStyle() const { return FStyle; }
    void SetStyle(TKvCapBtnStyle Value);
    bool GetFlat() const { return FFlat; }
    void SetFlat(bool Value);
    // Shown pressed: held down with the pointer over it.
    bool GetDown() const { return FDown; }
    bool GetOver() const { return FOver; }

protected:
    void Paint() override;
    void Click() override;
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void MouseMove(plat::TShiftState Shift, int X, int Y) override;
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void NotifyMouseEnter(plat::TControl* Control) override;
    void NotifyMouseLeave(plat::TControl* Control) override;

private:
    plat::TComponent* FOwner;
    TKvCapBtnStyle FStyle = capClose;
    bool FMouseDown = false;
    bool FDown = false;
    bool FFlat = false;
    bool FOver = false;
};

}  // namespace skelda::editcontrols
