#include "platform/controls/services/TaskDialog.h"

#include "platform/controls/services/DialogService.h"

#include <algorithm>

namespace plat {

namespace {

bool Shows(const std::vector<TTaskDialogButton>& Buttons, int Id)
{
    return std::any_of(Buttons.begin(), Buttons.end(), [Id](const TTaskDialogButton& b) { return b.ButtonID == Id; });
}

}  // namespace

std::vector<int> TaskDialogButtonIds(const TTaskDialogConfig& Config)
{
    std::vector<int> ids;
    for (const TTaskDialogButton& button : Config.Buttons)
        ids.push_back(button.ButtonID);
    static constexpr struct {
        unsigned Flag;
        int Id;
    } kCommon[] = {{TDCBF_OK_BUTTON, IDOK},         {TDCBF_YES_BUTTON, IDYES},     {TDCBF_NO_BUTTON, IDNO},
                   {TDCBF_CANCEL_BUTTON, IDCANCEL}, {TDCBF_RETRY_BUTTON, IDRETRY}, {TDCBF_CLOSE_BUTTON, IDCLOSE}};
    for (const auto& common : kCommon)
        if (Config.CommonButtons & common.Flag)
            ids.push_back(common.Id);
    if (ids.empty())
        ids.push_back(IDOK);
    return ids;
}

int TaskDialogDefaultButton(const TTaskDialogConfig& Config)
{
    const std::vector<int> ids = TaskDialogButtonIds(Config);
    return std::find(ids.begin(), ids.end(), Config.DefaultButton) != ids.end() ? Config.DefaultButton : ids.front();
}

int TaskDialogDefaultRadioButton(const TTaskDialogConfig& Config)
{
    if (Shows(Config.RadioButtons, Config.DefaultRadioButton))
        return Config.DefaultRadioButton;
    if (Config.RadioButtons.empty() || (Config.Flags & TDF_NO_DEFAULT_RADIO_BUTTON))
        return 0;
    return Config.RadioButtons.front().ButtonID;
}

bool TaskDialogCanCancel(const TTaskDialogConfig& Config)
{
    return (Config.Flags & TDF_ALLOW_DIALOG_CANCELLATION) || (Config.CommonButtons & TDCBF_CANCEL_BUTTON);
}

}  // namespace plat
