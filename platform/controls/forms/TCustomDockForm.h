#pragma once

#include "platform/controls/forms/TForm.h"

namespace plat {

// The window that holds a control docked to no site (ManualDock(nullptr), or a dock drag
// dropped away from every site): a tool window whose client area the control fills. It takes
// the control's caption and visibility as they change, and frees itself once its last client
// has docked elsewhere. It is a dock site, so more controls may join it.
class TCustomDockForm : public TCustomForm {
public:
    explicit TCustomDockForm(TComponent* AOwner);
    std::string ClassName() const override { return "TCustomDockForm"; }

    // The floating host a control docked to no site gets: owned by AOwner (the application
    // installs this with itself), its client area at ScreenRect.
    static TWinControl* MakeFloatingHost(TComponent* AOwner, TControl& Client, const TRect& ScreenRect);

    void Dispatch(TMessage& Message) override;

protected:
    void DoAddDockClient(TControl* Client, const TRect& ARect) override;
    void DoRemoveDockClient(TControl* Client) override;
};

}  // namespace plat
