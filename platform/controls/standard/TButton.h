#pragma once

#include "platform/controls/forms/IButtonControl.h"
#include "platform/controls/forms/TForm.h"
#include "platform/controls/standard/TButtonControl.h"

namespace plat {

// A push button on Qt's push button. The form presses it for Enter when it is Default (or
// focused) and for Escape when it is Cancel; a click hands ModalResult to the form (when set)
// before OnClick runs, which ends a modal showing.
class TButton : public TButtonControl, public IButtonControl {
public:
    explicit TButton(TComponent* AOwner);

    std::string ClassName() const override { return "TButton"; }

    bool GetDefault() const override { return FDefault; }
    void SetDefault(bool Value);
    bool GetCancel() const override { return FCancel; }
    void SetCancel(bool Value) { FCancel = Value; }
    TModalResult GetModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }

    void Click() override;

    void Dispatch(TMessage& Message) override;

protected:
    TWindowHost* CreateHost(const TCreateParams& Params) override;
    void CreateWnd() override;
    int FaceRole() const override;

private:
    bool FDefault = false;
    bool FCancel = false;
    TModalResult FModalResult = mrNone;
};

}  // namespace plat
