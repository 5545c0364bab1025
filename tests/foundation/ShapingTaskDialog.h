#pragma once

#include "foundation/TCustomVezTaskDialog.h"
#include "platform/controls/forms/TForm.h"
#include "platform/controls/standard/TBitBtn.h"
#include "platform/controls/standard/TRadioButton.h"

#include <string>
#include <utility>
#include <vector>

namespace skelda::foundation::testing {

// A radio button of a descendant's own.
class TShapedRadioButton : public plat::TRadioButton {
public:
    using plat::TRadioButton::TRadioButton;
};

// A descendant that makes the dialog's buttons of its own kinds (bit buttons, its own radio
// buttons), marks the captions it is given ("> OK", "(Solar flux)"), and logs every operation
// it is asked for, in order, naming the control as far as it has a name.
class TShapingTaskDialog : public TVezTaskDialog {
public:
    using TVezTaskDialog::TVezTaskDialog;

    std::vector<std::string> Calls;

protected:
    plat::TWinControl* CreateButton(plat::TComponent* AOwner) override
    {
        Calls.push_back("create button");
        return new plat::TBitBtn(AOwner);
    }
    plat::TRadioButton* CreateRadioButton(plat::TComponent* AOwner) override
    {
        Calls.push_back("create radio");
        return new TShapedRadioButton(AOwner);
    }
    void InitRadioButton(plat::TCustomForm* AForm, plat::TRadioButton* Button, plat::TNotifyEvent OnClick,
                         int Index) override
    {
        Calls.push_back("init radio " + std::to_string(Index));
        TVezTaskDialog::InitRadioButton(AForm, Button, std::move(OnClick), Index);
    }
    void SetRadioButtonState(plat::TRadioButton* Button, bool Checked) override
    {
        Log("state", Button, Checked ? "on" : "off");
        TVezTaskDialog::SetRadioButtonState(Button, Checked);
    }
    void SetControlText(plat::TControl* Control, const std::string& Text) override
    {
        Log("text", Control, Text);
        TVezTaskDialog::SetControlText(Control, "(" + Text + ")");
    }
    void SetButtonCaption(plat::TControl* Button, const std::string& Caption) override
    {
        Log("caption", Button, Caption);
        TVezTaskDialog::SetButtonCaption(Button, "> " + Caption);
    }
    void SetButtonCancel(plat::TControl* Button, bool Value) override
    {
        Log("cancel", Button, Value ? "on" : "off");
        TVezTaskDialog::SetButtonCancel(Button, Value);
    }
    void SetButtonDefault(plat::TControl* Button, bool Value) override
    {
        Log("default", Button, Value ? "on" : "off");
        TVezTaskDialog::SetButtonDefault(Button, Value);
    }
    void SetButtonModalResult(plat::TControl* Button, int Value) override
    {
        Log("result", Button, std::to_string(Value));
        TVezTaskDialog::SetButtonModalResult(Button, Value);
    }
    int GetButtonModalResult(plat::TControl* Button) override
    {
        Log("get result", Button, "");
        return TVezTaskDialog::GetButtonModalResult(Button);
    }

private:
    void Log(const std::string& What, const plat::TControl* Control, const std::string& Value)
    {
        std::string entry = What;
        for (const std::string& part : {Control->GetName(), Value})
            if (!part.empty())
                entry += " " + part;
        Calls.push_back(entry);
    }
};

}  // namespace skelda::foundation::testing
