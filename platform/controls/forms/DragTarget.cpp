#include "platform/controls/forms/DragTarget.h"

#include "platform/controls/forms/TForm.h"
#include "platform/controls/forms/TScreen.h"

#include <vector>

namespace plat {

namespace {

TControl* ControlInForm(TCustomForm& Form, TPoint ScreenPos, bool AllowDisabled)
{
    if (!Form.Showing() || !Form.GetClientRect().Contains(Form.ScreenToClient(ScreenPos)))
        return nullptr;
    TControl* found = &Form;
    TWinControl* window = &Form;
    while (TControl* child = window->ControlAtPos(window->ScreenToClient(ScreenPos), AllowDisabled, true)) {
        found = child;
        window = dynamic_cast<TWinControl*>(child);
        if (!window)
            break;
    }
    return found;
}

}  // namespace

TControl* FindDragTarget(TPoint ScreenPos, bool AllowDisabled)
{
    std::vector<TCustomForm*> forms;
    if (TCustomForm* active = Screen->ActiveForm())
        forms.push_back(active);
    for (int i = 0; i < Screen->FormCount(); ++i)
        if (Screen->Forms(i) != Screen->ActiveForm())
            forms.push_back(Screen->Forms(i));
    for (TCustomForm* form : forms)
        if (TControl* found = ControlInForm(*form, ScreenPos, AllowDisabled))
            return found;
    return nullptr;
}

}  // namespace plat
